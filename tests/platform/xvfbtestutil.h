// SPDX-License-Identifier: MIT
// Test support: a private Xvfb server and synthetic X input (XTEST) for the tests that need a
// real X server. Both are optional on a machine: callers skip when they are missing.
#ifndef XVFBTESTUTIL_H
#define XVFBTESTUTIL_H

#include <QtCore/qelapsedtimer.h>
#include <QtCore/qprocess.h>
#include <QtCore/qstandardpaths.h>
#include <QtCore/qstring.h>
#include <QtTest/qtest.h>

#include <cstdio>
#include <functional>

#include <dlfcn.h>

// For the client halves of the Xvfb tests, which report by exit code and output.
inline int fail(const char *what)
{
    std::fprintf(stderr, "FAIL: %s\n", what);
    return 1;
}

// Waits until `condition` holds, processing events, at most `ms` milliseconds.
inline bool waitFor(const std::function<bool()> &condition, int ms = 3000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < ms)
        QTest::qWait(20);
    return condition();
}

// Starts `Xvfb` on a display number it picks itself (-displayfd) and stops it when destroyed.
class XvfbServer
{
public:
    ~XvfbServer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                m_process.kill();
            m_process.waitForFinished(1000);
        }
    }

    // False with the reason when the server is not installed or does not come up.
    bool start(QString *why)
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (exe.isEmpty()) {
            *why = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
            return false;
        }
        m_process.setProgram(exe);
        m_process.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp")});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            *why = QStringLiteral("Xvfb did not start");
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        QByteArray out;
        while (!out.contains('\n') && timer.elapsed() < 15000) {
            m_process.waitForReadyRead(200);
            out += m_process.readAllStandardOutput();
            if (m_process.state() == QProcess::NotRunning)
                break;
        }
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (!ok) {
            *why = QStringLiteral("Xvfb reported no display: ") + QString::fromLocal8Bit(m_process.readAllStandardError());
            return false;
        }
        m_display = QStringLiteral(":%1").arg(number);
        return true;
    }

    QString display() const { return m_display; }

    // Runs this test program again as a client of the server; its exit code and output are kept.
    int runClient(const QString &program, const QStringList &args, QByteArray *output, int timeoutMs = 60000)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.remove(QStringLiteral("XAUTHORITY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(program, args);
        if (!child.waitForFinished(timeoutMs)) {
            child.kill();
            child.waitForFinished(1000);
            *output = child.readAll() + "\n(timed out)";
            return -1;
        }
        *output = child.readAll();
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    }

private:
    QProcess m_process;
    QString m_display;
};

// Xlib's XTEST calls, loaded at run time so that the tests need no development package.
class XTestInput
{
public:
    ~XTestInput()
    {
        if (m_display && m_close)
            m_close(m_display);
    }

    bool open(QString *why)
    {
        void *x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
        void *xtst = dlopen("libXtst.so.6", RTLD_NOW | RTLD_GLOBAL);
        if (!x11 || !xtst) {
            *why = QStringLiteral("libX11 or libXtst is not installed");
            return false;
        }
        auto *openDisplay = reinterpret_cast<void *(*)(const char *)>(dlsym(x11, "XOpenDisplay"));
        m_close = reinterpret_cast<int (*)(void *)>(dlsym(x11, "XCloseDisplay"));
        m_sync = reinterpret_cast<int (*)(void *, int)>(dlsym(x11, "XSync"));
        m_keycode = reinterpret_cast<unsigned char (*)(void *, unsigned long)>(dlsym(x11, "XKeysymToKeycode"));
        m_root = reinterpret_cast<unsigned long (*)(void *)>(dlsym(x11, "XDefaultRootWindow"));
        m_translate = reinterpret_cast<int (*)(void *, unsigned long, unsigned long, int, int, int *, int *,
                                               unsigned long *)>(dlsym(x11, "XTranslateCoordinates"));
        m_geometry = reinterpret_cast<int (*)(void *, unsigned long, unsigned long *, int *, int *, unsigned *,
                                              unsigned *, unsigned *, unsigned *)>(dlsym(x11, "XGetGeometry"));
        m_key = reinterpret_cast<int (*)(void *, unsigned, int, unsigned long)>(dlsym(xtst, "XTestFakeKeyEvent"));
        m_button = reinterpret_cast<int (*)(void *, unsigned, int, unsigned long)>(dlsym(xtst, "XTestFakeButtonEvent"));
        m_motion = reinterpret_cast<int (*)(void *, int, int, int, unsigned long)>(dlsym(xtst, "XTestFakeMotionEvent"));
        if (!openDisplay || !m_close || !m_sync || !m_keycode || !m_root || !m_translate || !m_geometry || !m_key
            || !m_button || !m_motion) {
            *why = QStringLiteral("Xlib or XTEST lacks a function");
            return false;
        }
        m_display = openDisplay(nullptr);
        if (!m_display) {
            *why = QStringLiteral("cannot open the X display");
            return false;
        }
        return true;
    }

