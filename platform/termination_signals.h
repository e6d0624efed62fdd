#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace spinfolio {

/// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the GUI thread, so the
/// program can close its window normally instead of dying with the catalog unsaved.
class TerminationSignals final : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 Q_SIGNALS:
  void terminationRequested(int signalNumber);

 private:
  void readSignal();

  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace spinfolio
