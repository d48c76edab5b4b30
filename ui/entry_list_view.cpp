#include "ui/entry_list_view.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

entry_list_view::entry_list_view(QWidget* parent) : QTableView(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  setSortingEnabled(false);
  setTabKeyNavigation(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setContextMenuPolicy(Qt::DefaultContextMenu);

  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(16);
  rows->setDefaultSectionSize(16);
  rows->setSectionResizeMode(QHeaderView::Fixed);  // uniform rows: no per-row sizes for a million rows

  QHeaderView* header = horizontalHeader();
  header->setFixedHeight(17);
  header->setHighlightSections(false);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  header->setMaximumSectionSize(10000);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(header, &QHeaderView::sectionResized, this, &entry_list_view::keep_section_in_limits);

  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit report_requested();
  });
}

void entry_list_view::set_section_limits(int section, int width, int minimum, int maximum) {
  if (section >= limits_.size()) limits_.resize(section + 1);
  limits_[section] = {minimum, maximum};
  horizontalHeader()->resizeSection(section, width);
  if (minimum == maximum) horizontalHeader()->setSectionResizeMode(section, QHeaderView::Fixed);
}

void entry_list_view::keep_section_in_limits(int section, int, int new_width) {
  if (section < 0 || section >= limits_.size() || limits_[section].maximum == 0) return;
  const int kept = std::clamp(new_width, limits_[section].minimum, limits_[section].maximum);
  if (kept != new_width) horizontalHeader()->resizeSection(section, kept);
}

QPoint entry_list_view::keyboard_menu_position() const {
  // Under the focused row when it is in sight, else the list's top left corner.
  const QRect row = visualRect(currentIndex());
  const QPoint local = row.isValid() && viewport()->rect().intersects(row) ? row.bottomLeft() : QPoint(0, 0);
  return viewport()->mapToGlobal(local);
}

void entry_list_view::contextMenuEvent(QContextMenuEvent* event) {
  emit context_menu_requested(event->reason() == QContextMenuEvent::Keyboard ? keyboard_menu_position()
                                                                              : event->globalPos());
  event->accept();
}

void entry_list_view::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    emit context_menu_requested(keyboard_menu_position());
    event->accept();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    emit report_requested();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace ui
