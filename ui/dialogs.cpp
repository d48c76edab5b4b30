#include "ui/dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "ui/report_box.h"

namespace ui {

void qt_dialogs::show_box(QWidget* parent, box_kind kind, const QString& caption, const QString& text) {
  if (kind == box_kind::report) {
    show_report_box(parent, caption, text);
    return;
  }
  QMessageBox box(parent);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);  // names from archives are shown as they are
  box.setText(text);
  box.setIcon(kind == box_kind::error ? QMessageBox::Critical : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

platform::answer qt_dialogs::ask(QWidget* parent, const platform::question& q) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(q.caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(q.text));
  box.setIcon(QMessageBox::Question);
  if (!q.details.empty()) box.setDetailedText(QString::fromStdString(q.details));
  if (q.choices == platform::buttons::yes_no_cancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
  }
  box.setEscapeButton(QMessageBox::Cancel);  // closing the box answers cancel
  switch (box.exec()) {
    case QMessageBox::Ok: return platform::answer::ok;
    case QMessageBox::Yes: return platform::answer::yes;
    case QMessageBox::No: return platform::answer::no;
    default: return platform::answer::cancel;
  }
}

std::optional<QString> qt_dialogs::open_file(QWidget* parent, const open_dialog_settings& settings) {
  QFileDialog dialog(parent, settings.title, settings.initial_dir, settings.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!settings.default_suffix.isEmpty()) dialog.setDefaultSuffix(settings.default_suffix);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> qt_dialogs::choose_directory(QWidget* parent, const QString& caption, const QString& start_dir) {
  QFileDialog dialog(parent, caption, start_dir);
  dialog.setFileMode(QFileDialog::Directory);  // has a button for a new folder
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

void qt_dialogs::show_modal(QDialog* dialog) { dialog->exec(); }

void qt_dialogs::open_document(const QString& native_path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(native_path));  // the result is not examined
}

}  // namespace ui
