#pragma once
// The window's dialogs as components with settings: the archive chooser
// (OpenDialog1), the replacement chooser (OpenDialog2) and the directory
// chooser (LMDDirDlg1). Directories are held in the program's form
// ("C:\temp\packs\") and turned native only when a dialog is shown.
#include <QString>
#include <string>

#include "ui/dialogs.h"

namespace platform {
class files;
}

namespace ui {

struct file_dialog_component {
  QString title;
  QString filter;
  QString default_suffix;
  std::string initial_dir;
  std::string file_name;  // the last confirmed choice
};

struct directory_dialog_component {
  QString caption = QStringLiteral("Specify directory for output");
  std::string initial_dir = "C:\\temp\\";
  std::string path;
  // Where a showing starts: initial_dir unless it is empty, else path.
  const std::string& start() const { return initial_dir.empty() ? path : initial_dir; }
};

inline file_dialog_component archive_chooser() {
  return {QStringLiteral("Open PAK Archive"), QStringLiteral("Qel PAK Archive (*.pak *.pk1)"), QStringLiteral("pak"),
          "C:\\temp", {}};
}

inline file_dialog_component replacement_chooser() {
  return {QStringLiteral("Choose file for replacement"), QStringLiteral("all (*)"), {}, {}, {}};
}

// The settings a dialog is shown with, its directory made native.
open_dialog_settings settings_of(const file_dialog_component& component, const platform::files& fs);

}  // namespace ui
