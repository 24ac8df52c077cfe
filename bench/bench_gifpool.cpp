// SPDX-License-Identifier: MIT
// Animated GIFs in a text edit. First, CPU time per second of animation for 100 distinct GIFs
// advanced by the editor's pool (one timer, one list of changed frames, repaint of the changed
// images only) against 100 QMovies each replacing its own document resource and repainting the
// editor on every frame. Then the cost of one tick with 1 to 500 GIFs in documents of 10 to
// 5,000 lines: it should follow the number of changed frames, not the document's length.
// The GIFs come from the skin generator's GIF writer.

#include "benchutil.h"
#include "../tools/skin/gifwriter.cpp"

#include <duitextcursor.h>
#include <duitextedit.h>
#include <gifpool.h>

#include <QtCore/qbuffer.h>
#include <QtGui/qmovie.h>
#include <QtGui/qtextdocument.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qtextbrowser.h>

#include <ctime>
#include <functional>
#include <memory>

namespace {

// Three 16 x 16 frames, each shown for two ticks (a delay of 0, which Qt reads as 100 ms); `seed` makes each GIF's colours its own.
QByteArray gifBytes(int seed)
{
    QList<QRgb> table;
    for (int i = 0; i < 3; ++i)
        table.append(qRgb((seed * 37 + i * 80) % 256, (seed * 11) % 256, (i * 120 + seed) % 256));
    QList<QImage> frames;
    for (int i = 0; i < 3; ++i) {
        QImage frame(16, 16, QImage::Format_Indexed8);
        frame.setColorTable(table);
        frame.fill(uint(i));
        frames.append(frame);
    }
    return skin::encodeGif(frames, -1, 0);
}

struct Editor
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};
    DuiTextEdit *edit = new DuiTextEdit;

    Editor(int lines, int gifs)
    {
        scene.addItem(edit);
        edit->resize(600, 400);
        view.resize(620, 420);
        view.show();
        edit->setAnimationEnabled(false); // ticks are driven by hand
        DuiTextCursor cursor = edit->textCursor();
        const int every = qMax(1, lines / qMax(1, gifs));
        int placed = 0;
        for (int line = 0; line < lines || placed < gifs; ++line) {
            cursor.insertText(QStringLiteral("line %1 of the document ").arg(line));
            if (placed < gifs && line % every == 0) {
                QByteArray bytes = gifBytes(placed);
                cursor.insertImage(QStringLiteral("gif%1").arg(placed), bytes, 0);
                ++placed;
            }
            cursor.insertText(QStringLiteral("\n"));
        }
        QCoreApplication::processEvents();
    }
};

double cpuMs(const std::function<void()> &fn)
{
    const std::clock_t start = std::clock();
    fn();
    return double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
}

// 100 movies, each replacing its resource and repainting the whole editor on each frame.
struct MovieEditor
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};
    QTextBrowser *browser = new QTextBrowser;
    std::vector<std::unique_ptr<QByteArray>> bytes;
    std::vector<std::unique_ptr<QBuffer>> buffers;
    std::vector<std::unique_ptr<QMovie>> movies;

    explicit MovieEditor(int gifs)
    {
        scene.addWidget(browser);
        browser->resize(600, 400);
        view.resize(620, 420);
        view.show();
        QTextCursor cursor(browser->document());
        for (int i = 0; i < gifs; ++i) {
            const QString name = QStringLiteral("gif%1").arg(i);
            bytes.push_back(std::make_unique<QByteArray>(gifBytes(i)));
            buffers.push_back(std::make_unique<QBuffer>(bytes.back().get()));
            buffers.back()->open(QIODevice::ReadOnly);
            movies.push_back(std::make_unique<QMovie>(buffers.back().get()));
            QMovie *movie = movies.back().get();
            movie->jumpToFrame(0);
            browser->document()->addResource(QTextDocument::ImageResource, QUrl(name), movie->currentImage());
            QTextImageFormat format;
            format.setName(name);
            cursor.insertText(QStringLiteral("line %1 of the document ").arg(i));
            cursor.insertImage(format);
            cursor.insertText(QStringLiteral("\n"));
            QObject::connect(movie, &QMovie::frameChanged, browser, [this, movie, name] {
                browser->document()->addResource(QTextDocument::ImageResource, QUrl(name), movie->currentPixmap());
                browser->viewport()->update();
            });
        }
        QCoreApplication::processEvents();
    }

    void tick()
    {
        for (auto &movie : movies)
            movie->jumpToNextFrame();
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    constexpr int kTicksPerSecond = 10;
    constexpr int kSeconds = 5;

    {
        Editor pooled(100, 100);
        MovieEditor movies(100);
        GifPool *pool = pooled.edit->gifPool();
        const double poolMs = cpuMs([&] {
            for (int i = 0; i < kTicksPerSecond * kSeconds; ++i) {
                pool->on_timeout();
                QCoreApplication::processEvents();
            }
        }) / kSeconds;
        const double movieMs = cpuMs([&] {
            for (int i = 0; i < kTicksPerSecond * kSeconds; ++i) {
                movies.tick();
                QCoreApplication::processEvents();
            }
        }) / kSeconds;
        std::printf("CPU per second of animation, 100 GIFs (16 x 16, a new frame every 200 ms)\n");
        bench::report("pool, one timer, changed images repainted", poolMs * 1e6, "100 QMovies, own updates",
                      movieMs * 1e6);
    }

    // Qt reads the frames' delay of 0 as 100 ms: every second tick moves every GIF.
    std::printf("\nTwo ticks (every GIF changes frame once), median of 15\n");
    for (int gifs : {1, 10, 100, 500}) {
        for (int lines : {10, 1000, 5000}) {
            Editor editor(lines, gifs);
            GifPool *pool = editor.edit->gifPool();
            const double tickNs = bench::medianNs(15, [&] {
                pool->on_timeout();
                pool->on_timeout();
                QCoreApplication::processEvents();
            });
            // Baseline: the same tick with nothing to send (animation paused).
            const double idleNs = bench::medianNs(15, [&] { QCoreApplication::processEvents(); });
            char what[96];
            std::snprintf(what, sizeof what, "%3d GIFs, %4d lines", gifs, lines);
            bench::report(what, tickNs, "no tick (event loop only)", idleNs);
        }
    }
    return 0;
}
