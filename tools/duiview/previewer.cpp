// SPDX-License-Identifier: MIT
#include "previewer.h"

#include "inspector.h"

#include "anchorlint.h"
#include "scaleoption.h"
#include "stringextractor.h"

#include <duiapplication.h>
#include <duiframewindow.h>
#include <duimenu.h>
#include <duiresourcehandler.h>
#include <duiresourceloader.h>
#include <duitheme.h>
#include <duityperegister.h>
#include <duixmlschema.h>
#include <duixmlui.h>
#include <mxxmldocument.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qmap.h>
#include <QtCore/qmetaobject.h>
#include <QtCore/qdir.h>
#include <QtCore/qeventloop.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qloggingcategory.h>
#include <QtCore/qtimer.h>
#include <QtGui/qcursor.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Relative paths in a previewed file (xmlPath, images) are looked up next to the file as well,
// after the application directory.
class FileDirHandler : public DuiResourceHandler
{
public:
    explicit FileDirHandler(const QString &dir)
        : m_dir(dir)
    {
    }
    bool loadImage(const QString &path, QPixmap &pixmap) override
    {
        return takes(path) && pixmap.load(m_dir.filePath(path));
    }
    bool loadXml(const QString &path, MXXmlDocument &document) override
    {
        return takes(path) && document.loadFromFile(m_dir.filePath(path).toStdWString());
    }
    bool loadRawData(const QString &path, QByteArray &data) override
    {
        if (!takes(path))
            return false;
        QFile file(m_dir.filePath(path));
        if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        data = file.readAll();
        return true;
    }

private:
    bool takes(const QString &path) const { return !path.isEmpty() && QDir::isRelativePath(path) && !path.startsWith(QLatin1Char(':')); }
    QDir m_dir;
};

// The frame window that a fill-form file is shown in; the host finishes it by hand.
class PlainWindow : public DuiFrameWindow
{
public:
    PlainWindow()
        : DuiFrameWindow(nullptr, MainWindow)
    {
        resize(640, 480);
        setTitle(QStringLiteral("duiview"));
    }
    using DuiFrameWindow::doConstruct;
};

bool isFrameClass(const QString &tag)
{
    for (auto *node = getframeCreateFuncPointerDataHeader()->next; node; node = node->next) {
        if (tag == QLatin1String(node->name))
            return true;
    }
    return false;
}

void print(const QString &text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
    std::fflush(stdout);
}

