// SPDX-License-Identifier: MIT
// Time from DuiXmlUI::createFromFile to the first painted frame, for the gallery window and for
// a generated window of 1,000 controls, against building the same trees in C++ in the same run,
// and against Qt's own UI loader building the same 1,000 controls as QWidgets from a .ui file:
// the time of each phase (build, show and layout, first paint) and the resident memory of the
// shown window, each kind measured in a process of its own.

#include "benchutil.h"
#include "previewer.h"

#include <duicheckbox.h>
#include <duiframeitem.h>
#include <duiframewindow.h>
#include <duiimagewidget.h>
#include <duilabelwidget.h>
#include <duilineedit.h>
#include <duipushbutton.h>
#include <duilistwidget.h>
#include <duiscrollwidget.h>
#include <duispaceritem.h>
#include <duitheme.h>
#include <duixmlui.h>

#include <QtCore/qbuffer.h>
#include <QtCore/qelapsedtimer.h>
#include <QtCore/qfile.h>
#include <QtCore/qprocess.h>
#include <QtGui/qimage.h>
#include <QtUiTools/quiloader.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 50;
constexpr int kPerRow = 20; // 50 x 20 = 1,000 controls

class CodeWindow : public DuiFrameWindow
{
public:
    CodeWindow()
        : DuiFrameWindow(nullptr, MainWindow)
    {
    }
    using DuiFrameWindow::doConstruct;
};

// Shows the window, paints its first frame and closes it.
void firstFrame(QWidget *window)
{
    window->show();
    QCoreApplication::processEvents();
    const QImage frame = window->grab().toImage();
    if (frame.isNull())
        std::fprintf(stderr, "no frame painted\n");
    delete window;
}

// Milliseconds of the three phases from a description to the first painted frame.
struct Phases
{
    double build = 0;
    double show = 0;
    double paint = 0;
    double total() const { return build + show + paint; }
};

template <typename Build>
Phases timePhases(Build build, bool keep = false, QWidget **kept = nullptr)
{
    Phases phases;
    QElapsedTimer timer;
    timer.start();
    QWidget *window = build();
    phases.build = timer.nsecsElapsed() / 1e6;
    timer.restart();
    window->show();
    QCoreApplication::processEvents();
    phases.show = timer.nsecsElapsed() / 1e6;
    timer.restart();
    const QImage frame = window->grab().toImage();
    phases.paint = timer.nsecsElapsed() / 1e6;
    if (frame.isNull())
        std::fprintf(stderr, "no frame painted\n");
    if (keep)
        *kept = window;
    else
        delete window;
    return phases;
}

// The median runs (by total) of two kinds of window, built in turns for `rounds` rounds after
// one warm-up each, so that both meet the same machine state.
template <typename Build, typename BuildBaseline>
std::pair<Phases, Phases> medianPhases(int rounds, Build build, BuildBaseline buildBaseline)
{
    timePhases(build);
    timePhases(buildBaseline);
    std::vector<Phases> runs, baselineRuns;
    for (int i = 0; i < rounds; ++i) {
        runs.push_back(timePhases(build));
        baselineRuns.push_back(timePhases(buildBaseline));
    }
    const auto byTotal = [](const Phases &a, const Phases &b) { return a.total() < b.total(); };
    std::sort(runs.begin(), runs.end(), byTotal);
    std::sort(baselineRuns.begin(), baselineRuns.end(), byTotal);
    return {runs[runs.size() / 2], baselineRuns[baselineRuns.size() / 2]};
}

std::string generatedXml()
{
    std::string xml = "<xmlui><DuiFrameWindow frameStyle=\"MainWindow\" title=\"1,000 controls\" fixSize=\"1200,1000\">"
                      "<DuiWidget layout=\"VBox\" margins=\"8,34,8,8\" spacing=\"2\">";
    for (int r = 0; r < kRows; ++r) {
        xml += "<DuiWidget layout=\"HBox\" spacing=\"4\" fixHeight=\"18\">";
        for (int c = 0; c < kPerRow; ++c) {
            switch (c % 4) {
            case 0:
                xml += "<DuiLabelWidget text=\"Label\" fixWidth=\"50\"/>";
                break;
            case 1:
                xml += "<DuiPushButton text=\"Go\" fixSize=\"50,18\"/>";
                break;
            case 2:
                xml += "<DuiCheckBox text=\"Tick\" fixSize=\"60,18\"/>";
                break;
            default:
                xml += "<DuiLineEdit text=\"edit\" fixSize=\"60,18\"/>";
                break;
            }
        }
        xml += "</DuiWidget>";
    }
    xml += "</DuiWidget></DuiFrameWindow></xmlui>";
    return xml;
}

