// The main window and the splash window against scripted dialogs, on the
// offscreen platform: layout, start-up, loading, the context menu, the entry
// report, the registry read, the splash, and closing.
#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "archive/file_types.h"
#include "platform/files.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/entry_list_model.h"
#include "ui/entry_list_view.h"
#include "ui/splash_widgets.h"
#include "ui/status_line.h"
#include "scripted_dialogs.h"

using namespace testing_support;

namespace {

const QString welcome = " Welcome to Stowix, Brannoc's tool for viewing/editing PAK files for \"Dunmarrow\".";

// A window with its own Wine prefix (empty unless a test writes system.reg).
struct desk {
  temp_dir dir;
  scripted_dialogs dialogs;
  std::unique_ptr<TForm1> form;

  explicit desk(const std::string& system_reg = {}) {
    const std::string prefix = dir / "prefix";
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    if (!system_reg.empty()) {
      QDir().mkpath(QString::fromStdString(prefix));
      write_file(prefix + "/system.reg", system_reg);
    }
    form = std::make_unique<TForm1>(dialogs, platform::system_files());
  }

  // Four entries; the first at a known place.
  std::string write_archive(const std::string& name = "x.pak") {
    pak_builder pak;
    pak.add("textures/wall.bmp", std::string(1536, 'w'))
        .add("notes/readme.txt", "hello")
        .add("intro.bik", std::string(40, 'b'))
        .add("a/b/empty.wav", "");
    return write_file(dir / name, pak.build());
  }
  void open(const std::string& path) {
    dialogs.files.push_back(QString::fromStdString(path));
    form->Button_Open->click();
  }
  void select(std::initializer_list<int> rows, int focus) {
    QItemSelection selection;
    for (const int row : rows) selection.select(form->list_model().index(row, 0), form->list_model().index(row, 4));
    auto* model = form->ListBox->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    model->setCurrentIndex(form->list_model().index(focus, 0), QItemSelectionModel::NoUpdate);
  }
  void mark(int row, const std::string& replacement) {
    select({row}, row);
    dialogs.files.push_back(QString::fromStdString(replacement));
    form->selected_by_file->trigger();
  }
  QString cell(int row, int column) { return form->list_model().index(row, column).data().toString(); }
  std::vector<QString> texts_of(ui::box_kind kind) {
    std::vector<QString> texts;
    for (const auto& box : dialogs.boxes)
      if (box.kind == kind) texts.push_back(box.text);
    return texts;
  }
};

std::string reg_with(const std::string& value_line) {
  return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n[Software\\\\Orvane\\\\Dunmarrow] 1700000000\n" +
         value_line + "\n";
}

}  // namespace

class window_test : public QObject {
  Q_OBJECT
 private slots:
  void starts_with_the_described_layout_and_texts();
  void reads_the_game_directory_from_the_registry_data();
  void reads_the_game_directory_from_the_registry();
  void opens_an_archive_and_keeps_it_on_cancel_and_refusal();
  void menu_items_follow_the_selection();
  void reports_on_the_selected_entry();
  void splash_opens_once_by_timer_and_again_on_about();
  void read_me_hands_the_program_directory_file_to_the_desktop();
  void closing_with_marks_pending_asks_nothing_and_writes_nothing();
  void a_million_rows_select_and_count_by_ranges();
  void status_line_always_ends_on_the_last_text();
};

