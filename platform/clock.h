#pragma once

#include <QDateTime>

namespace spinfolio {

/// The time of day, replaceable in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
 public:
  QDateTime now() const override;
};

}  // namespace spinfolio
