// stowix: the window program of Qel Stowix.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "platform/files.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/dialogs.h"
#include "ui/fatal_box.h"
#include "ui/window_font.h"

namespace {

void show_start_error(const QString& text) {
  QMessageBox box(QMessageBox::Critical, ui::app_title, text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void centre_on_screen(QWidget& window) {
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(ui::app_title);
  QApplication::setApplicationDisplayName(ui::app_title);
  // Message boxes, menus and dialogs are windows of their own and take the
  // application's font, not the main window's.
  QApplication::setFont(ui::window_font());
  ui::install_fatal_message_box();
  try {
    ui::qt_dialogs dialogs;
    TForm1 form(dialogs, platform::system_files());
    Form1 = &form;
    TForm_Splash splash(&form);
    Form_Splash = &splash;
    form.set_splash(&splash);

    centre_on_screen(form);
    form.show();
    // An archive named on the command line is opened as if chosen with "Open...".
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) form.open_archive(arguments.at(1).toStdString());
    QApplication::exec();
    Form_Splash = nullptr;
    Form1 = nullptr;
  } catch (const std::exception& error) {
    show_start_error(QString::fromStdString(error.what()));
  } catch (...) {
    show_start_error(QString());
  }
  return 0;
}
