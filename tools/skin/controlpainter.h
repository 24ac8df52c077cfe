// SPDX-License-Identifier: MIT
// The painters of the basic controls' skin images. Frame images are neutral greys: the controls
// tint them with a theme colour at run time, so grey edges take the theme's hue and near-white
// fills stay light. Check and radio images are never tinted and carry their own colours.
#ifndef CONTROLPAINTER_H
#define CONTROLPAINTER_H

#include <QtCore/qlist.h>
#include <QtGui/qimage.h>

namespace skin {

enum class ControlState { Normal, Hover, Pressed, Disabled };

// A rounded push-button face, cut by the nine-grid in thirds (24 x 24: 8-pixel corners).
QImage buttonImage(ControlState state);

// The line edit's field: a white (or, disabled, light grey) rounded rectangle with a thin edge.
QImage editImage(bool disabled);

// A 16 x 16 check box or radio button in a state, checked or not.
QImage checkBoxImage(bool checked, ControlState state);
QImage radioImage(bool checked, ControlState state);

// The scroll bar's track (12 x 12, cut in thirds along its length) and its thumb (10 x 12, whose
// 3 x 4 corners serve both the vertical bar's three pieces and the horizontal bar's nine).
QImage scrollTrackImage();
QImage scrollThumbImage(bool hovered);

// A list row under the pointer: a pale grey band (24 x 24) stretched over the row.
QImage listItemHoverImage();
// The selected list row's frame (24 x 24, cut in thirds): a grey rounded face the theme tints.
QImage settingButtonDownImage();

// The frames of a 16 x 16 busy indicator: eight dots on a ring, the bright one going round.
// Indexed images with a shared 8-entry table whose entry 0 is transparent.
QList<QImage> busyFrames();

} // namespace skin

#endif // CONTROLPAINTER_H
