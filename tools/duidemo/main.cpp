// SPDX-License-Identifier: MIT
// Lays out a small DuiWidget tree in code and renders it: to the PNG named on the command line,
// and in a window as well when a display is available.

#include <duiapplication.h>
#include <duispaceritem.h>
#include <duitheme.h>
#include <duiwidget.h>

#include <QtCore/qfileinfo.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

#include <cstdio>

namespace {

DuiWidget *panel(DuiWidget *parent, DuiTheme::ColorType color, const QString &name)
{
    auto *w = new DuiWidget(parent);
    w->setObjectName(name);
    w->setBackgroundColor(QColor::fromRgba(DuiTheme::getColor(0, color)));
    if (parent)
        parent->addItem(w);
    return w;
}

DuiWidget *buildTree()
{
    auto *root = panel(nullptr, DuiTheme::LightestColor, QStringLiteral("root"));
    root->setFixSize(QSizeF(480, 320));
    root->setLayout(DuiWidget::VBox);

    // Title band: an anchor layout with an icon square at the left and a close box at the right.
    auto *title = panel(root, DuiTheme::BaseColor, QStringLiteral("title"));
    title->setFixHeight(32);
    title->setLayout(DuiWidget::Anchor);
    auto *icon = panel(title, DuiTheme::LightestColor, QStringLiteral("icon"));
    icon->setAnchorString(QStringLiteral("Left:8|Left:28|Top:6|Top:26"));
    auto *close = panel(title, DuiTheme::DarkestColor, QStringLiteral("close"));
    close->setAnchorString(QStringLiteral("Right:28|Right:8|Top:6|Top:26"));

    // Body: a side list and a content area in a horizontal box.
    auto *body = panel(root, DuiTheme::LightestColor, QStringLiteral("body"));
    body->setLayout(DuiWidget::HBox);
    body->setMargins(QMargins(8, 8, 8, 8));
    body->setSpacing(8);
    auto *side = panel(body, DuiTheme::LightColor, QStringLiteral("side"));
    side->setFixWidth(120);
    side->setLayout(DuiWidget::VBox);
    side->setMargins(QMargins(6, 6, 6, 6));
    side->setSpacing(4);
    for (int i = 0; i < 5; ++i)
        panel(side, i == 1 ? DuiTheme::BaseColor : DuiTheme::LightestColor, QStringLiteral("row%1").arg(i))->setFixHeight(22);
    side->addItem(new DuiSpacerItem(side));
    panel(body, DuiTheme::LineColor, QStringLiteral("content"));

    // Button row: a spacer pushes two fixed-size buttons to the right end.
    auto *buttons = panel(root, DuiTheme::LightestColor, QStringLiteral("buttons"));
    buttons->setFixHeight(40);
    buttons->setLayout(DuiWidget::HBox);
    buttons->setMargins(QMargins(8, 8, 8, 8));
    buttons->setSpacing(8);
    buttons->addItem(new DuiSpacerItem(buttons));
    panel(buttons, DuiTheme::StrongColor, QStringLiteral("ok"))->setFixSize(QSizeF(70, 24));
    panel(buttons, DuiTheme::LightColor, QStringLiteral("cancel"))->setFixSize(QSizeF(70, 24));
    return root;
}

} // namespace

int main(int argc, char **argv)
{
    DuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("duidemo.png");

    QGraphicsScene scene;
    DuiWidget *root = buildTree();
    scene.addItem(root);
    root->resize(root->effectiveSizeHint(Qt::PreferredSize));
    // Let the layouts settle before rendering.
    QCoreApplication::processEvents();

    QImage image(root->size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(), root->geometry());
    }
    if (!image.save(out)) {
        std::fprintf(stderr, "duidemo: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("duidemo: rendered to %s\n", qPrintable(QFileInfo(out).absoluteFilePath()));

    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return 0;
    QGraphicsView view(&scene);
    view.setWindowTitle(QStringLiteral("duifw"));
    view.show();
    return app.exec();
}
