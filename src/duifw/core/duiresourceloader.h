// SPDX-License-Identifier: MIT
#ifndef DUIRESOURCELOADER_H
#define DUIRESOURCELOADER_H

#include "duiglobal.h"

#include <QtCore/qbytearray.h>
#include <QtCore/qscopedpointer.h>
#include <QtGui/qpixmap.h>

class DuiResourceHandler;
class DuiResourceLoaderPrivate;
class MXXmlDocument;

// Resolves resource paths through a chain of handlers: Qt resources (":/..."), paths below the
// application directory, absolute paths, then whatever the host installed. The first handler
// that takes a path and succeeds gives the result.
class DUI_EXPORT DuiResourceLoader
{
public:
    DuiResourceLoader();
    ~DuiResourceLoader();

    // Appends a handler; it is asked after all earlier ones. The loader does not own it, and a
    // destroyed handler is skipped.
    void installResourceHandler(DuiResourceHandler *handler);

    // With useHandlers, each handler's loadImage is asked; without, the raw bytes are decoded.
    QPixmap loadImage(const QString &path, bool useHandlers = true);
    QByteArray loadRawData(const QString &path);
    bool loadXml(const QString &path, MXXmlDocument &document);

private:
    QScopedPointer<DuiResourceLoaderPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiResourceLoader)
    Q_DISABLE_COPY(DuiResourceLoader)
};

// The process-wide loader, created on first use and destroyed at exit.
DUI_EXPORT DuiResourceLoader *getResourceLoader();

#endif // DUIRESOURCELOADER_H
