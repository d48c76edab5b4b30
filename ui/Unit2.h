#pragma once
// The splash window: a borderless picture with the notice, the version and
// the ticker of thanks. Shown at start and by "About"; a click closes it.
#include <QDialog>

namespace ui {
class clickable_picture;
class shadow_label;
class scroll_text;
}  // namespace ui

class TForm_Splash : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Splash(QWidget* parent = nullptr);

  ui::clickable_picture* Image1;
  ui::shadow_label* Label1;
  ui::scroll_text* LMDScrollText1;
  ui::shadow_label* LMDLabel1;

  void FormShow();
  void Image1Click();
  void Label1Click();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TForm_Splash* Form_Splash;