void printError(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

bool noDisplayAvailable()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString previewUsage(const QString &program)
{
    return QStringLiteral("usage: %1 [--theme N] [--screenshot OUT.png] [--size WxH] [--scale F] [--lint] [--watch] FILE.xml\n"
                          "  shows the window an XML UI file describes, or the menu a menu file describes\n"
                          "  --theme N           pick colour row N (0..9; default 0)\n"
                          "  --screenshot OUT    render the window offscreen to a PNG and exit\n"
                          "  --size WxH          window size for --screenshot\n"
                          "  --scale F           device pixels per logical pixel (1 to 4), as on a dense screen\n"
                          "  --extract-strings TS  write the file's translatable texts to a .ts file, exit\n"
                          "  --lint              build the file, print what the builder skipped, exit\n"
                          "                      (exit status 1 when the file cannot be built)\n"
                          "  --watch             rebuild the window whenever the file changes\n"
                          "  --inspect           show the widget tree and properties in a second window\n"
                          "                      (Ctrl+click a control to select it)\n"
                          "  --schema            print the XML Schema of UI and menu files, exit\n"
                          "  --classes           print every class an XML file can name, with its properties")
        .arg(program);
}

bool parsePreviewOptions(const QStringList &arguments, PreviewOptions &options, QString &error, const QString &defaultFile)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        auto value = [&](QString &out) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            out = arguments.at(++i);
            return true;
        };
        QString text;
        if (arg == QLatin1String("--theme")) {
            if (!value(text))
                return false;
            bool ok = false;
            options.theme = text.toInt(&ok);
            if (!ok || options.theme < 0 || options.theme > 9) {
                error = QStringLiteral("--theme takes a colour row from 0 to 9, not \"%1\"").arg(text);
                return false;
            }
        } else if (arg == QLatin1String("--screenshot")) {
            if (!value(options.screenshot))
                return false;
        } else if (arg == QLatin1String("--size")) {
            if (!value(text))
                return false;
            const QStringList parts = text.split(QLatin1Char('x'));
            const int w = parts.size() == 2 ? parts[0].toInt() : 0;
            const int h = parts.size() == 2 ? parts[1].toInt() : 0;
            if (w < 1 || h < 1 || w > 8192 || h > 8192) {
                error = QStringLiteral("--size takes WIDTHxHEIGHT (1 to 8192), not \"%1\"").arg(text);
                return false;
            }
            options.size = QSize(w, h);
        } else if (arg == QLatin1String("--scale")) {
            // Applied by ScaleEnvironment before the application starts; here it is only checked.
            QString scale;
            if (!value(scale))
                return false;
            if (!validScale(scale)) {
                error = QStringLiteral("--scale takes a factor from 1 to 4, not \"%1\"").arg(scale);
                return false;
            }
        } else if (arg == QLatin1String("--extract-strings")) {
            if (!value(options.extractStrings))
                return false;
        } else if (arg == QLatin1String("--lint")) {
            options.lint = true;
        } else if (arg == QLatin1String("--classes")) {
            options.classes = true;
        } else if (arg == QLatin1String("--schema")) {
            options.schema = true;
        } else if (arg == QLatin1String("--inspect")) {
            options.inspect = true;
        } else if (arg == QLatin1String("--watch")) {
            options.watch = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else if (options.file.isEmpty()) {
            options.file = arg;
        } else {
            error = QStringLiteral("only one file, please (got %1 and %2)").arg(options.file, arg);
            return false;
        }
    }
    if (options.file.isEmpty())
        options.file = defaultFile;
    if (options.file.isEmpty() && !options.classes && !options.schema) {
        error = QStringLiteral("no XML UI file given");
        return false;
    }
    return true;
}

Previewer::Previewer(const PreviewOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
    const QFileInfo info(options.file);
    if (info.exists()) {
        m_fileDirHandler = new FileDirHandler(info.absolutePath());
        getResourceLoader()->installResourceHandler(m_fileDirHandler);
    }
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &Previewer::fileChanged);
}

Previewer::~Previewer()
{
    delete m_inspector;
    delete m_window;
    delete m_fileDirHandler;
}

void Previewer::addSlotReceiver(QObject *receiver)
{
    m_receivers.append(receiver);
    if (m_window)
        DuiXmlUI::connectSignalSlotByName(m_window, receiver, true);
}

void Previewer::connectReceivers(DuiFrameWindow *window)
{
    for (const QPointer<QObject> &receiver : std::as_const(m_receivers)) {
        if (receiver)
            DuiXmlUI::connectSignalSlotByName(window, receiver, true);
    }
}

DuiFrameWindow *Previewer::build(const QString &file, QList<DuiXmlDiagnostics::Record> *records)
{
    DuiXmlDiagnostics diagnostics;
    DuiFrameWindow *window = nullptr;

    // Peek at the document to tell the window form from the fill form.
    MXXmlDocument document;
    const QString absolute = QFileInfo(file).absoluteFilePath();
    const QString path = QFileInfo::exists(file) ? absolute : file;
    bool windowForm = true;
    if (getResourceLoader()->loadXml(path, document)) {
        const MXXmlElement *root = document.elementByPath(L"xmlui");
        const MXXmlElement *first = root ? root->child(0) : nullptr;
        windowForm = first && isFrameClass(QString::fromStdWString(first->tag()));
    }
    if (windowForm) {
        window = DuiXmlUI::createFromFile(path, static_cast<QWidget *>(nullptr));
    } else {
        auto *plain = new PlainWindow;
        if (DuiXmlUI::createFromFile(path, plain->rootWidget())) {
            plain->doConstruct();
            window = plain;
        } else {
            delete plain;
        }
    }
    if (records)
        *records = diagnostics.records();
    return window;
}

