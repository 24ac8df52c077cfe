// SPDX-License-Identifier: MIT
// The tab bar's state images and the slider and progress bar parts. Tabs are not tinted by
// default, so their images carry finished neutral colours; the slider and progress parts are
// greys the controls tint (dark greys take the accent, light ones stay light).
#ifndef TABSLIDERPAINTER_H
#define TABSLIDERPAINTER_H

#include <QtGui/qimage.h>

namespace skin {

enum class TabState { Normal, Hover, Pressed, Selected };

// A tab face (24 x 24, cut in thirds): rounded top corners, a base line under unselected tabs.
QImage tabImage(TabState state);

// The track (9 x 9, 3-pixel corners): a light groove.
QImage sliderTrackImage();
// The selected part of the track and the progress fill (9 x 9): a dark face that takes the accent.
QImage sliderSelectedImage();
// The thumb (9 x 15, cut in thirds along its height): a white pill with a dark rim.
QImage sliderThumbImage();

} // namespace skin

#endif // TABSLIDERPAINTER_H
