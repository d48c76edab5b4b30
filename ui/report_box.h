#pragma once
#include <QString>

class QWidget;

namespace ui {

// The entry report's box: the report as plain text with tab stops every
// eight average characters (its columns line up as in a classic message
// box), selectable for copying, one OK button and no icon.
void show_report_box(QWidget* parent, const QString& caption, const QString& text);

}  // namespace ui
