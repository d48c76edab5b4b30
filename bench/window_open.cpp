// Opens an archive in the main window on the offscreen platform and paints
// it; with --menu it then selects every row and opens the context menu.
// Prints how long each step took. bench/window.sh times the whole process.
//   window_open ARCHIVE [--menu]
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <cstdio>
#include <string_view>

#include "platform/files.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/Unit1.h"
#include "ui/entry_list_view.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const bool menu = argc == 3 && std::string_view(argv[2]) == "--menu";
  if (argc != 2 && !menu) {
    std::fprintf(stderr, "usage: window_open ARCHIVE [--menu]\n");
    return 2;
  }
  scripted_dialogs dialogs;
  TForm1 form(dialogs, platform::system_files());
  form.Timer1->stop();  // no splash in a measurement
  form.show();
  QApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  form.open_archive(argv[1]);
  QApplication::processEvents();  // the rows are painted
  const qint64 open_ms = clock.elapsed();
  if (!menu) {
    std::printf("rows %zu, open and paint %lld ms\n", form.state().cat.entries.size(), static_cast<long long>(open_ms));
    return 0;
  }

  clock.restart();
  form.ListBox->selectAll();
  form.PopupMenu->popup(form.ListBox->mapToGlobal(QPoint(40, 40)));  // runs PopupMenuPopup first
  QApplication::processEvents();
  const qint64 menu_ms = clock.elapsed();
  form.PopupMenu->close();

  std::printf("rows %lld, open and paint %lld ms, select all and open the menu %lld ms\n",
              static_cast<long long>(form.state().cat.entries.size()), static_cast<long long>(open_ms),
              static_cast<long long>(menu_ms));
  return 0;
}
