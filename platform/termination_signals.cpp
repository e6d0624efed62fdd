#include "platform/termination_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace spinfolio {
namespace {

// The write end is used from the signal handler, where only async-signal-safe calls are allowed.
int gSignalPipe[2] = {-1, -1};
constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnTerminationSignal(int signalNumber) {
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t ignored = ::write(gSignalPipe[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalPipe) != 0) {
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(gSignalPipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  for (const int number : kSignals) ::signal(number, SIG_DFL);
  notifier_.reset();
  for (int& fd : gSignalPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void TerminationSignals::readSignal() {
  unsigned char byte = 0;
  while (::read(gSignalPipe[0], &byte, 1) == 1) Q_EMIT terminationRequested(byte);
}

}  // namespace spinfolio