void window_test::starts_with_the_described_layout_and_texts() {
  desk d;
  TForm1& f = *d.form;
  QCOMPARE(f.windowTitle(), QString("Qel Stowix"));
  QCOMPARE(f.size(), QSize(696, 488));
  QCOMPARE(f.minimumSize(), f.maximumSize());

  const struct {
    QWidget* widget;
    const char* name;
    QRect geometry;
    QString text;
    bool enabled;
  } components[] = {
      {f.Label_File, "Label_File", {8, 8, 625, 25}, " no file opened", true},
      {f.Button_Open, "Button_Open", {632, 8, 57, 25}, "Open...", true},
      {f.ListBox, "ListBox", {8, 40, 680, 385}, {}, false},
      {f.Button_save, "Button_save", {8, 436, 113, 25}, "Save changes", false},
      {f.Button_Readme, "Button_Readme", {436, 436, 75, 25}, "Read me", true},
      {f.Button_About, "Button_About", {524, 436, 75, 25}, "About", true},
      {f.Button_Exit, "Button_Exit", {612, 436, 75, 25}, "Exit", true},
      {f.StatusBar, "StatusBar", {0, 469, 696, 19}, {}, true},
  };
  for (const auto& c : components) {
    QCOMPARE(c.widget->objectName(), QString(c.name));
    QCOMPARE(f.findChild<QWidget*>(c.name), c.widget);
    QCOMPARE(c.widget->geometry(), c.geometry);
    QCOMPARE(c.widget->isEnabled(), c.enabled);
    if (auto* button = qobject_cast<QPushButton*>(c.widget)) QCOMPARE(button->text(), c.text);
  }
  QCOMPARE(f.Label_File->text(), QString(" no file opened"));
  QVERIFY(f.Label_File->font().italic());
  QCOMPARE(f.StatusText->text(), welcome);

  // The list: five sections with their captions and widths, rows 16, header 17, extended selection.
  QHeaderView* header = f.ListBox->horizontalHeader();
  const char* captions[] = {"", "original path (Qel sub-directory)", "filename", "size", "type"};
  const int widths[] = {16, 260, 190, 65, 110};
  for (int section = 0; section < 5; ++section) {
    QCOMPARE(f.list_model().headerData(section, Qt::Horizontal).toString(), QString(captions[section]));
    QCOMPARE(header->sectionSize(section), widths[section]);
  }
  QCOMPARE(header->height(), 17);
  QCOMPARE(f.ListBox->verticalHeader()->defaultSectionSize(), 16);
  QCOMPARE(f.ListBox->selectionMode(), QAbstractItemView::ExtendedSelection);
  QCOMPARE(f.list_model().rowCount(), 0);
  // Each section keeps its own limits when its border is dragged.
  const struct {
    int section, asked, kept;
  } drags[] = {{0, 40, 16}, {1, 150, 200}, {1, 20000, 10000}, {2, 100, 190}, {3, 300, 300}, {4, 50, 110}};
  for (const auto& drag : drags) {
    header->resizeSection(drag.section, drag.asked);
    QCOMPARE(header->sectionSize(drag.section), drag.kept);
  }

  // The keyboard's order: Open, list, Save, Exit, About, Read me.
  QStringList order;
  const QStringList wanted = {"Button_Open", "ListBox", "Button_save", "Button_Exit", "Button_About", "Button_Readme"};
  QWidget* w = f.Button_Open;
  do {
    if (wanted.contains(w->objectName()) && !order.contains(w->objectName())) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != f.Button_Open);
  QCOMPARE(order, wanted);

  // The context menu: every item by name and caption; only remove_marker starts disabled.
  const struct {
    const char* name;
    QString caption;
  } items[] = {
      {"info_on_selected", "info on selected file"},
      {"selected_to_original", "to original directory(ies)"},
      {"selected_to_specified", "to specified directory..."},
      {"all_to_original", "to original directory(ies)"},
      {"all_to_specified", "to specified directory..."},
      {"selected_by_file", "of selected file (by specified file)"},
      {"selected_by_original", "by corresponding files in the original directories"},
      {"selected_by_specified", "by corresponding files in a specified directory..."},
      {"all_by_original", "of all files (by files in original directories)"},
      {"remove_marker", "remove marker(s)"},
  };
  for (const auto& item : items) {
    auto* action = f.PopupMenu->findChild<QAction*>(item.name);
    QVERIFY2(action, item.name);
    QCOMPARE(action->text(), item.caption);
    QCOMPARE(action->isEnabled(), QString(item.name) != "remove_marker");
  }
  const struct {
    const char* name;
    QString caption;
  } submenus[] = {{"extract_selected", "extract selected file(s)..."},
                  {"extract_all", "extract all files..."},
                  {"replace", "replace content..."},
                  {"selected", "of selected files..."}};
  for (const auto& sub : submenus) {
    auto* menu = f.PopupMenu->findChild<QMenu*>(sub.name);
    QVERIFY2(menu, sub.name);
    QCOMPARE(menu->title(), sub.caption);
  }
  QStringList top;
  for (QAction* action : f.PopupMenu->actions())
    top << (action->menu() ? action->menu()->objectName() : action->objectName());
  QCOMPARE(top, QStringList({"info_on_selected", "N1", "extract_selected", "extract_all", "N2", "replace", "remove_marker"}));

  QCOMPARE(f.OpenDialog1.title, QString("Open PAK Archive"));
  QCOMPARE(f.OpenDialog1.filter, QString("Qel PAK Archive (*.pak *.pk1)"));
  QCOMPARE(f.OpenDialog1.default_suffix, QString("pak"));
  QCOMPARE(f.OpenDialog2.title, QString("Choose file for replacement"));
  QCOMPARE(f.LMDDirDlg1.caption, QString("Specify directory for output"));
  QCOMPARE(f.Timer1->interval(), 100);
  QVERIFY(d.dialogs.boxes.empty());
}