    void key(unsigned long keysym, bool press)
    {
        m_key(m_display, m_keycode(m_display, keysym), press, 0);
        m_sync(m_display, 0);
    }
    void moveTo(int x, int y)
    {
        m_motion(m_display, -1, x, y, 0);
        m_sync(m_display, 0);
    }
    void button(unsigned button, bool press)
    {
        m_button(m_display, button, press, 0);
        m_sync(m_display, 0);
    }

    // Presses the left button at `from`, moves `steps` times by `step` (30 ms apart, as a hand
    // would) and releases it.
    void drag(const QPoint &from, const QPoint &step, int steps)
    {
        moveTo(from.x(), from.y());
        QTest::qWait(50);
        button(1, true);
        for (int i = 1; i <= steps; ++i) {
            moveTo(from.x() + step.x() * i, from.y() + step.y() * i);
            QTest::qWait(30);
        }
        button(1, false);
    }

    // The window's rectangle as the X server has it, in root coordinates.
    QRect windowRect(unsigned long window)
    {
        int x = 0, y = 0;
        unsigned long child = 0;
        m_translate(m_display, window, m_root(m_display), 0, 0, &x, &y, &child);
        unsigned long root = 0;
        int gx = 0, gy = 0;
        unsigned w = 0, h = 0, border = 0, depth = 0;
        m_geometry(m_display, window, &root, &gx, &gy, &w, &h, &border, &depth);
        return QRect(x, y, int(w), int(h));
    }

private:
    void *m_display = nullptr;
    int (*m_close)(void *) = nullptr;
    int (*m_sync)(void *, int) = nullptr;
    unsigned char (*m_keycode)(void *, unsigned long) = nullptr;
    unsigned long (*m_root)(void *) = nullptr;
    int (*m_translate)(void *, unsigned long, unsigned long, int, int, int *, int *, unsigned long *) = nullptr;
    int (*m_geometry)(void *, unsigned long, unsigned long *, int *, int *, unsigned *, unsigned *, unsigned *,
                      unsigned *) = nullptr;
    int (*m_key)(void *, unsigned, int, unsigned long) = nullptr;
    int (*m_button)(void *, unsigned, int, unsigned long) = nullptr;
    int (*m_motion)(void *, int, int, int, unsigned long) = nullptr;
};

// Exit code with which a client reports that it had to skip.
constexpr int XClientSkipped = 77;

// The body of a test that reruns this test binary with `flag` as a client of a private Xvfb:
// skips when Xvfb (or what the client needs) is missing; the client prints OK when its checks
// passed and exits 0.
#define DUI_RUN_XVFB_CLIENT(flag)                                                                     \
    do {                                                                                              \
        XvfbServer server_;                                                                           \
        QString why_;                                                                                 \
        if (!server_.start(&why_))                                                                    \
            QSKIP(qPrintable(why_));                                                                  \
        QByteArray output_;                                                                           \
        const int code_ = server_.runClient(QCoreApplication::applicationFilePath(), {QStringLiteral(flag)}, &output_); \
        if (code_ == XClientSkipped)                                                                  \
            QSKIP(output_.constData());                                                               \
        QVERIFY2(code_ == 0, output_.constData());                                                    \
        QVERIFY(output_.contains("OK"));                                                              \
    } while (false)

#endif // XVFBTESTUTIL_H
