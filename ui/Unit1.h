#pragma once
// The main window: the archive's name, the entry list with its context menu,
// the buttons and the status line. Each handler calls one command of the core.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "archive/catalogue.h"
#include "ui/dialog_components.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class TForm_Splash;

namespace platform {
class files;
struct seams;
}  // namespace platform

namespace ui {
class dialogs;
class entry_list_model;
class entry_list_view;
class qt_list_box;
class qt_main_window;
class status_line;
}  // namespace ui

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // `boxes` shows every dialog; `fs` is the files seam of the commands.
  TForm1(ui::dialogs& boxes, platform::files& fs, QWidget* parent = nullptr);
  ~TForm1() override;

  // The splash window that Timer1 and "About" show.
  void set_splash(TForm_Splash* splash) { splash_ = splash; }

  // Loads an archive as a confirmed choice in OpenDialog1 would.
  void open_archive(const std::string& path);

  // Components, named as on the window.
  QLabel* Label_File;
  QPushButton* Button_Open;
  ui::entry_list_view* ListBox;
  QPushButton* Button_save;
  QPushButton* Button_Readme;
  QPushButton* Button_About;
  QPushButton* Button_Exit;
  QStatusBar* StatusBar;
  QLabel* StatusText;
  QProgressBar* Progress;
  QMenu* PopupMenu;
  QAction* info_on_selected;
  QAction* N1;
  QMenu* extract_selected;
  QAction* selected_to_original;
  QAction* selected_to_specified;
  QMenu* extract_all;
  QAction* all_to_original;
  QAction* all_to_specified;
  QAction* N2;
  QMenu* replace;
  QAction* selected_by_file;
  QMenu* selected;
  QAction* selected_by_original;
  QAction* selected_by_specified;
  QAction* all_by_original;
  QAction* remove_marker;
  QTimer* Timer1;
  ui::file_dialog_component OpenDialog1 = ui::archive_chooser();
  ui::file_dialog_component OpenDialog2 = ui::replacement_chooser();
  ui::directory_dialog_component LMDDirDlg1;

  // What the window holds between commands: catalogue, archive, game directory.
  const archive::session& state() const { return state_; }
  ui::entry_list_model& list_model() { return *model_; }
  platform::list_box& list();

  // Handlers.
  void FormCreate();
  void FormCloseQuery();
  void PopupMenuPopup();
  void Button_OpenClick();
  void Button_ExitClick();
  void Button_saveClick();
  void Button_AboutClick();
  void Button_ReadmeClick();
  void Timer1Timer();
  void info_on_selectedClick();
  void selected_to_originalClick();
  void selected_to_specifiedClick();
  void all_to_originalClick();
  void all_to_specifiedClick();
  void selected_by_fileClick();
  void selected_by_originalClick();
  void selected_by_specifiedClick();
  void all_by_originalClick();
  void remove_markerClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_components();
  void build_popup_menu();
  void set_tab_order();
  void connect_handlers();
  void show_popup_menu(const QPoint& global_position);
  // Runs a handler; an error it throws goes to the exception display.
  void guarded(const std::function<void()>& handler);
  platform::seams seams();
  // Runs a command of the core with the window's seams.
  void run(void (*command)(archive::session&, const platform::seams&));

  archive::session state_;
  ui::dialogs& dialogs_;
  platform::files& fs_;
  TForm_Splash* splash_ = nullptr;
  ui::entry_list_model* model_ = nullptr;
  std::unique_ptr<ui::status_line> status_;
  std::unique_ptr<ui::qt_list_box> list_;
  std::unique_ptr<ui::qt_main_window> window_;
};

extern TForm1* Form1;