namespace {

// The path the loader is given for a file named on the command line.
QString loaderPath(const QString &file)
{
    return QFileInfo::exists(file) ? QFileInfo(file).absoluteFilePath() : file;
}

} // namespace

bool Previewer::isMenuFile(const QString &file)
{
    MXXmlDocument document;
    if (!getResourceLoader()->loadXml(loaderPath(file), document))
        return false;
    const MXXmlElement *root = document.elementByPath(L"xmlui");
    const MXXmlElement *first = root ? root->child(0) : nullptr;
    return first && std::strcmp(first->tagUtf8(), "ActionGroup") == 0;
}

DuiMenu *Previewer::buildMenu(const QString &file, QList<DuiXmlDiagnostics::Record> *records)
{
    DuiXmlDiagnostics diagnostics;
    auto *menu = new DuiMenu;
    if (!menu->createFromFile(loaderPath(file))) {
        delete menu;
        menu = nullptr;
    }
    if (records)
        *records = diagnostics.records();
    return menu;
}

QImage Previewer::renderMenu(DuiMenu *menu)
{
    menu->popup(QPoint(0, 0));
    // The first item that can be chosen shows as under the pointer, so the picture has the
    // row's selection colour too.
    for (QAction *action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
            menu->setActiveAction(action);
            break;
        }
    }
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const QImage image = menu->grab().toImage();
    menu->hide();
    return image;
}

namespace {

QString propertyRows(const QMetaObject *meta)
{
    QStringList rows;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        QString values;
        if (property.isEnumType()) {
            const QMetaEnum e = property.enumerator();
            QStringList keys;
            for (int k = 0; k < e.keyCount(); ++k)
                keys << QLatin1String(e.key(k));
            values = (e.isFlag() ? QStringLiteral("flags joined by \\|: ") : QStringLiteral("one of: ")) + keys.join(QStringLiteral(", "));
        }
        rows << QStringLiteral("| `%1` | %2 | %3 |").arg(QLatin1String(property.name()), QLatin1String(property.typeName()), values);
    }
    return rows.join(QLatin1Char('\n'));
}

QString classSection(const QString &name, const QMetaObject *meta)
{
    // A class without a meta-object of its own (DuiSpacerItem) reports its base's name.
    QString text = QStringLiteral("## %1\n\n").arg(name);
    if (const QMetaObject *base = meta->superClass())
        text += QStringLiteral("Also takes every attribute of `%1`.\n\n")
                    .arg(QLatin1String(QLatin1String(meta->className()) == name ? base->className() : meta->className()));
    const QString rows = QLatin1String(meta->className()) == name ? propertyRows(meta) : QString();
    if (rows.isEmpty())
        return text + QStringLiteral("No attributes of its own.\n");
    return text + QStringLiteral("| attribute | type | values |\n|---|---|---|\n%1\n").arg(rows);
}

} // namespace

