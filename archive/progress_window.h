#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "archive/archive_progress.h"

class QLabel;
class QProgressBar;

namespace spinfolio::archive {

/// The small borderless window shown while a catalog is packed or unpacked: the picture, a
/// heading, what is being done and a vertical progress bar along the right edge.
class TForm7 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm7(QWidget* parent = nullptr);
  ~TForm7() override;

  /// Whole-window opacity, 0 (invisible) to 255.
  void setOpacity(int opacity);
  /// Shows the window in the middle of the screen of the active window, or of the primary one.
  void showCentred();

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
};

/// The progress of a call made by a program with windows: drives a TForm7 of its own.
class QtArchiveProgress final : public ArchiveProgress {
 public:
  QtArchiveProgress();
  ~QtArchiveProgress() override;

  void setTexts(const std::string& heading, const std::string& activity) override;
  void setActivity(const std::string& activity) override;
  void setOpacity(int opacity) override;
  void setMaximum(int maximum) override;
  void setPosition(int position) override;
  void show() override;
  void processMessages() override;
  void reportError(const std::string& text) override;

  TForm7& window() { return *window_; }

 private:
  std::unique_ptr<TForm7> window_;
  QElapsedTimer sinceEvents_;  // invalid until events are first processed
};

/// The progress window when the calling process has a QApplication, otherwise nothing.
std::unique_ptr<ArchiveProgress> MakeArchiveProgress();

}  // namespace spinfolio::archive