// The same 1,000 controls as a Qt Designer file of plain QWidgets, for QUiLoader.
QByteArray generatedUi()
{
    QByteArray ui = "<ui version=\"4.0\"><class>Form</class><widget class=\"QWidget\" name=\"Form\">"
                    "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>1200</width><height>1000</height></rect></property>"
                    "<property name=\"windowTitle\"><string>1,000 controls</string></property>"
                    "<layout class=\"QVBoxLayout\" name=\"column\"><property name=\"spacing\"><number>2</number></property>";
    auto fixed = [](int w, int h) {
        return QByteArray("<property name=\"minimumSize\"><size><width>") + QByteArray::number(w) + "</width><height>" + QByteArray::number(h)
            + "</height></size></property><property name=\"maximumSize\"><size><width>" + QByteArray::number(w) + "</width><height>"
            + QByteArray::number(h) + "</height></size></property>";
    };
    int n = 0;
    for (int r = 0; r < kRows; ++r) {
        ui += "<item><layout class=\"QHBoxLayout\" name=\"row" + QByteArray::number(r) + "\"><property name=\"spacing\"><number>4</number></property>";
        for (int c = 0; c < kPerRow; ++c) {
            const QByteArray name = "w" + QByteArray::number(n++);
            switch (c % 4) {
            case 0:
                ui += "<item><widget class=\"QLabel\" name=\"" + name + "\"><property name=\"text\"><string>Label</string></property>" + fixed(50, 18) + "</widget></item>";
                break;
            case 1:
                ui += "<item><widget class=\"QPushButton\" name=\"" + name + "\"><property name=\"text\"><string>Go</string></property>" + fixed(50, 18) + "</widget></item>";
                break;
            case 2:
                ui += "<item><widget class=\"QCheckBox\" name=\"" + name + "\"><property name=\"text\"><string>Tick</string></property>" + fixed(60, 18) + "</widget></item>";
                break;
            default:
                ui += "<item><widget class=\"QLineEdit\" name=\"" + name + "\"><property name=\"text\"><string>edit</string></property>" + fixed(60, 18) + "</widget></item>";
                break;
            }
        }
        ui += "</layout></item>";
    }
    ui += "</layout></widget><resources/><connections/></ui>";
    return ui;
}

QWidget *loadUi(const QByteArray &ui)
{
    QUiLoader loader;
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    QWidget *widget = loader.load(&buffer);
    if (!widget)
        std::fprintf(stderr, "QUiLoader: %s\n", qPrintable(loader.errorString()));
    return widget;
}

// Child mode: builds one kind of window, shows and paints it, and prints how much the resident
// size grew (kilobytes) from the started application to the shown window: the window with
// everything it made the process load (fonts, styles, skin images).
int measureMemory(const QByteArray &kind)
{
    const std::string xml = generatedXml();
    const QByteArray ui = generatedUi();
    QWidget *window = nullptr;
    const double before = bench::residentKb();
    timePhases([&]() -> QWidget * {
        if (kind == "duifw")
            return DuiXmlUI::createFromMemory(xml, static_cast<QWidget *>(nullptr));
        return loadUi(ui);
    }, true, &window);
    QCoreApplication::processEvents();
    const double after = bench::residentKb();
    std::printf("%.0f\n", after - before);
    delete window;
    return 0;
}

void reportPhases(const char *what, const Phases &ours, const char *baselineName, const Phases &theirs)
{
    bench::report(what, ours.total() * 1e6, baselineName, theirs.total() * 1e6);
    std::printf("  build %.1f, show and layout %.1f, first paint %.1f ms   against   build %.1f, show and layout %.1f, first paint %.1f ms\n",
                ours.build, ours.show, ours.paint, theirs.build, theirs.show, theirs.paint);
}

DuiFrameWindow *generatedInCode()
{
    auto *window = new CodeWindow;
    window->setTitle(QStringLiteral("1,000 controls"));
    window->setFixSize(QSize(1200, 1000));
    auto *column = new DuiWidget(window->rootWidget());
    column->setParent(window->rootWidget());
    window->rootWidget()->addItem(column);
    column->setLayout(DuiWidget::VBox);
    column->setMargins(QMargins(8, 34, 8, 8));
    column->setSpacing(2);
    for (int r = 0; r < kRows; ++r) {
        auto *row = new DuiWidget(column);
        row->setParent(column);
        column->addItem(row);
        row->setLayout(DuiWidget::HBox);
        row->setSpacing(4);
        row->setFixHeight(18);
        for (int c = 0; c < kPerRow; ++c) {
            DuiWidget *control = nullptr;
            switch (c % 4) {
            case 0: {
                auto *label = new DuiLabelWidget(row);
                row->addItem(label);
                label->setText(QStringLiteral("Label"));
                label->setFixWidth(50);
                control = label;
                break;
            }
            case 1: {
                auto *button = new DuiPushButton(row);
                row->addItem(button);
                button->setText(QStringLiteral("Go"));
                button->setFixSize(QSizeF(50, 18));
                control = button;
                break;
            }
            case 2: {
                auto *box = new DuiCheckBox(row);
                row->addItem(box);
                box->setText(QStringLiteral("Tick"));
                box->setFixSize(QSizeF(60, 18));
                control = box;
                break;
            }
            default: {
                auto *edit = new DuiLineEdit(row);
                row->addItem(edit);
                edit->setText(QStringLiteral("edit"));
                edit->setFixSize(QSizeF(60, 18));
                control = edit;
                break;
            }
            }
            control->setParent(row);
        }
    }
    window->doConstruct();
    return window;
}

