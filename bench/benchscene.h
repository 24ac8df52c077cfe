// SPDX-License-Identifier: MIT
// A shown scene of one size for benchmarks of scene items, set up as a frame window's scene is.
#ifndef BENCHSCENE_H
#define BENCHSCENE_H

#include <QtCore/qcoreapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

namespace bench {

struct SceneStage
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};

    explicit SceneStage(const QSize &size)
    {
        scene.setSceneRect(0, 0, size.width(), size.height());
        // As in a frame window's scene: no BSP index to keep up as rows come and go.
        scene.setItemIndexMethod(QGraphicsScene::NoIndex);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setFrameShape(QFrame::NoFrame);
        view.resize(size);
        view.show();
        QCoreApplication::processEvents();
    }
};

} // namespace bench

#endif // BENCHSCENE_H
