// Puts a content list of a million entries into the browse list of the main window and
// measures the time until its first screen is painted, then scrolls and counts the rows painted.
//
//   list_bench [--entries N]

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "platform/qt_dialogs.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace {

// Counts the rows the view asks to paint, and hands them to the list's own painter.
class CountingDelegate final : public QStyledItemDelegate {
 public:
  CountingDelegate(QAbstractItemDelegate* painter, QObject* parent)
      : QStyledItemDelegate(parent), painter_(painter) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    ++painted;
    painter_->paint(painter, option, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return painter_->sizeHint(option, index);
  }
  mutable long painted = 0;

 private:
  QAbstractItemDelegate* painter_;
};

spinfolio::Lines ContentList(int entries) {
  spinfolio::Lines lines;
  lines.reserve(static_cast<std::size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    lines.push_back("<n>Folder" + std::to_string(i % 97) + "\\Sub" + std::to_string(i % 13) +
                    "\\file_" + std::to_string(i) + (i % 3 == 0 ? ".avi" : ".mp3") + "</n><r>" +
                    std::to_string(i % 1000) + ".50 KB</r>");
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  int entries = 1000000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--entries") entries = std::stoi(argv[i + 1]);
  }
  QApplication application(argc, argv);
  spinfolio::QtDialogs dialogs;
  const spinfolio::SystemClock clock;
  spinfolio::StartContext context;
  context.programFolder = "/nonexistent/";
  context.lockFile = "/nonexistent/lock";
  context.clock = &clock;
  context.dialogs = &dialogs;
  spinfolio::TForm1 form(std::move(context));
  form.show();
  QCoreApplication::processEvents();

  QListView* list = form.ListBox2;
  auto* counting = new CountingDelegate(list->itemDelegate(), &form);
  list->setItemDelegate(counting);
  auto* model = qobject_cast<spinfolio::LineListModel*>(list->model());
  spinfolio::Lines lines = ContentList(entries);

  QElapsedTimer timer;
  timer.start();
  model->setLines(std::move(lines));
  list->doItemsLayout();
  list->viewport()->repaint();
  const qint64 firstScreen = timer.elapsed();
  const long firstRows = counting->painted;

  counting->painted = 0;
  timer.restart();
  for (int step = 0; step < 20; ++step) {
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum() * step / 20);
    QCoreApplication::processEvents();
  }
  const qint64 scrolling = timer.elapsed();
  std::printf("%d entries: first screen painted in %lld ms (%ld rows painted)\n", entries,
              static_cast<long long>(firstScreen), firstRows);
  std::printf("20 scroll steps: %lld ms, %ld rows painted (%ld a step; %d rows visible)\n",
              static_cast<long long>(scrolling), counting->painted, counting->painted / 20,
              list->viewport()->height() / 17 + 1);
  return 0;
}
