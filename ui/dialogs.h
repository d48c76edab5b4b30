#pragma once
// Every modal thing the window shows (message boxes, questions, file and
// directory choosers, the modal showing of the splash) and the hand-over of
// a document to the desktop go through one replaceable object, so that
// window tests answer them without a screen and never block.
#include <QString>
#include <optional>

#include "platform/window_seams.h"

class QDialog;
class QWidget;

namespace ui {

// The settings of a file-open dialog.
struct open_dialog_settings {
  QString title;
  QString filter;          // Qt form: "Name (*.a *.b)"
  QString default_suffix;  // added to a typed name without one; empty for none
  QString initial_dir;     // native
};

enum class box_kind { message, report, error };

class dialogs {
 public:
  virtual ~dialogs() = default;
  // A box with one OK button; its text is always plain text.
  virtual void show_box(QWidget* parent, box_kind kind, const QString& caption, const QString& text) = 0;
  virtual platform::answer ask(QWidget* parent, const platform::question& q) = 0;
  // A native path, or nullopt on cancel.
  virtual std::optional<QString> open_file(QWidget* parent, const open_dialog_settings& settings) = 0;
  virtual std::optional<QString> choose_directory(QWidget* parent, const QString& caption,
                                                  const QString& start_dir) = 0;
  virtual void show_modal(QDialog* dialog) = 0;
  virtual void open_document(const QString& native_path) = 0;
};

// The real thing: Qt's boxes and dialogs, modal, and the desktop's viewer.
class qt_dialogs : public dialogs {
 public:
  void show_box(QWidget* parent, box_kind kind, const QString& caption, const QString& text) override;
  platform::answer ask(QWidget* parent, const platform::question& q) override;
  std::optional<QString> open_file(QWidget* parent, const open_dialog_settings& settings) override;
  std::optional<QString> choose_directory(QWidget* parent, const QString& caption, const QString& start_dir) override;
  void show_modal(QDialog* dialog) override;
  void open_document(const QString& native_path) override;
};

inline const QString app_title = QStringLiteral("Qel Stowix");

}  // namespace ui
