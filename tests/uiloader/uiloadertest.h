// SPDX-License-Identifier: MIT
// Helpers shared by the XML builder tests.
#ifndef UILOADERTEST_H
#define UILOADERTEST_H

#include <QtCore/qfile.h>
#include <QtCore/qtemporarydir.h>

namespace uiloadertest {

// Writes `content` to `name` in `dir` and returns its path; empty when the file cannot be written.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content);
    return file.fileName();
}

} // namespace uiloadertest

#endif // UILOADERTEST_H
