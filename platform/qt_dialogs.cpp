#include "platform/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace spinfolio {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

// The answer of a box closed without a button.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      break;
  }
  return MessageAnswer::Cancel;
}

MessageAnswer Answer(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return EscapeAnswer(buttons);
  }
}

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, request.title, request.initialPath);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtNameFilters(request.filter));
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  static const QRegularExpression trailingList(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    description.remove(trailingList);
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

MessageAnswer QtDialogs::showMessage(QWidget* owner, const MessageRequest& request) {
  if (unattended_) return EscapeAnswer(request.buttons);
  QMessageBox box(QtIcon(request.icon), request.caption, request.text, QtButtons(request.buttons),
                  owner);
  return Answer(box.exec(), request.buttons);
}

std::optional<QString> QtDialogs::askText(QWidget* owner, const TextPromptRequest& request) {
  if (unattended_) return std::nullopt;
  bool accepted = false;
  QString text = QInputDialog::getText(owner, request.caption, request.prompt, QLineEdit::Normal,
                                       request.initialText, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

std::optional<QString> QtDialogs::chooseFileToOpen(QWidget* owner,
                                                   const FileDialogRequest& request) {
  if (unattended_) return std::nullopt;
  return RunFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::chooseFileToSave(QWidget* owner,
                                                   const FileDialogRequest& request) {
  if (unattended_) return std::nullopt;
  return RunFileDialog(owner, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::chooseFolder(QWidget* owner, const FolderRequest& request) {
  if (unattended_) return std::nullopt;
  const QString folder =
      QFileDialog::getExistingDirectory(owner, request.title, request.initialFolder);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

}  // namespace spinfolio
