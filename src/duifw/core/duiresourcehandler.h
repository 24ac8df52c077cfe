// SPDX-License-Identifier: MIT
#ifndef DUIRESOURCEHANDLER_H
#define DUIRESOURCEHANDLER_H

#include "duiglobal.h"

#include <QtCore/qobject.h>

class MXXmlDocument;
class QPixmap;

// One link of the resource loader's chain. Each operation returns true when the handler took the
// path and produced the result; false lets the next handler try.
class DUI_EXPORT DuiResourceHandler : public QObject
{
    Q_OBJECT
public:
    explicit DuiResourceHandler(QObject *parent = nullptr);
    ~DuiResourceHandler() override;

    virtual bool loadImage(const QString &path, QPixmap &pixmap) = 0;
    virtual bool loadXml(const QString &path, MXXmlDocument &document) = 0;
    virtual bool loadRawData(const QString &path, QByteArray &data) = 0;
};

#endif // DUIRESOURCEHANDLER_H