void window_test::reads_the_game_directory_from_the_registry_data() {
  QTest::addColumn<QString>("system_reg");
  QTest::addColumn<QString>("game_directory");
  QTest::addColumn<QString>("open_dir");
  QTest::addColumn<QString>("chooser_dir");
  QTest::addColumn<QString>("chooser_path");
  QTest::addColumn<QString>("error");
  // An empty system_reg means: no prefix at all.
  QTest::newRow("no prefix") << "" << "C:\\temp\\" << "C:\\temp\\packs\\" << "C:\\temp\\" << "C:\\temp\\" << "";
  QTest::newRow("no key") << "WINE REGISTRY Version 2\n[Software\\\\Other] 1\n\"InstallDir\"=\"E:\\\\\"\n"
                          << "C:\\temp\\" << "C:\\temp\\packs\\" << "C:\\temp\\" << "C:\\temp\\" << "";
  QTest::newRow("REG_SZ") << QString::fromStdString(reg_with("\"InstallDir\"=\"D:\\\\Games\\\\Dunmarrow\\\\\""))
                          << "D:\\Games\\Dunmarrow\\" << "D:\\Games\\Dunmarrow\\packs\\" << "D:\\Games\\Dunmarrow\\"
                          << "D:\\Games\\Dunmarrow\\" << "";
  QTest::newRow("REG_EXPAND_SZ as stored")
      << QString::fromStdString(reg_with("\"InstallDir\"=str(2):\"%ProgramFiles%\\\\Qel\\\\\""))
      << "%ProgramFiles%\\Qel\\" << "%ProgramFiles%\\Qel\\packs\\" << "%ProgramFiles%\\Qel\\" << "%ProgramFiles%\\Qel\\"
      << "";
  QTest::newRow("no trailing backslash") << QString::fromStdString(reg_with("\"InstallDir\"=\"D:\\\\Games\\\\X\""))
                                         << "D:\\Games\\X" << "D:\\Games\\Xpacks\\" << "D:\\Games\\X" << "D:\\Games\\X"
                                         << "";
  QTest::newRow("not text") << QString::fromStdString(reg_with("\"InstallDir\"=dword:00000001")) << ""
                            << "C:\\temp" << "C:\\temp\\" << "" << "Invalid data type for 'InstallDir'";
}

void window_test::reads_the_game_directory_from_the_registry() {
  QFETCH(QString, system_reg);
  QFETCH(QString, game_directory);
  desk d(system_reg.toStdString());
  QCOMPARE(QString::fromStdString(d.form->state().game_directory), game_directory);
  QTEST(QString::fromStdString(d.form->OpenDialog1.initial_dir), "open_dir");
  QTEST(QString::fromStdString(d.form->LMDDirDlg1.initial_dir), "chooser_dir");
  QTEST(QString::fromStdString(d.form->LMDDirDlg1.path), "chooser_path");
  QFETCH(QString, error);
  if (error.isEmpty()) {
    QVERIFY(d.dialogs.boxes.empty());
  } else {
    QCOMPARE(d.dialogs.boxes.size(), std::size_t{1});
    QCOMPARE(d.dialogs.boxes[0].kind, ui::box_kind::error);
    QCOMPARE(d.dialogs.boxes[0].caption, QString("Qel Stowix"));
    QCOMPARE(d.dialogs.boxes[0].text, error);
    QCOMPARE(d.form->StatusText->text(), welcome);  // the window was made all the same
  }
}

