// SPDX-License-Identifier: MIT
// The combo boxes' and the list control's images. Like the other frame images they are neutral
// greys that the theme tints.
#ifndef COMBOPAINTER_H
#define COMBOPAINTER_H

#include "controlpainter.h"

namespace skin {

// The combo box's field (24 x 24, cut in thirds): a white, or disabled light grey, rounded
// rectangle with a thin edge, as the line edit's.
QImage comboBackgroundImage(bool disabled);
// The drop-down button (24 x 24) at the field's right end: a chevron behind a faint divider; the
// hovered and pressed buttons fill the end of the field.
QImage comboDropDownImage(ControlState state);

// The list control's rows, stretched over each row: the even and odd backgrounds, the row under
// the pointer and the chosen row.
enum class ListRow { Even, Odd, Active, Chosen };
QImage listRowImage(ListRow row);
// The highlight of the combo box's drop-down row under the pointer or the keys.
QImage comboRowActiveImage();

} // namespace skin

#endif // COMBOPAINTER_H
