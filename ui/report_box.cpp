#include "ui/report_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

void show_report_box(QWidget* parent, const QString& caption, const QString& text) {
  QDialog box(parent);
  box.setWindowTitle(caption);

  auto* view = new QTextEdit(&box);
  view->setReadOnly(true);
  view->setAcceptRichText(false);
  view->setPlainText(text);
  view->setFrameStyle(QFrame::NoFrame);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette palette = view->palette();
  palette.setColor(QPalette::Base, box.palette().color(QPalette::Window));
  view->setPalette(palette);
  view->document()->setDocumentMargin(0);

  const QFontMetrics metrics(view->font());
  const int tab = 8 * metrics.averageCharWidth();
  view->setTabStopDistance(tab);
  // As wide as the longest line with its tabs, within reason; as high as the text.
  const int widest = metrics.boundingRect(QRect(), Qt::TextExpandTabs, text, tab).width();
  const int width = std::clamp(widest + 8, 280, 560);
  view->setFixedWidth(width);
  view->document()->setTextWidth(width);
  view->setFixedHeight(std::min(static_cast<int>(view->document()->size().height()) + 4, 600));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->setContentsMargins(12, 8, 12, 10);
  layout->addWidget(view);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
  box.exec();
}

}  // namespace ui
