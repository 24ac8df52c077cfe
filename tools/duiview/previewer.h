// SPDX-License-Identifier: MIT
// The core of duiview, shared with the gallery host: builds the window an XML UI file describes
// (a window-form file directly, a fill-form file inside a plain frame window), shows it or renders
// it to a PNG, prints what the builder skipped, and rebuilds it when the file changes.
#ifndef PREVIEWER_H
#define PREVIEWER_H

#include <duixmldiagnostics.h>

#include <QtCore/qfilesystemwatcher.h>
#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtCore/qsize.h>
#include <QtCore/qstringlist.h>

#include <functional>

#include <duiframewindow.h>
class DuiMenu;
class DuiResourceHandler;
class Inspector;

struct PreviewOptions
{
    QString file;
    int theme = 0;           // colour row to pick
    QString screenshot;      // render offscreen to this PNG and exit
    bool lint = false;       // build, print every record, exit
    bool classes = false;    // print every XML-creatable class with its properties, exit
    bool schema = false;     // print the XML Schema of the files the builder reads, exit
    bool inspect = false;    // show the inspector window beside the previewed one
    bool watch = false;      // rebuild when the file changes
    QSize size;              // window size for screenshots (0: the window's own)
    QString extractStrings;  // write the file's translatable texts to this .ts file and exit
    QString program = QStringLiteral("duiview"); // the name messages start with
};

// Parses duiview's command line; on error returns false with a message. Without a file named,
// `defaultFile` is used (an error when it is empty).
bool parsePreviewOptions(const QStringList &arguments, PreviewOptions &options, QString &error,
                         const QString &defaultFile = QString());
QString previewUsage(const QString &program);

class Previewer : public QObject
{
    Q_OBJECT
public:
    explicit Previewer(const PreviewOptions &options, QObject *parent = nullptr);
    ~Previewer() override;

    // Objects whose on_<name>_<signal> slots are connected to every window built.
    void addSlotReceiver(QObject *receiver);

    // Runs the whole request: returns the process exit code, or -1 when the event loop must run
    // (a window is shown).
    int start();

    DuiFrameWindow *window() const { return m_window; }
    // The inspector of --inspect; null without it.
    Inspector *inspector() const { return m_inspector; }

Q_SIGNALS:
    // A window was built (first, or again by --watch), before it is shown.
    void windowBuilt(DuiFrameWindow *window);

public:
    // Builds the window of `file`; null with the diagnostics when it cannot be built.
    static DuiFrameWindow *build(const QString &file, QList<DuiXmlDiagnostics::Record> *records);
    // True when `file` is a menu file: its xmlui element starts with an ActionGroup.
    static bool isMenuFile(const QString &file);
    // Builds the menu of a menu file; null with the diagnostics when it cannot be built.
    static DuiMenu *buildMenu(const QString &file, QList<DuiXmlDiagnostics::Record> *records);
    // Opens `menu` offscreen, its first item under the pointer, and renders it as it shows.
    static QImage renderMenu(DuiMenu *menu);
    // Markdown reference of every class an XML file can name, with the properties its
    // attributes set and the names their enumerations accept.
    static QString classReference();
    // Renders a window offscreen the way it shows on screen.
    static QImage render(DuiFrameWindow *window);

private Q_SLOTS:
    void fileChanged();

private:
    void printRecords(const QList<DuiXmlDiagnostics::Record> &records) const;
    int finishLint(const QList<DuiXmlDiagnostics::Record> &records, bool built) const;
    // Writes the screenshot of `what` (for the message) and answers the exit code.
    int saveScreenshot(const QImage &image, const QString &what) const;
    int startMenu();
    void connectReceivers(DuiFrameWindow *window);

    PreviewOptions m_options;
    QPointer<DuiFrameWindow> m_window;
    QList<QPointer<QObject>> m_receivers;
    QFileSystemWatcher m_watcher;
    DuiResourceHandler *m_fileDirHandler = nullptr;
    Inspector *m_inspector = nullptr;
};

// True when no display can be reached: no X server or Wayland compositor is named and no Qt
// platform is forced. duiview then renders to a PNG instead of failing.
bool noDisplayAvailable();

// The whole of a previewer program: creates the application, parses the command line (taking
// `defaultFile` when none is named), renders to a PNG when there is no display, and runs.
// `prepare` sees the previewer before the window is built, to add slot receivers.
int runPreviewer(int &argc, char **argv, const QString &program, const QString &defaultFile,
                 const std::function<void(Previewer &)> &prepare = {});

#endif // PREVIEWER_H
