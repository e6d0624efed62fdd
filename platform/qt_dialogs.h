#pragma once

#include <QStringList>

#include "platform/dialogs.h"

namespace spinfolio {

/// The dialogs of the running program, shown with Qt's standard boxes.
class QtDialogs final : public Dialogs {
 public:
  /// From now on no box is shown and each gets the answer of its escape button: the program is
  /// being ended from outside and nobody is there to answer.
  void answerUnattended() { unattended_ = true; }

  MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) override;
  std::optional<QString> askText(QWidget* owner, const TextPromptRequest& request) override;
  std::optional<QString> chooseFileToOpen(QWidget* owner,
                                          const FileDialogRequest& request) override;
  std::optional<QString> chooseFileToSave(QWidget* owner,
                                          const FileDialogRequest& request) override;
  std::optional<QString> chooseFolder(QWidget* owner, const FolderRequest& request) override;

 private:
  bool unattended_ = false;
};

/// "Archives (*.sfa)|*.sfa|Older|*.sfz;data1.z" in Qt's form "Archives (*.sfa)", "Older (*.sfz
/// data1.z)": a description's own parenthesised list is replaced by the real patterns.
QStringList QtNameFilters(const QString& filter);

}  // namespace spinfolio
