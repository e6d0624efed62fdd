#include "tests/support/scripted_dialogs.h"

namespace spinfolio::test {

MessageAnswer ScriptedDialogs::showMessage(QWidget*, const MessageRequest& request) {
  messages.push_back(request);
  if (!messageAnswers.empty()) {
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
  }
  switch (request.buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Cancel;
  }
}

std::optional<QString> ScriptedDialogs::nextText() {
  if (textAnswers.empty()) return std::nullopt;
  const bool given = textAnswers.front().has_value();
  QString text = given ? *textAnswers.front() : QString();
  textAnswers.pop_front();
  if (!given) return std::nullopt;
  return text;
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const TextPromptRequest& request) {
  prompts.push_back(request);
  return nextText();
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(QWidget*,
                                                         const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return nextText();
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(QWidget*,
                                                         const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return nextText();
}

std::optional<QString> ScriptedDialogs::chooseFolder(QWidget*, const FolderRequest& request) {
  folderDialogs.push_back(request);
  return nextText();
}

}  // namespace spinfolio::test
