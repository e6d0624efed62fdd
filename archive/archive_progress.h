#pragma once

#include <string>

namespace spinfolio::archive {

/// What packing and unpacking show while they work: the progress window of a call, or nothing
/// when the calling process has no windows. Texts are UTF-8.
class ArchiveProgress {
 public:
  virtual ~ArchiveProgress() = default;

  /// The two label texts: the heading ("Please wait") and what is being done.
  virtual void setTexts(const std::string& heading, const std::string& activity) = 0;
  /// Sets only what is being done.
  virtual void setActivity(const std::string& activity) = 0;
  /// Whole-window opacity, 0 (invisible) to 255.
  virtual void setOpacity(int opacity) = 0;
  virtual void setMaximum(int maximum) = 0;
  virtual void setPosition(int position) = 0;
  virtual void show() = 0;
  /// Lets the windows of both programs repaint; cheap to call often, as it acts at most every
  /// few tens of milliseconds.
  virtual void processMessages() = 0;
  /// Tells the user that something went wrong; the text is complete and in the call's language.
  virtual void reportError(const std::string& text) = 0;
};

/// Shows nothing; errors go to the standard error stream.
class SilentProgress final : public ArchiveProgress {
 public:
  void setTexts(const std::string&, const std::string&) override {}
  void setActivity(const std::string&) override {}
  void setOpacity(int) override {}
  void setMaximum(int) override {}
  void setPosition(int) override {}
  void show() override {}
  void processMessages() override {}
  void reportError(const std::string& text) override;
};

}  // namespace spinfolio::archive
