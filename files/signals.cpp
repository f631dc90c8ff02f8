#include "files/signals.h"

#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>

namespace draftcalc::files {
namespace {

// Read by the signal handler, which may run between any two instructions:
// the name is complete whenever `pending` is set.
char pendingName[PATH_MAX + 1];
volatile std::sig_atomic_t pending = 0;

extern "C" void RemoveAndEnd(int signal) {
  if (pending != 0) unlink(pendingName);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

void RemoveTemporaryFileOnSignals() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
  }
}

void RememberTemporaryFile(std::string_view path) {
  pending = 0;
  if (path.size() > PATH_MAX) return;
  std::memcpy(pendingName, path.data(), path.size());
  pendingName[path.size()] = '\0';
  pending = 1;
}

void ForgetTemporaryFile() { pending = 0; }

}  // namespace draftcalc::files
