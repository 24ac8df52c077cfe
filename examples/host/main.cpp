// SPDX-License-Identifier: MIT
// The smallest host: a DuiWidget panel laid out in code and shown in a view. With --check it
// lays the panel out, prints its geometry and exits, which is how the tests run it.
#include <duifw.h>

#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    DuiApplication app(argc, argv);

    auto *panel = new DuiWidget;
    panel->setLayout(DuiWidget::HBox);
    panel->setFixSize(QSizeF(200, 40));
    panel->addItem(new DuiSpacerItem(panel));
    auto *button = new DuiWidget(panel);
    button->setFixSize(QSizeF(70, 24));
    panel->addItem(button);

    QGraphicsScene scene;
    scene.addItem(panel);
    QCoreApplication::processEvents();

    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        std::printf("button at x=%g, width %g\n", button->x(), button->size().width());
        return button->x() == 130 ? 0 : 1;
    }
    QGraphicsView view(&scene);
    view.show();
    return app.exec();
}