// The gallery's main window in code: the same header, controls page and imagery column.
DuiFrameWindow *galleryInCode()
{
    auto *window = new CodeWindow;
    window->setTitle(QStringLiteral("duifw gallery"));
    window->setFixSize(QSize(1000, 560));
    window->setCloseOnEscape(true);
    DuiWidget *content = window->rootWidget();
    auto add = [](DuiWidget *parent, DuiWidget *child) {
        child->setParent(parent);
        parent->addItem(child);
        return child;
    };
    auto box = [&](DuiWidget *parent, DuiWidget::LayoutType type, const QMargins &margins, int spacing) {
        auto *w = add(parent, new DuiWidget(parent));
        w->setLayout(type);
        w->setMargins(margins);
        w->setSpacing(spacing);
        return w;
    };
    auto button = [&](DuiWidget *parent, const QString &text, const QSizeF &size) {
        auto *b = static_cast<DuiPushButton *>(add(parent, new DuiPushButton(parent)));
        b->setText(text);
        b->setFixSize(size);
        return b;
    };
    auto caption = [&](DuiWidget *parent, const QString &text) {
        auto *l = static_cast<DuiLabelWidget *>(add(parent, new DuiLabelWidget(parent)));
        l->setText(text);
        l->setBold(true);
        l->setFixHeight(18);
        return l;
    };
    DuiWidget *root = box(content, DuiWidget::VBox, QMargins(0, 34, 0, 0), 0);
    DuiWidget *header = box(root, DuiWidget::HBox, QMargins(16, 0, 16, 8), 10);
    header->setFixHeight(44);
    auto *icon = static_cast<DuiImageWidget *>(add(header, new DuiImageWidget(header)));
    icon->setImagePath(QStringLiteral(":/theme/duifw/hint_blue_exclamation.png"));
    icon->setFixSize(QSizeF(36, 36));
    auto *title = static_cast<DuiLabelWidget *>(add(header, new DuiLabelWidget(header)));
    title->setBold(true);
    title->setAdjustText(QStringLiteral("Controls, skins and dialogs"));
    add(header, new DuiSpacerItem(header));
    button(header, QStringLiteral("Next skin"), QSizeF(96, 28));
    button(header, QStringLiteral("Open dialog"), QSizeF(110, 28));

    DuiWidget *body = box(root, DuiWidget::HBox, QMargins(), 0);
    DuiWidget *page = box(box(body, DuiWidget::VBox, QMargins(), 0), DuiWidget::VBox, QMargins(16, 12, 16, 12), 10);
    caption(page, QStringLiteral("Push buttons"));
    DuiWidget *buttons = box(page, DuiWidget::HBox, QMargins(), 8);
    buttons->setFixHeight(26);
    for (const char *text : {"Normal", "Hover", "Pressed", "Checked", "Disabled"})
        button(buttons, QLatin1String(text), QSizeF(84, 26));
    add(buttons, new DuiSpacerItem(buttons));
    caption(page, QStringLiteral("Check boxes and radio buttons"));
    for (int rowIndex = 0; rowIndex < 2; ++rowIndex) {
        DuiWidget *row = box(page, DuiWidget::HBox, QMargins(), 12);
        row->setFixHeight(20);
        for (int i = 0; i < 4; ++i) {
            auto *c = static_cast<DuiCheckBox *>(add(row, new DuiCheckBox(row)));
            c->setText(QStringLiteral("Option"));
            c->setFixSize(QSizeF(100, 20));
        }
        add(row, new DuiSpacerItem(row));
    }
    caption(page, QStringLiteral("Text input"));
    DuiWidget *edits = box(page, DuiWidget::HBox, QMargins(), 8);
    edits->setFixHeight(24);
    for (int width : {200, 120, 160}) {
        auto *e = static_cast<DuiLineEdit *>(add(edits, new DuiLineEdit(edits)));
        e->setFixWidth(width);
    }
    add(edits, new DuiSpacerItem(edits));
    caption(page, QStringLiteral("Labels"));
    DuiWidget *labels = box(page, DuiWidget::HBox, QMargins(), 16);
    labels->setFixHeight(22);
    for (int i = 0; i < 4; ++i) {
        auto *l = static_cast<DuiLabelWidget *>(add(labels, new DuiLabelWidget(labels)));
        l->setText(QStringLiteral("A label"));
        l->setFixWidth(120);
    }
    add(page, new DuiSpacerItem(page));

    // The lists column: two lists (empty, as the file alone builds them) and a scroll widget.
    DuiWidget *lists = box(box(body, DuiWidget::VBox, QMargins(), 0), DuiWidget::VBox, QMargins(8, 12, 16, 12), 8);
    lists->setFixWidth(280);
    for (int height : {110, 130}) {
        caption(lists, QStringLiteral("A list"));
        add(lists, new DuiListWidget(lists))->setFixHeight(height);
    }
    caption(lists, QStringLiteral("Scrolling controls"));
    auto *scroll = static_cast<DuiScrollWidget *>(add(lists, new DuiScrollWidget(lists)));
    scroll->setContentLayoutType(DuiWidget::VBox);
    scroll->setContentSpacing(6);
    scroll->setContentMargins(QMargins(6, 6, 6, 6));
    scroll->setFixHeight(120);
    // Children of a scroll widget go into its content, as XML puts them there.
    DuiWidget *scrolled = scroll->findChild<DuiWidget *>(QStringLiteral("ScrollWidgetContent"));
    for (int i = 0; scrolled && i < 4; ++i) {
        auto *c = static_cast<DuiCheckBox *>(add(scrolled, new DuiCheckBox(scrolled)));
        c->setText(QStringLiteral("An option"));
        c->setFixHeight(20);
        add(scrolled, new DuiLineEdit(scrolled))->setFixHeight(24);
    }
    add(lists, new DuiSpacerItem(lists));

    DuiWidget *imagery = box(body, DuiWidget::VBox, QMargins(8, 12, 16, 12), 8);
    imagery->setFixWidth(170);
    caption(imagery, QStringLiteral("Skin imagery"));
    auto *nine = static_cast<DuiFrameItem *>(add(imagery, new DuiFrameItem(imagery)));
    nine->setImage(QStringLiteral(":/theme/duifw/button_normal.png"));
    nine->setFrameType(QStringLiteral("NinePieces"));
    nine->setFixSize(QSizeF(150, 40));
    auto *picture = static_cast<DuiImageWidget *>(add(imagery, new DuiImageWidget(imagery)));
    picture->setScalePolicy(DuiImageWidget::ScaleToWidget);
    picture->setImagePath(QStringLiteral(":/theme/common/window_decorate_5.jpg"));
    picture->setFixSize(QSizeF(150, 76));
    add(imagery, new DuiSpacerItem(imagery));
    window->doConstruct();
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DuiTheme::setColorTheme(0);
    QCoreApplication::processEvents();
    if (argc == 3 && qstrcmp(argv[1], "--memory") == 0)
        return measureMemory(argv[2]);

    const QString galleryFile = QStringLiteral(DUI_GALLERY_XML);
    // The previewer finds the gallery's pages (xmlPath="controls.xml") next to its file.
    PreviewOptions options;
    options.file = galleryFile;
    const Previewer previewer(options);
    const auto [galleryXml, galleryCode] = bench::medianPairNs(
        7, [&] { firstFrame(Previewer::build(galleryFile, nullptr)); }, [&] { firstFrame(galleryInCode()); });
    bench::report("gallery: XML file to first frame", galleryXml, "the same window in C++", galleryCode);

    const std::string xml = generatedXml();
    const auto [manyXml, manyCode] = bench::medianPairNs(
        5, [&] { firstFrame(DuiXmlUI::createFromMemory(xml, static_cast<QWidget *>(nullptr))); },
        [&] { firstFrame(generatedInCode()); });
    bench::report("1,000 controls: XML to first frame", manyXml, "the same window in C++", manyCode);

    const QByteArray ui = generatedUi();
    const auto [oursPhases, uiPhases] = medianPhases(
        7, [&] { return DuiXmlUI::createFromMemory(xml, static_cast<QWidget *>(nullptr)); }, [&] { return loadUi(ui); });
    reportPhases("1,000 controls: XML to first frame", oursPhases, "QUiLoader, the same .ui", uiPhases);

    const double oursKb = bench::memoryOf(argv[0], "duifw");
    const double uiKb = bench::memoryOf(argv[0], "uiloader");
    std::printf("%-48s %9.1f MB   %-32s %9.1f MB   ratio %.2f\n", "1,000 controls shown: resident memory", oursKb / 1024,
                "QUiLoader, the same .ui", uiKb / 1024, uiKb > 0 ? oursKb / uiKb : 0.0);
    return 0;
}
