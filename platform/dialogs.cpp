#include "platform/dialogs.h"

namespace spinfolio {

MessageRequest MissingLibraryWarning(const QString& libraryFileName) {
  return {
      QStringLiteral("Nie znaleziono wymaganej biblioteki '") + libraryFileName + QLatin1Char('\''),
      QStringLiteral("Ostrzeżenie"), MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace spinfolio
