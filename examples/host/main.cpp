// SPDX-License-Identifier: MIT
// The smallest host: a window described in XML, with a slot connected by name. With --check it
// builds the window, clicks the button in code, prints what happened and exits; the tests run it
// that way against an installed duifw.
#include <duifw.h>

#include <cstdio>
#include <cstring>

static const char kWindow[] = R"(<xmlui>
  <DuiFrameWindow title="Host" fixSize="300,120">
    <DuiWidget layout="HBox" margins="12,40,12,12" spacing="8">
      <DuiLabelWidget objectName="status" text="Not clicked yet"/>
      <DuiPushButton objectName="okButton" text="OK" fixSize="70,24"/>
    </DuiWidget>
  </DuiFrameWindow>
</xmlui>)";

class Host : public QObject
{
    Q_OBJECT
public:
    int clicks = 0;

public Q_SLOTS:
    void on_okButton_clicked()
    {
        ++clicks;
        if (auto *status = m_window->findChild<DuiLabelWidget *>(QStringLiteral("status")))
            status->setText(QStringLiteral("Clicked %1 time(s)").arg(clicks));
    }

public:
    DuiFrameWindow *m_window = nullptr;
};

int main(int argc, char **argv)
{
    DuiApplication app(argc, argv);
    DuiTheme::setColorTheme(0);
    DuiFrameWindow *window = DuiXmlUI::createFromMemory(std::string(kWindow), nullptr);
    if (!window)
        return 1;
    Host host;
    host.m_window = window;
    DuiXmlUI::connectSignalSlotByName(window, &host, true);

    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        auto *button = window->findChild<DuiPushButton *>(QStringLiteral("okButton"));
        if (button)
            button->click();
        const QString status = window->findChild<DuiLabelWidget *>(QStringLiteral("status"))->text();
        std::printf("%s\n", qPrintable(status));
        delete window;
        return host.clicks == 1 ? 0 : 1;
    }
    window->show();
    return app.exec();
}

#include "main.moc"
