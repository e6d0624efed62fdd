#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"
#include "tests/support/qt_printers.h"

namespace spinfolio::test {

/// Dialogs for tests: records every request and gives the answers queued beforehand; without a
/// queued answer a box gets its escape answer and a chooser is cancelled.
class ScriptedDialogs final : public Dialogs {
 public:
  MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) override;
  std::optional<QString> askText(QWidget* owner, const TextPromptRequest& request) override;
  std::optional<QString> chooseFileToOpen(QWidget* owner,
                                          const FileDialogRequest& request) override;
  std::optional<QString> chooseFileToSave(QWidget* owner,
                                          const FileDialogRequest& request) override;
  std::optional<QString> chooseFolder(QWidget* owner, const FolderRequest& request) override;

  std::deque<MessageAnswer> messageAnswers;
  std::deque<std::optional<QString>> textAnswers;  // prompts and every chooser, in order

  std::vector<MessageRequest> messages;
  std::vector<TextPromptRequest> prompts;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<FolderRequest> folderDialogs;

 private:
  std::optional<QString> nextText();
};

}  // namespace spinfolio::test
