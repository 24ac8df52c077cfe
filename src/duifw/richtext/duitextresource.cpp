// SPDX-License-Identifier: MIT
#include "duitextresource_p.h"

#include "duilogging_p.h"
#include "duiresourceloader.h"

#include <QtCore/qbuffer.h>
#include <QtCore/qregularexpression.h>
#include <QtGui/qimagereader.h>
#include <QtGui/qtextdocument.h>

namespace {

// data:[<media type>][;base64],<data>
QByteArray decodeDataUrl(const QUrl &url)
{
    const QByteArray encoded = url.toEncoded(QUrl::RemoveScheme);
    if (encoded.size() > kMaxDataUrlBytes * 4 / 3 + 1024) {
        qCWarning(lcDuiControls) << "data URL of" << encoded.size() << "bytes refused";
        return QByteArray();
    }
    const int comma = int(encoded.indexOf(','));
    if (comma < 0)
        return QByteArray();
    const QByteArray header = encoded.left(comma);
    const QByteArray payload = QByteArray::fromPercentEncoding(encoded.mid(comma + 1));
    if (header.endsWith(";base64"))
        return QByteArray::fromBase64(payload);
    return payload;
}

// The file or compiled-in resource a name stands for; empty for names of other schemes
// (http:, ftp: ...), which the editor never fetches.
QString resourcePath(const QString &name)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch match = scheme.match(name);
    if (!match.hasMatch())
        return name;
    const QString s = match.captured(1).toLower();
    if (s == QLatin1String("qrc"))
        return QLatin1Char(':') + QUrl(name).path();
    if (s == QLatin1String("file"))
        return QUrl(name).toLocalFile();
    return QString();
}

} // namespace

QByteArray duiTextResourceBytes(const QString &name)
{
    if (name.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return decodeDataUrl(QUrl(name));
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return QByteArray();
    return getResourceLoader()->loadRawData(path);
}

bool duiTextImageSizeAllowed(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxTextImagePixels) {
        qCWarning(lcDuiControls) << "image of" << size << "pixels refused";
        return false;
    }
    return true;
}

QImage duiDecodeTextImage(const QByteArray &bytes)
{
    if (bytes.isEmpty() || !duiTextImageSizeAllowed(bytes))
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

QImage duiLoadTextImage(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    return duiDecodeTextImage(duiTextResourceBytes(path));
}

QVariant duiTextDocumentResource(int type, const QUrl &name)
{
    // A scheme-less name keeps "#" and "?" as part of the file name.
    const QByteArray bytes = duiTextResourceBytes(name.toString());
    if (type == QTextDocument::ImageResource) {
        const QImage image = duiDecodeTextImage(bytes);
        if (!image.isNull())
            return image;
        // Qt's image drawing opens the named file itself when the answer is no image, even
        // after an empty answer: a refused image is answered with a blank pixel instead.
        static const QImage blank = [] {
            QImage pixel(1, 1, QImage::Format_ARGB32);
            pixel.fill(Qt::transparent);
            return pixel;
        }();
        return blank;
    }
    return bytes.isEmpty() ? QByteArray("") : bytes;
}
