#include "ui/Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include "archive/load_archive.h"
#include "commands/entry_report.h"
#include "commands/extraction_commands.h"
#include "commands/marking_commands.h"
#include "commands/popup_menu_state.h"
#include "commands/save_changes.h"
#include "platform/files.h"
#include "platform/locale_info.h"
#include "platform/registry.h"
#include "platform/seams.h"
#include "ui/Unit2.h"
#include "ui/dialogs.h"
#include "ui/entry_list_model.h"
#include "ui/entry_list_view.h"
#include "ui/qt_list_box.h"
#include "ui/qt_main_window.h"
#include "ui/status_line.h"
#include "ui/window_font.h"

TForm1* Form1 = nullptr;

namespace {

const QString welcome =
    QStringLiteral(" Welcome to Stowix, Brannoc's tool for viewing/editing PAK files for \"Dunmarrow\".");

QPushButton* push_button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QAction* menu_item(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

QMenu* submenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(QString::fromLatin1(name));
  return sub;
}

QAction* separator(QMenu* menu, const char* name) {
  QAction* line = menu->addSeparator();
  line->setObjectName(QString::fromLatin1(name));
  return line;
}

}  // namespace

TForm1::TForm1(ui::dialogs& boxes, platform::files& fs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(boxes),
      fs_(fs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ui::app_title);
  setFont(ui::window_font());
  setFixedSize(696, 488);

  // Timer1 counts from the window's creation; its first tick shows the splash.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(100);
  Timer1->start();

  build_components();
  build_popup_menu();
  set_tab_order();

  status_ = std::make_unique<ui::status_line>(*StatusText);
  list_ = std::make_unique<ui::qt_list_box>(*ListBox, *model_);
  window_ = std::make_unique<ui::qt_main_window>(
      ui::main_window_parts{*this, *status_, *Label_File, *Button_save, *Progress, OpenDialog2, LMDDirDlg1}, dialogs_,
      fs_);
  status_->set_text(welcome.toStdString());

  connect_handlers();
  guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

platform::list_box& TForm1::list() { return *list_; }

void TForm1::build_components() {
  Label_File = new QLabel(QStringLiteral(" no file opened"), this);
  Label_File->setObjectName(QStringLiteral("Label_File"));
  Label_File->setGeometry(8, 8, 625, 25);
  Label_File->setTextFormat(Qt::PlainText);
  Label_File->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label_File->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label_File->setLineWidth(1);
  Label_File->setAutoFillBackground(true);
  Label_File->setBackgroundRole(QPalette::Light);
  QFont italic = font();
  italic.setItalic(true);
  Label_File->setFont(italic);

  Button_Open = push_button(this, "Button_Open", QStringLiteral("Open..."), {632, 8, 57, 25});

  model_ = new ui::entry_list_model(state_, this);
  ListBox = new ui::entry_list_view(this);
  ListBox->setObjectName(QStringLiteral("ListBox"));
  ListBox->setGeometry(8, 40, 680, 385);
  ListBox->setModel(model_);
  ListBox->set_section_limits(ui::entry_list_model::marker_column, 16, 16, 16);
  ListBox->set_section_limits(ui::entry_list_model::path_column, 260, 200, 10000);
  ListBox->set_section_limits(ui::entry_list_model::name_column, 190, 190, 10000);
  ListBox->set_section_limits(ui::entry_list_model::size_column, 65, 65, 10000);
  ListBox->set_section_limits(ui::entry_list_model::type_column, 110, 110, 10000);
  ListBox->setEnabled(false);  // until the first archive is loaded

  Button_save = push_button(this, "Button_save", QStringLiteral("Save changes"), {8, 436, 113, 25});
  Button_save->setEnabled(false);
  Button_Readme = push_button(this, "Button_Readme", QStringLiteral("Read me"), {436, 436, 75, 25});
  Button_About = push_button(this, "Button_About", QStringLiteral("About"), {524, 436, 75, 25});
  Button_Exit = push_button(this, "Button_Exit", QStringLiteral("Exit"), {612, 436, 75, 25});

  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setGeometry(0, 469, 696, 19);
  StatusBar->setSizeGripEnabled(false);
  StatusText = new QLabel(StatusBar);
  StatusText->setObjectName(QStringLiteral("StatusText"));
  StatusText->setTextFormat(Qt::PlainText);
  StatusBar->addWidget(StatusText, 1);
  Progress = new QProgressBar(StatusBar);
  Progress->setObjectName(QStringLiteral("Progress"));
  Progress->setFixedSize(160, 13);
  Progress->setTextVisible(false);
  Progress->hide();
  StatusBar->addPermanentWidget(Progress);
}

void TForm1::build_popup_menu() {
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  info_on_selected = menu_item(PopupMenu, "info_on_selected", QStringLiteral("info on selected file"));
  N1 = separator(PopupMenu, "N1");
  extract_selected = submenu(PopupMenu, "extract_selected", QStringLiteral("extract selected file(s)..."));
  selected_to_original = menu_item(extract_selected, "selected_to_original", QStringLiteral("to original directory(ies)"));
  selected_to_specified = menu_item(extract_selected, "selected_to_specified", QStringLiteral("to specified directory..."));
  extract_all = submenu(PopupMenu, "extract_all", QStringLiteral("extract all files..."));
  all_to_original = menu_item(extract_all, "all_to_original", QStringLiteral("to original directory(ies)"));
  all_to_specified = menu_item(extract_all, "all_to_specified", QStringLiteral("to specified directory..."));
  N2 = separator(PopupMenu, "N2");
  replace = submenu(PopupMenu, "replace", QStringLiteral("replace content..."));
  selected_by_file = menu_item(replace, "selected_by_file", QStringLiteral("of selected file (by specified file)"));
  selected = submenu(replace, "selected", QStringLiteral("of selected files..."));
  selected_by_original =
      menu_item(selected, "selected_by_original", QStringLiteral("by corresponding files in the original directories"));
  selected_by_specified = menu_item(selected, "selected_by_specified",
                                    QStringLiteral("by corresponding files in a specified directory..."));
  all_by_original = menu_item(replace, "all_by_original", QStringLiteral("of all files (by files in original directories)"));
  remove_marker = menu_item(PopupMenu, "remove_marker", QStringLiteral("remove marker(s)"));
  remove_marker->setEnabled(false);
}

void TForm1::set_tab_order() {
  Label_File->setFocusPolicy(Qt::NoFocus);
  StatusBar->setFocusPolicy(Qt::NoFocus);
  setTabOrder(Button_Open, ListBox);
  setTabOrder(ListBox, Button_save);
  setTabOrder(Button_save, Button_Exit);
  setTabOrder(Button_Exit, Button_About);
  setTabOrder(Button_About, Button_Readme);
}

void TForm1::connect_handlers() {
  const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
  };
  on(Button_Open, &QPushButton::clicked, &TForm1::Button_OpenClick);
  on(Button_save, &QPushButton::clicked, &TForm1::Button_saveClick);
  on(Button_Readme, &QPushButton::clicked, &TForm1::Button_ReadmeClick);
  on(Button_About, &QPushButton::clicked, &TForm1::Button_AboutClick);
  on(Button_Exit, &QPushButton::clicked, &TForm1::Button_ExitClick);
  on(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
  on(PopupMenu, &QMenu::aboutToShow, &TForm1::PopupMenuPopup);
  on(info_on_selected, &QAction::triggered, &TForm1::info_on_selectedClick);
  on(selected_to_original, &QAction::triggered, &TForm1::selected_to_originalClick);
  on(selected_to_specified, &QAction::triggered, &TForm1::selected_to_specifiedClick);
  on(all_to_original, &QAction::triggered, &TForm1::all_to_originalClick);
  on(all_to_specified, &QAction::triggered, &TForm1::all_to_specifiedClick);
  on(selected_by_file, &QAction::triggered, &TForm1::selected_by_fileClick);
  on(selected_by_original, &QAction::triggered, &TForm1::selected_by_originalClick);
  on(selected_by_specified, &QAction::triggered, &TForm1::selected_by_specifiedClick);
  on(all_by_original, &QAction::triggered, &TForm1::all_by_originalClick);
  on(remove_marker, &QAction::triggered, &TForm1::remove_markerClick);

  // Keyboard ways: Ctrl+O opens, the menu key or Shift+F10 opens the context
  // menu, Enter or a double-click on a row reports on the selected entry.
  auto* open_shortcut = new QShortcut(QKeySequence::Open, this);
  on(open_shortcut, &QShortcut::activated, &TForm1::Button_OpenClick);
  connect(ListBox, &ui::entry_list_view::context_menu_requested, this, &TForm1::show_popup_menu);
  on(ListBox, &ui::entry_list_view::report_requested, &TForm1::info_on_selectedClick);
}

void TForm1::show_popup_menu(const QPoint& global_position) {
  if (ListBox->isEnabled()) PopupMenu->popup(global_position);  // aboutToShow runs PopupMenuPopup
}

void TForm1::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {  // platform_error and the like: shown, and the program goes on
    window_->show_error(error.what());
  } catch (...) {
    window_->show_error(std::string());
  }
}

