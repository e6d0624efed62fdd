#include "shell/failure_messages.h"

#include "platform/code_page.h"
#include "shell/string_table.h"

namespace spinfolio {

MessageRequest FileWriteFailure(const FileFailure& failure, int languageIndex) {
  const QString file = NativeText(failure.file);
  const QString reason = QString::fromLocal8Bit(failure.reason.message());
  const QString text = languageIndex == 0
                           ? QStringLiteral("Cannot write the file \"%1\": %2").arg(file, reason)
                           : QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(file, reason);
  return {text, LocalText(kCaptionError, languageIndex), MessageIcon::Error, MessageButtons::Ok};
}

}  // namespace spinfolio
