#pragma once
// The entry list on screen: a table view with rows of 16 pixels, a header of
// 17 whose sections each keep their own width limits, extended selection,
// and the keyboard's ways to the context menu and the entry report.
#include <QTableView>

namespace ui {

class entry_list_view : public QTableView {
  Q_OBJECT
 public:
  explicit entry_list_view(QWidget* parent = nullptr);

  // Width limits of one header section, kept while the user drags its border.
  void set_section_limits(int section, int width, int minimum, int maximum);

 signals:
  // The context menu is asked for at a global position (mouse, menu key, Shift+F10).
  void context_menu_requested(const QPoint& global_position);
  // Enter on the list, or a double-click on a row.
  void report_requested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPoint keyboard_menu_position() const;
  void keep_section_in_limits(int section, int old_width, int new_width);

  struct limits {
    int minimum = 0;
    int maximum = 0;
  };
  QList<limits> limits_;
};

}  // namespace ui
