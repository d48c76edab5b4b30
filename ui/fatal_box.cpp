#include "ui/fatal_box.h"

#include <QMessageBox>

#include "platform/fatal.h"
#include "ui/dialogs.h"

namespace ui {

void install_fatal_message_box() {
  platform::set_fatal_display([](std::string_view message) {
    QMessageBox box(QMessageBox::NoIcon, app_title,
                    QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  });
}

}  // namespace ui