void window_test::opens_an_archive_and_keeps_it_on_cancel_and_refusal() {
  desk d;
  TForm1& f = *d.form;
  QAbstractItemModelTester tester(&f.list_model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
  const std::string path = d.write_archive();
  d.open(path);

  QCOMPARE(d.dialogs.open_requests.size(), std::size_t{1});
  QCOMPARE(d.dialogs.open_requests[0].title, QString("Open PAK Archive"));
  QCOMPARE(d.dialogs.open_requests[0].default_suffix, QString("pak"));
  // C:\temp\packs\ with no C: link in the prefix lies under drive_c.
  QCOMPARE(d.dialogs.open_requests[0].initial_dir, QString::fromStdString(d.dir / "prefix/drive_c/temp/packs/"));

  QCOMPARE(f.Label_File->text(), QString::fromStdString(" " + path));
  QVERIFY(!f.Label_File->font().italic());
  QVERIFY(f.ListBox->isEnabled());
  QVERIFY(!f.Button_save->isEnabled());
  QTRY_COMPARE(f.StatusText->text(),
               QString(" Package opened, 4 entries found and analyzed. Right-click on a list entry for options."));
  QCOMPARE(f.list_model().rowCount(), 4);
  QCOMPARE(d.cell(0, 1), QString("textures\\"));
  QCOMPARE(d.cell(0, 2), QString("wall.bmp"));
  QCOMPARE(d.cell(0, 3), QString("1.50 KB"));
  QCOMPARE(d.cell(3, 1), QString("a\\b\\"));
  QCOMPARE(f.list().selected_rows(), std::vector<std::size_t>{0});
  QCOMPARE(f.list().item_index(), std::optional<std::size_t>(0));
  QCOMPARE(f.OpenDialog1.file_name, path);

  d.mark(1, d.dir / "new_readme.txt");
  QCOMPARE(d.cell(1, 0), QString(" * "));
  QVERIFY(f.Button_save->isEnabled());

  const auto unchanged = [&] {
    QCOMPARE(f.Label_File->text(), QString::fromStdString(" " + path));
    QCOMPARE(f.list_model().rowCount(), 4);
    QCOMPARE(d.cell(1, 0), QString(" * "));
    QVERIFY(f.state().cat.entries[1].marked);
    QVERIFY(f.Button_save->isEnabled());
    QCOMPARE(f.OpenDialog1.file_name, path);
  };
  f.Button_Open->click();  // cancelled
  unchanged();

  d.open(write_file(d.dir / "other.pak", std::string("PK\3\4 a zip, not a pak")));
  QCOMPARE(d.texts_of(ui::box_kind::message), std::vector<QString>{"This file is not a Qel PAK file!"});
  QCOMPARE(d.dialogs.boxes.back().caption, QString("Qel Stowix"));
  unchanged();
}

void window_test::menu_items_follow_the_selection() {
  desk d;
  TForm1& f = *d.form;
  d.open(d.write_archive());
  d.mark(1, d.dir / "anything");

  const struct {
    const char* why;
    std::initializer_list<int> selected;
    bool single, remove;
  } cases[] = {
      {"no row selected", {}, false, false},
      {"one unmarked row", {0}, true, false},
      {"one marked row", {1}, true, true},
      {"two rows, one marked", {0, 1}, false, true},
      {"one unmarked row while another row is marked", {2}, true, false},
  };
  QList<QAction*> steady = {f.selected_to_original, f.selected_to_specified, f.all_to_original, f.all_to_specified,
                            f.selected_by_original, f.selected_by_specified, f.all_by_original};
  for (const auto& c : cases) {
    d.select(c.selected, 3);
    // The menu key reaches the list as a keyboard context-menu event.
    QContextMenuEvent key_menu(QContextMenuEvent::Keyboard, QPoint(4, 4), f.ListBox->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(f.ListBox, &key_menu);
    QVERIFY2(f.PopupMenu->isVisible(), c.why);
    QVERIFY2(f.info_on_selected->isEnabled() == c.single, c.why);
    QVERIFY2(f.selected_by_file->isEnabled() == c.single, c.why);
    QVERIFY2(f.remove_marker->isEnabled() == c.remove, c.why);
    for (QAction* action : steady) QVERIFY2(action->isEnabled(), c.why);
    f.PopupMenu->hide();
  }
  QTest::keyClick(f.ListBox, Qt::Key_F10, Qt::ShiftModifier);
  QVERIFY(f.PopupMenu->isVisible());
  f.PopupMenu->hide();
}

void window_test::reports_on_the_selected_entry() {
  desk d;
  TForm1& f = *d.form;
  pak_builder pak;
  pak.add("textures/wall.bmp", std::string(1536, 'w')).add("notes/readme.txt", "hello").add("intro.bik", "bb");
  const std::string path = write_file(d.dir / "x.pak", pak.build());
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  d.open(path);
  const auto hex = [](std::int64_t v) { return QString("%1").arg(v, 8, 16, QChar('0')).toUpper(); };
  const std::int64_t first = data_offset_of(pak, 0);

  // The first row, unmarked: the whole text, byte for byte.
  f.info_on_selected->trigger();
  const QString expected = "Name: \t\t\twall.bmp\n \nOriginal path: \t\tC:\\temp\\textures\\ \nStored in: \t\t" +
                           QString::fromStdString(path) + " \nas entry #: \t\t1 \n\nStart address: \t\t" + hex(first) +
                           "  (" + QString::number(first) + ") \nEnd address: \t\t" + hex(first + 1536) + "  (" +
                           QString::number(first + 1536) + ") \nSize: \t\t\t1536 Bytes \n\nAdditional Info: \n" +
                           QString::fromUtf8(archive::type_description_of("bmp").data()) + "\n ";
  QCOMPARE(d.dialogs.boxes.size(), std::size_t{1});
  QCOMPARE(d.dialogs.boxes[0].kind, ui::box_kind::report);
  QCOMPARE(d.dialogs.boxes[0].caption, QString("Info on File:  wall.bmp"));
  QCOMPARE(d.dialogs.boxes[0].text, expected);

  // Row 1 selected while the focus rests on row 2 (a Ctrl-click there): the report is on row 1.
  d.select({1}, 2);
  f.info_on_selected->trigger();
  QCOMPARE(d.dialogs.boxes.back().caption, QString("Info on File:  readme.txt"));
  QVERIFY(d.dialogs.boxes.back().text.contains("as entry #: \t\t2 \n"));

  // A marked entry names its replacement, then an empty line.
  const std::string replacement = d.dir / "better.txt";
  d.mark(1, replacement);
  f.info_on_selected->trigger();
  QVERIFY(d.dialogs.boxes.back().text.contains(
      " Bytes \n\nTo be replaced by: \t" + QString::fromStdString(replacement) + "\n\nAdditional Info: \n"));

  // Enter and a double-click report too; with two rows selected nothing is shown.
  const std::size_t before = d.dialogs.boxes.size();
  d.select({2}, 2);
  QTest::keyClick(f.ListBox, Qt::Key_Return);
  QCOMPARE(d.dialogs.boxes.size(), before + 1);
  QCOMPARE(d.dialogs.boxes.back().caption, QString("Info on File:  intro.bik"));
  d.select({0}, 0);
  emit f.ListBox->doubleClicked(f.list_model().index(0, 2));
  QCOMPARE(d.dialogs.boxes.back().caption, QString("Info on File:  wall.bmp"));
  d.select({0, 1}, 0);
  f.info_on_selectedClick();
  QCOMPARE(d.dialogs.boxes.size(), before + 2);
}

void window_test::splash_opens_once_by_timer_and_again_on_about() {
  desk d;
  TForm1& f = *d.form;
  TForm_Splash splash(&f);
  f.set_splash(&splash);
  QCOMPARE(splash.size(), QSize(452, 452));
  QCOMPARE(splash.LMDLabel1->text(), QString("1.01"));
  QCOMPARE(splash.LMDLabel1->geometry(), QRect(343, 338, 25, 18));
  f.show();

  QTRY_COMPARE(d.dialogs.modal_showings, 1);
  QVERIFY(splash.isVisible());
  QVERIFY(!f.Timer1->isActive());
  ui::scroll_text& ticker = *splash.LMDScrollText1;
  QVERIFY(ticker.running());
  // Left alone, the ticker crosses once and stops; the window stays open.
  for (int i = 0; i < 2 * ui::scroll_text::step_count; ++i) ticker.advance();
  QCOMPARE(ticker.step(), ui::scroll_text::step_count);
  QVERIFY(!ticker.running());
  QVERIFY(splash.isVisible());
  QTest::mouseClick(splash.LMDLabel1, Qt::LeftButton);
  QVERIFY(!splash.isVisible());

  QTest::qWait(250);  // the timer had its one tick
  QCOMPARE(d.dialogs.modal_showings, 1);

  // About shows it again with the ticker running from its start; the picture and the notice close it too.
  f.Button_About->click();
  QCOMPARE(d.dialogs.modal_showings, 2);
  QVERIFY(splash.isVisible());
  QVERIFY(ticker.running());
  QVERIFY(ticker.step() < ui::scroll_text::step_count);
  QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(10, 10));
  QVERIFY(!splash.isVisible());
  f.Button_About->click();
  QCOMPARE(d.dialogs.modal_showings, 3);
  QTest::mouseClick(splash.Label1, Qt::LeftButton);
  QVERIFY(!splash.isVisible());

  // The text enters at the right edge and moves left.
  ticker.restart();
  QCOMPARE(ticker.text_left(), ticker.width());
  ticker.advance();
  QVERIFY(ticker.text_left() < ticker.width());
}

void window_test::read_me_hands_the_program_directory_file_to_the_desktop() {
  desk d;
  d.form->Button_Readme->click();
  QCOMPARE(d.dialogs.documents, std::vector<QString>{QCoreApplication::applicationDirPath() + "/readme.txt"});
}

void window_test::closing_with_marks_pending_asks_nothing_and_writes_nothing() {
  desk d;
  TForm1& f = *d.form;
  f.show();
  const std::string path = d.write_archive();
  const bytes before = read_file(path);
  d.open(path);
  d.mark(0, d.dir / "replacement.bmp");
  QVERIFY(f.Button_save->isEnabled());
  f.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(f.ListBox, Qt::Key_O, Qt::ControlModifier);  // Ctrl+O shows the chooser; cancelled here
  QCOMPARE(d.dialogs.open_requests.size(), std::size_t{3});

  f.Button_Exit->click();
  QVERIFY(!f.isVisible());
  QVERIFY(f.state().cat.entries.empty());
  QVERIFY(d.dialogs.questions.empty());
  QCOMPARE(read_file(path), before);
}

void window_test::a_million_rows_select_and_count_by_ranges() {
  desk d;
  TForm1& f = *d.form;
  platform::list_box& list = f.list();
  list.set_enabled(true);
  list.reset_rows(1'000'000);
  QCOMPARE(f.list_model().rowCount(), 1'000'000);
  f.ListBox->selectAll();
  f.ListBox->selectionModel()->select(f.list_model().index(500'000, 0),
                                      QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
  QCOMPARE(list.selected_count(), std::size_t{999'999});
  QVERIFY(!list.is_selected(500'000));
  QVERIFY(list.is_selected(999'999));
  const auto rows = list.selected_rows();
  QCOMPARE(rows.size(), std::size_t{999'999});
  QCOMPARE(rows[500'000], std::size_t{500'001});
  list.set_marker(999'999, " * ");
  QCOMPARE(list.marker(999'999), std::string(" * "));
  f.ListBox->scrollToBottom();
  QCOMPARE(f.list_model().index(999'999, 0).data().toString(), QString(" * "));
}

void window_test::status_line_always_ends_on_the_last_text() {
  QLabel label;
  ui::status_line status(label);
  status.set_text(" Busy...");
  QCOMPARE(label.text(), QString(" Busy..."));  // painted at once
  for (int i = 0; i < 1000; ++i) status.set_text(" " + std::to_string(i) + " files extracted.");
  QCOMPARE(status.text(), std::string(" 999 files extracted."));
  QTRY_COMPARE(label.text(), QString(" 999 files extracted."));
}

QTEST_MAIN(window_test)
#include "window_test.moc"
