#pragma once

#include <chrono>
#include <functional>

namespace spinfolio {

/// Calls a progress callback from a long loop at most once per interval, so that a window can
/// repaint without slowing the loop; an empty callback is never called.
class ProgressTicker {
 public:
  ProgressTicker(const std::function<void()>& progress, std::chrono::milliseconds interval)
      : progress_(progress), interval_(interval), last_(Clock::now()) {}

  void tick() {
    if (!progress_ || Clock::now() - last_ < interval_) return;
    progress_();
    last_ = Clock::now();
  }

 private:
  using Clock = std::chrono::steady_clock;

  const std::function<void()>& progress_;
  std::chrono::milliseconds interval_;
  Clock::time_point last_;
};

}  // namespace spinfolio