platform::seams TForm1::seams() { return platform::seams{fs_, *list_, *window_}; }

void TForm1::run(void (*command)(archive::session&, const platform::seams&)) { command(state_, seams()); }

void TForm1::FormCreate() {
  archive::release_catalogue(state_);
  state_.archive_path.clear();
  state_.decimal_separator = platform::user_decimal_separator();
  // A value that is not text throws here: game_directory stays empty and the
  // dialogs keep the directories they were made with.
  state_.game_directory.clear();
  state_.game_directory = platform::read_machine_string("SOFTWARE\\Orvane\\Dunmarrow", "InstallDir", "C:\\temp\\");
  OpenDialog1.initial_dir = state_.game_directory + "packs\\";
  LMDDirDlg1.initial_dir = state_.game_directory;
  LMDDirDlg1.path = state_.game_directory;
}

void TForm1::FormCloseQuery() { archive::release_catalogue(state_); }

void TForm1::closeEvent(QCloseEvent* event) {
  guarded([this] { FormCloseQuery(); });
  event->accept();  // the close goes ahead in every case; unsaved marks are dropped
}

void TForm1::PopupMenuPopup() {
  const commands::popup_menu_state items = commands::popup_menu_state_of(*list_);
  info_on_selected->setEnabled(items.info_on_selected);
  selected_by_file->setEnabled(items.selected_by_file);
  remove_marker->setEnabled(items.remove_marker);
}