QString Previewer::classReference()
{
    QMap<QString, QString> byName;
    for (auto *node = getframeCreateFuncPointerDataHeader()->next; node; node = node->next) {
        std::unique_ptr<DuiFrameWindow> window(node->creator(nullptr));
        if (window)
            byName.insert(QLatin1String(node->name), classSection(QLatin1String(node->name), window->metaObject()));
    }
    for (auto *node = getwidgetCreateFuncPointerDataHeader()->next; node; node = node->next) {
        std::unique_ptr<DuiWidget> widget(node->creator(nullptr));
        if (widget)
            byName.insert(QLatin1String(node->name),
                          classSection(QLatin1String(node->name), widget->metaObject()));
    }
    QString text = QStringLiteral("# Classes of the XML UI format\n\n"
                                  "Every element an XML UI file can name, with the attributes (properties) it adds to its "
                                  "base class. `DuiWidget`'s attributes apply to every widget; `QGraphicsWidget`'s "
                                  "and `QObject`'s (such as `objectName`) apply too. The text forms of the value types "
                                  "are in [the XML UI format](xml-ui-format.md). Written by `duiview --classes`.\n\n");
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        text += it.value() + QLatin1Char('\n');
    return text.trimmed();
}

QImage Previewer::render(DuiFrameWindow *window)
{
    // Let layouts, polish and the colorize pass settle before grabbing.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return window->grab().toImage();
}

void Previewer::printRecords(const QList<DuiXmlDiagnostics::Record> &records) const
{
    for (const DuiXmlDiagnostics::Record &record : records)
        printError(record.toString());
}

int Previewer::start()
{
    if (m_options.classes) {
        print(classReference());
        return 0;
    }
    if (m_options.schema) {
        print(DuiXmlSchema::text());
        return 0;
    }
    if (!QFileInfo::exists(m_options.file) && !m_options.file.startsWith(QLatin1Char(':'))) {
        printError(QStringLiteral("%1: %2: no such file").arg(m_options.program, m_options.file));
        return 2;
    }
    DuiTheme::setColorTheme(m_options.theme);
    if (!m_options.extractStrings.isEmpty())
        return extractStrings(m_options.program, m_options.file, m_options.extractStrings);

    // duiview prints every record itself, with its file and line; their copies on dui.xml would
    // say each twice.
    QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false"));
    if (isMenuFile(m_options.file))
        return startMenu();
    QList<DuiXmlDiagnostics::Record> records;
    m_window = build(m_options.file, &records);
    if (m_options.lint && m_window)
        records += infeasibleAnchorRecords(m_window->scene(), m_options.file);
    printRecords(records);

    if (m_options.lint)
        return finishLint(records, m_window);
    if (!m_window) {
        printError(QStringLiteral("%1: %2 describes no window that can be built").arg(m_options.program, m_options.file));
        return 1;
    }
    connectReceivers(m_window);
    if (m_options.inspect) {
        m_inspector = new Inspector;
        connect(this, &Previewer::windowBuilt, m_inspector, &Inspector::setTarget);
    }
    emit windowBuilt(m_window);

    if (!m_options.screenshot.isEmpty()) {
        if (m_options.size.isValid())
            m_window->resize(m_options.size);
        m_window->show();
        // The window as a person sees it: pending layouts and short transitions (a fish-eye
        // list growing its selected row for 100 ms) have run.
        QEventLoop settle;
        QTimer::singleShot(250, &settle, &QEventLoop::quit);
        settle.exec();
        if (m_inspector) {
            m_inspector->show();
            m_inspector->refresh();
            return saveScreenshot(Inspector::renderBeside(render(m_window), m_inspector), m_options.file);
        }
        return saveScreenshot(render(m_window), m_options.file);
    }

    if (m_options.watch)
        m_watcher.addPath(QFileInfo(m_options.file).absoluteFilePath());
    m_window->show();
    if (m_inspector) {
        m_inspector->move(m_window->frameGeometry().topRight() + QPoint(16, 0));
        m_inspector->show();
    }
    // The window deletes itself when closed; the previewer ends with it unless it is rebuilding.
    connect(m_window, &QObject::destroyed, this, [this] {
        if (!m_window)
            QCoreApplication::quit();
    });
    return -1;
}

int Previewer::finishLint(const QList<DuiXmlDiagnostics::Record> &records, bool built) const
{
    int errors = 0;
    for (const DuiXmlDiagnostics::Record &record : records)
        errors += record.severity == DuiXmlDiagnostics::Error;
    print(QStringLiteral("%1: %2 finding(s), %3 error(s)").arg(m_options.file).arg(records.size()).arg(errors));
    return (errors || !built) ? 1 : 0;
}

