#include "platform/clock.h"

namespace spinfolio {

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

}  // namespace spinfolio
