// SPDX-License-Identifier: MIT
// duiview FILE.xml: shows the window an XML UI file describes. See previewUsage() for the options.
#include "previewer.h"

#include <duiapplication.h>

#include <QtCore/qfileinfo.h>

#include <cstdio>

int main(int argc, char **argv)
{
    // Without any display, render to a PNG rather than fail to start.
    const bool headless = noDisplayAvailable();
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DuiApplication app(argc, argv);

    PreviewOptions options;
    QString error;
    if (!parsePreviewOptions(app.arguments(), options, error)) {
        std::fprintf(stderr, "duiview: %s\n%s\n", qPrintable(error), qPrintable(previewUsage(QStringLiteral("duiview"))));
        return 2;
    }
    if (headless && options.screenshot.isEmpty() && !options.lint) {
        options.screenshot = QFileInfo(options.file).completeBaseName() + QStringLiteral(".png");
        std::fprintf(stdout, "duiview: no display; rendering to a PNG instead\n");
    }
    Previewer previewer(options);
    const int code = previewer.start();
    return code >= 0 ? code : app.exec();
}