int Previewer::saveScreenshot(const QImage &image, const QString &what) const
{
    if (image.isNull() || !image.save(m_options.screenshot)) {
        printError(QStringLiteral("%1: cannot write %2").arg(m_options.program, m_options.screenshot));
        return 1;
    }
    print(QStringLiteral("%1: rendered %2 (%3x%4) to %5")
              .arg(m_options.program, what)
              .arg(image.width())
              .arg(image.height())
              .arg(QFileInfo(m_options.screenshot).absoluteFilePath()));
    return 0;
}

// A menu file is linted, rendered or shown as the menu it describes.
int Previewer::startMenu()
{
    QList<DuiXmlDiagnostics::Record> records;
    std::unique_ptr<DuiMenu> menu(buildMenu(m_options.file, &records));
    printRecords(records);
    if (m_options.lint)
        return finishLint(records, bool(menu));
    if (!menu) {
        printError(QStringLiteral("%1: %2 describes no menu that can be built").arg(m_options.program, m_options.file));
        return 1;
    }
    if (!m_options.screenshot.isEmpty())
        return saveScreenshot(renderMenu(menu.get()), QStringLiteral("the menu of ") + m_options.file);
    menu->exec();
    return 0;
}

void Previewer::fileChanged()
{
    const QString file = QFileInfo(m_options.file).absoluteFilePath();
    // Editors often replace the file; watch the new one.
    QTimer::singleShot(100, this, [this, file] {
        if (!m_watcher.files().contains(file) && QFileInfo::exists(file))
            m_watcher.addPath(file);
        QList<DuiXmlDiagnostics::Record> records;
        DuiFrameWindow *fresh = build(file, &records);
        printRecords(records);
        if (!fresh) {
            printError(QStringLiteral("%1: %2 is broken; keeping the last good window").arg(m_options.program, m_options.file));
            return;
        }
        connectReceivers(fresh);
        emit windowBuilt(fresh);
        QPointer<DuiFrameWindow> old = m_window;
        m_window = fresh;
        if (old) {
            fresh->setGeometry(old->geometry());
            old->disconnect(this);
            old->close();
        }
        fresh->show();
        connect(fresh, &QObject::destroyed, this, [this] {
            // isNull(), not a conversion: destroyed() comes from ~QWidget, when the window is no
            // longer a DuiFrameWindow and may not be cast to one.
            if (m_window.isNull())
                QCoreApplication::quit();
        });
        print(QStringLiteral("%1: rebuilt %2").arg(m_options.program, m_options.file));
    });
}

int runPreviewer(int &argc, char **argv, const QString &program, const QString &defaultFile,
                 const std::function<void(Previewer &)> &prepare)
{
    const bool headless = noDisplayAvailable();
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale must be in place before the application starts; parsing proper comes after.
    const ScaleEnvironment scale(argc, argv);
    DuiApplication app(argc, argv);

    PreviewOptions options;
    options.program = program;
    QString error;
    if (!parsePreviewOptions(app.arguments(), options, error, defaultFile)) {
        printError(QStringLiteral("%1: %2\n%3").arg(program, error, previewUsage(program)));
        return 2;
    }
    // Printing runs (--lint, --classes, --schema) show no window; their output stays clean.
    if (headless && options.screenshot.isEmpty() && !options.lint && !options.classes && !options.schema) {
        options.screenshot = QFileInfo(options.file).completeBaseName() + QStringLiteral(".png");
        print(QStringLiteral("%1: no display; rendering to a PNG instead").arg(program));
    }
    Previewer previewer(options);
    if (prepare)
        prepare(previewer);
    const int code = previewer.start();
    return code >= 0 ? code : app.exec();
}
