// SPDX-License-Identifier: MIT
#ifndef DUIRESOURCEHANDLERS_P_H
#define DUIRESOURCEHANDLERS_P_H

#include "duiresourcehandler.h"

// The three built-in handlers. They have no meta-object of their own; each exists once per
// process, created on first use.

// Qt resources: images for paths beginning with ":", data and XML for ":/".
class DUI_AUTOTEST_EXPORT DuiQtHandler : public DuiResourceHandler
{
public:
    static DuiQtHandler *instance();
    bool loadImage(const QString &path, QPixmap &pixmap) override;
    bool loadXml(const QString &path, MXXmlDocument &document) override;
    bool loadRawData(const QString &path, QByteArray &data) override;
};

// Relative paths, read below the application directory; paths with any of * ? | < > " : refused.
class DUI_AUTOTEST_EXPORT DuiDefaultHandler : public DuiResourceHandler
{
public:
    static DuiDefaultHandler *instance();
    static bool accepts(const QString &path);
    bool loadImage(const QString &path, QPixmap &pixmap) override;
    bool loadXml(const QString &path, MXXmlDocument &document) override;
    bool loadRawData(const QString &path, QByteArray &data) override;
};

// Absolute paths, read as they are.
class DUI_AUTOTEST_EXPORT DuiAbsoluteHandler : public DuiResourceHandler
{
public:
    static DuiAbsoluteHandler *instance();
    bool loadImage(const QString &path, QPixmap &pixmap) override;
    bool loadXml(const QString &path, MXXmlDocument &document) override;
    bool loadRawData(const QString &path, QByteArray &data) override;
};

#endif // DUIRESOURCEHANDLERS_P_H
