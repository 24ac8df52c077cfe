// SPDX-License-Identifier: MIT
#include "fuzzharness.h"

#include <duitextedit.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdeadlinetimer.h>
#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qabstracttextdocumentlayout.h>
#include <QtGui/qimage.h>
#include <QtGui/qtextdocument.h>
#include <QtWidgets/qapplication.h>

#include <cstdio>
#include <cstdlib>

namespace duifuzz {

namespace {

QTemporaryDir *scratch()
{
    // Lives for the whole run; its destructor at exit removes the folder.
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/duifw-fuzz-XXXXXX"));
    return &folder;
}

} // namespace

namespace {

void startApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    // The pipe channel serves names in the runtime folder, which must be private.
    const QString runtime = scratch()->path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    static int argc = 1;
    static char name[] = "duifw-fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives for the whole run
}

} // namespace

__attribute__((weak)) void prepare()
{
}

QString scratchFolder()
{
    return scratch()->path();
}

InputFile::InputFile(const uint8_t *data, size_t size, const char *suffix)
{
    static quint64 serial = 0;
    m_path = QStringLiteral("%1/%2%3").arg(scratch()->path()).arg(++serial).arg(QLatin1String(suffix));
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail("cannot write the input file");
}

InputFile::~InputFile()
{
    QFile::remove(m_path);
}

bool pumpUntil(const std::function<bool()> &done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void renderAndCopy(DuiTextEdit *edit)
{
    edit->resize(160, 120);
    (void)edit->document()->documentLayout()->documentSize();
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    edit->realWidget()->render(&image);
    (void)edit->toHtml();
    edit->selectAll();
    edit->copy();
    settle();
}

void fail(const char *what)
{
    std::fprintf(stderr, "duifw fuzz invariant broken: %s\n", what);
    std::abort();
}

} // namespace duifuzz

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    duifuzz::startApplication();
    duifuzz::prepare();
    return 0;
}
