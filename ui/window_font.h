#pragma once
#include <QFont>

namespace ui {

// The windows' font: a small sans serif of 11 pixels, the classic dialog
// face where it exists, else a face of the same widths (Arial's metrics), so
// that texts fit the fixed columns and buttons.
inline QFont window_font() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  font.setPixelSize(11);
  return font;
}

}  // namespace ui
