#pragma once
// The window's dialogs for tests: every box, question, chooser, modal showing
// and opened document is recorded; answers come from queues (an empty queue
// cancels). Nothing blocks: a modal showing only shows the window.
#include <QDialog>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/dialogs.h"

struct recorded_box {
  ui::box_kind kind;
  QString caption;
  QString text;
};

class scripted_dialogs : public ui::dialogs {
 public:
  void show_box(QWidget*, ui::box_kind kind, const QString& caption, const QString& text) override {
    boxes.push_back({kind, caption, text});
  }
  platform::answer ask(QWidget*, const platform::question& q) override {
    questions.push_back(q);
    return take(answers, platform::answer::cancel);
  }
  std::optional<QString> open_file(QWidget*, const ui::open_dialog_settings& settings) override {
    open_requests.push_back(settings);
    return take(files, std::optional<QString>());
  }
  std::optional<QString> choose_directory(QWidget*, const QString& caption, const QString& start) override {
    directory_requests.push_back({caption, start});
    return take(directories, std::optional<QString>());
  }
  void show_modal(QDialog* dialog) override {
    ++modal_showings;
    dialog->show();
  }
  void open_document(const QString& native_path) override { documents.push_back(native_path); }

  std::vector<recorded_box> boxes;
  std::vector<platform::question> questions;
  std::vector<ui::open_dialog_settings> open_requests;
  std::vector<std::pair<QString, QString>> directory_requests;
  int modal_showings = 0;
  std::vector<QString> documents;

  std::deque<platform::answer> answers;
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<QString>> directories;

 private:
  static platform::answer take(std::deque<platform::answer>& queue, platform::answer fallback) {
    if (queue.empty()) return fallback;
    const platform::answer next = queue.front();
    queue.pop_front();
    return next;
  }
  // Built from the text rather than copied whole: GCC 12 at -O2 warns about
  // copying an optional QString that it wrongly takes for uninitialised.
  static std::optional<QString> take(std::deque<std::optional<QString>>& queue, std::optional<QString>) {
    if (queue.empty()) return std::nullopt;
    const bool chosen = queue.front().has_value();
    const QString text = chosen ? *queue.front() : QString();
    queue.pop_front();
    if (!chosen) return std::nullopt;
    return std::optional<QString>(std::in_place, text);
  }
};