void TForm1::Button_OpenClick() {
  const auto chosen = dialogs_.open_file(this, ui::settings_of(OpenDialog1, fs_));
  if (chosen) open_archive(chosen->toStdString());
}

void TForm1::open_archive(const std::string& path) {
  guarded([&] {
    OpenDialog1.file_name = path;
    const bool loaded = archive::load_archive(state_, path, seams());
    OpenDialog1.file_name = state_.archive_path;  // a refused file leaves the open archive named
    if (loaded) ListBox->setFocus();
  });
}

void TForm1::Button_ExitClick() { close(); }

void TForm1::Button_saveClick() {
  commands::save_changes(state_, seams());  // the command tells the user how it went
}

void TForm1::Timer1Timer() {
  Timer1->stop();
  if (splash_) dialogs_.show_modal(splash_);
}

void TForm1::Button_AboutClick() {
  if (splash_) dialogs_.show_modal(splash_);
}

void TForm1::Button_ReadmeClick() {
  const std::string program_dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
  dialogs_.open_document(QString::fromStdString(fs_.native_path(program_dir + "\\readme.txt")));
}

void TForm1::info_on_selectedClick() { commands::info_on_selected(state_, seams()); }
void TForm1::selected_to_originalClick() { run(commands::selected_to_original); }
void TForm1::selected_to_specifiedClick() { run(commands::selected_to_specified); }
void TForm1::all_to_originalClick() { run(commands::all_to_original); }
void TForm1::all_to_specifiedClick() { run(commands::all_to_specified); }
void TForm1::selected_by_fileClick() { run(commands::selected_by_file); }
void TForm1::selected_by_originalClick() { run(commands::selected_by_original); }
void TForm1::selected_by_specifiedClick() { run(commands::selected_by_specified); }
void TForm1::all_by_originalClick() { run(commands::all_by_original); }
void TForm1::remove_markerClick() { run(commands::remove_marker); }
