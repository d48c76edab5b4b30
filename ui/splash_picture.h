#pragma once
#include <QPixmap>

namespace ui {

// The splash picture, 452 x 452: a night over the mountains of Dunmarrow with
// the program's name, above a parchment field that carries the notice.
QPixmap splash_picture();

}  // namespace ui
