// SPDX-License-Identifier: MIT
// The gallery host: shows gallery.xml like duiview does, and answers its buttons. A host gets
// its slots connected by naming them on_<objectName>_<signal>.
#include "previewer.h"

#include <duianimationwidget.h>
#include <duidialog.h>
#include <duiframewindow.h>
#include <duihtmllabelwidget.h>
#include <duilabelwidget.h>
#include <duitheme.h>
#include <duixmlui.h>

#include <cstdio>

class GalleryHost : public QObject
{
    Q_OBJECT
public:
    explicit GalleryHost(Previewer *previewer)
        : m_previewer(previewer)
    {
    }

public Q_SLOTS:
    void on_openDialogButton_clicked()
    {
        DuiFrameWindow *window = m_previewer->window();
        auto *dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), window));
        if (!dialog)
            return;
        if (auto *title = dialog->findChild<DuiLabelWidget *>(QStringLiteral("titleText")))
            title->setText(QStringLiteral("Gallery"));
        if (auto *text = dialog->findChild<DuiHtmlLabelWidget *>(QStringLiteral("content_text")))
            text->setText(QStringLiteral("This prompt is the framework's own <b>commonDlg.xml</b>."));
        dialog->showModal();
        std::printf("gallery: the dialog closed with result %d\n", dialog->result());
    }

    void on_nextThemeButton_clicked()
    {
        const int next = (qMax(DuiTheme::getColorTheme(), 0) + 1) % 9;
        DuiTheme::setColorTheme(next);
    }

private:
    Previewer *m_previewer;
};

int main(int argc, char **argv)
{
    // The gallery file sits next to the sources, unless another file is named.
    GalleryHost *host = nullptr;
    const int code = runPreviewer(argc, argv, QStringLiteral("duigallery"), QStringLiteral(DUI_GALLERY_XML),
                                  [&host](Previewer &previewer) {
                                      host = new GalleryHost(&previewer);
                                      previewer.addSlotReceiver(host);
                                      // Animations play from start(); the gallery starts every one.
                                      QObject::connect(&previewer, &Previewer::windowBuilt, [](DuiFrameWindow *window) {
                                          for (DuiAnimationWidget *animation : window->findChildren<DuiAnimationWidget *>())
                                              animation->start();
                                      });
                                  });
    delete host;
    return code;
}

#include "main.moc"
