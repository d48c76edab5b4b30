// Opens an archive in the main window on the offscreen platform, paints it,
// then selects every row and opens the context menu; prints how long each
// step took. The whole process is timed from outside by bench/window.sh.
//   window_open ARCHIVE
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <cstdio>

#include "platform/files.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/Unit1.h"
#include "ui/entry_list_view.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_open ARCHIVE\n");
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
