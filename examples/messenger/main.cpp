// SPDX-License-Identifier: MIT
// messenger [--open ID] [--theme ROW] [--trace]
// messenger --screenshots DIR
//
// A small messenger whose windows all come from the XML files of layout/. Only one runs per user:
// a second launch hands its command line to the running one (which opens the conversation named
// by --open) and exits. --screenshots renders the main window, a conversation and the settings
// window in two colour rows to PNG files and exits.
#include "contacts.h"
#include "conversation.h"
#include "messengerhost.h"
#include "settingsdialog.h"
#include "singleinstance.h"
#include "trace.h"

#include <duiapplication.h>
#include <duiframewindow.h>
#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitheme.h>

#include <QtCore/qdir.h>
#include <QtCore/qeventloop.h>
#include <QtCore/qtimer.h>

#include <cstdio>

namespace {

constexpr int kDefaultRow = 0;

QString optionValue(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

Message text(const QString &words)
{
    return {MessagePart{words, QString(), QImage()}};
}

Message withEmoticon(const QString &words, const QString &emoticon)
{
    return {MessagePart{words, QString(), QImage()}, MessagePart{QString(), Conversation::emoticonPath(emoticon), QImage()}};
}

bool saveGrab(QWidget *window, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "messenger: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("messenger: wrote %s\n", qPrintable(path));
    return true;
}

// The three windows as a new user first meets them, in two colour rows.
int screenshots(const QString &folder)
{
    const QDir dir(folder);
    if (!QDir().mkpath(dir.path()))
        return 1;
    bool ok = true;
    for (int row : {0, 4}) {
        DuiTheme::setColorTheme(row);
        MessengerHost host;
        if (!host.isValid())
            return 1;
        host.showMainWindow();
        Conversation *chat = host.openConversation(QStringLiteral("alice"));
        SettingsDialog *settings = host.openSettings();
        if (!chat || !settings)
            return 1;
        chat->appendMessage(text(QStringLiteral("Hi Alice! Are you back from Lisbon?")), true);
        chat->appendMessage(withEmoticon(QStringLiteral("Yes, since Sunday. The photos are up at https://example.org/lisbon "),
                                         QStringLiteral("sun")), false);
        chat->appendMessage(withEmoticon(QStringLiteral("Lovely, I'll have a look tonight "), QStringLiteral("heart")), true);
        if (auto *input = chat->window()->findChild<DuiTextEdit *>(QStringLiteral("inputEdit")))
            input->textCursor().insertText(QStringLiteral("See you at the choir on Friday? "));
        chat->insertEmoticon(QStringLiteral("smile"));
        settings->showPage(QStringLiteral("notificationsPage"));
        // Recolouring, layouts and the page's slide finish on the event loop.
        settle(900);
        const QString suffix = QStringLiteral("-row%1.png").arg(row);
        ok &= saveGrab(host.mainWindow(), dir, QStringLiteral("messenger-main") + suffix);
        ok &= saveGrab(chat->window(), dir, QStringLiteral("messenger-conversation") + suffix);
        ok &= saveGrab(settings->window(), dir, QStringLiteral("messenger-settings") + suffix);
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    DuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::printf("usage: messenger [--open ID] [--theme ROW] [--trace]\n"
                    "       messenger --screenshots DIR\n");
        return 0;
    }
    trace::setEnabled(arguments.contains(QStringLiteral("--trace")));
    const QString shotFolder = optionValue(arguments, QStringLiteral("--screenshots"));
    if (!shotFolder.isEmpty())
        return screenshots(shotFolder);

    SingleInstance instance(QStringLiteral("duifw-messenger"));
    bool handedOver = false;
    if (!instance.claim(arguments, &handedOver) && handedOver) {
        std::printf("messenger: handed over to the running messenger\n");
        return 0;
    }

    bool rowOk = false;
    const int row = optionValue(arguments, QStringLiteral("--theme")).toInt(&rowOk);
    DuiTheme::setColorTheme(rowOk && row >= 0 && row <= 8 ? row : kDefaultRow);
    MessengerHost host;
    if (!host.isValid()) {
        std::fprintf(stderr, "messenger: cannot build layout/main.xml (try duiview --lint)\n");
        return 1;
    }
    QObject::connect(&instance, &SingleInstance::commandLineReceived, &host, &MessengerHost::handleCommandLine);
    host.showMainWindow();
    const QString open = optionValue(arguments, QStringLiteral("--open"));
    if (!open.isEmpty())
        host.openConversation(open);
    trace::say(QStringLiteral("ready"));
    return app.exec();
}
