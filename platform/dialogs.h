#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace spinfolio {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

struct TextPromptRequest {
  QString caption;
  QString prompt;
  QString initialText;
};

/// A file dialog. The filter is written as pairs "description|patterns|description|patterns",
/// patterns separated by ";".
struct FileDialogRequest {
  QString title;
  QString filter;
  QString defaultSuffix;
  QString initialPath;
  bool confirmOverwrite = false;
};

struct FolderRequest {
  QString title;
  QString initialFolder;
};

/// Every message box, text prompt, file dialog and folder browser of the program is shown through
/// this interface, so that tests can script the answers and check what was asked.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) = 0;
  /// The text typed, or nullopt when cancelled.
  virtual std::optional<QString> askText(QWidget* owner, const TextPromptRequest& request) = 0;
  virtual std::optional<QString> chooseFileToOpen(QWidget* owner,
                                                  const FileDialogRequest& request) = 0;
  virtual std::optional<QString> chooseFileToSave(QWidget* owner,
                                                  const FileDialogRequest& request) = 0;
  virtual std::optional<QString> chooseFolder(QWidget* owner, const FolderRequest& request) = 0;
};

/// The warning shown when a library loaded at run time is missing; the text is Polish in both
/// languages.
MessageRequest MissingLibraryWarning(const QString& libraryFileName);

}  // namespace spinfolio
