// SPDX-License-Identifier: MIT
// Helpers shared by the control tests: synthesized scene mouse events and solid test images.
#ifndef CONTROLSTEST_H
#define CONTROLSTEST_H

#include <QtCore/qcoreapplication.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>

namespace controlstest {

inline void mouse(QGraphicsScene &scene, QEvent::Type type, const QPointF &scenePos,
                  Qt::MouseButton button = Qt::LeftButton)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(scenePos);
    event.setButton(button);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::MouseButtons(button));
    if (type == QEvent::GraphicsSceneMouseMove)
        event.setButtons(button);
    QCoreApplication::sendEvent(&scene, &event);
}

inline void click(QGraphicsScene &scene, const QPointF &scenePos)
{
    mouse(scene, QEvent::GraphicsSceneMousePress, scenePos);
    mouse(scene, QEvent::GraphicsSceneMouseRelease, scenePos);
}

// A move with no button held: the scene turns it into hover enter, move and leave events.
inline void hover(QGraphicsScene &scene, const QPointF &scenePos)
{
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setScenePos(scenePos);
    move.setButtons(Qt::NoButton);
    QCoreApplication::sendEvent(&scene, &move);
}

inline QString solidImage(const QTemporaryDir &dir, const QString &name, const QColor &color, const QSize &size = QSize(12, 12))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path;
}

inline QImage render(QGraphicsScene &scene, const QRectF &area)
{
    QImage out(area.size().toSize(), QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    return out;
}

} // namespace controlstest

#endif // CONTROLSTEST_H
