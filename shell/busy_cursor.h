#pragma once

#include <QApplication>

namespace spinfolio {

/// Shows the busy cursor from construction until end() or the end of the scope.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  ~BusyCursor() { end(); }

  void end() {
    if (!on_) return;
    QApplication::restoreOverrideCursor();
    on_ = false;
  }

 private:
  bool on_ = true;
};

}  // namespace spinfolio
