// The stop signals: an async-signal-safe handler (an atomic flag and a write to a pipe)
// and the thread that turns each wake-up of the pipe into a posted AppTerminate.
#include "framework/stopsignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <string>
#include <system_error>
#include <thread>

#include "platform/events.h"
#include "platform/print.h"

namespace {

std::atomic<int> pending{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler needs a lock-free flag");
int wakeWrite = -1;  // written by the handler; set before the handlers exist

void OnStopSignal(int sig) {
  const int savedErrno = errno;
  if (pending.exchange(1) != 0) {
    // Asked before and the loop has not answered: the default action ends the program
    // as soon as this handler returns.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(sig, &fallback, nullptr);
    raise(sig);
  } else {
    const char byte = 1;
    // The pipe does not block; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = write(wakeWrite, &byte, 1);
  }
  errno = savedErrno;
}

void WatchStopRequests(int wakeRead) {
  // The signals go to the other threads, so the read below is never interrupted.
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stops, nullptr);
  char bytes[16];
  for (;;) {
    const ssize_t got = read(wakeRead, bytes, sizeof bytes);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
    TEvent quit;
    quit.id = EVENT_APPTERMINATE;
    PostEvent(quit);
  }
}

}  // namespace

void InstallStopSignals() {
  static bool installed = false;
  if (installed) return;
  installed = true;

  int wake[2] = {-1, -1};
  if (pipe2(wake, O_CLOEXEC) != 0) {
    Print("stop signals: no pipe");
    return;
  }
  fcntl(wake[1], F_SETFL, fcntl(wake[1], F_GETFL) | O_NONBLOCK);
  try {
    std::thread(WatchStopRequests, wake[0]).detach();
  } catch (const std::system_error&) {
    Print("stop signals: no thread");
    close(wake[0]);
    close(wake[1]);
    return;
  }
  wakeWrite = wake[1];

  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

void AcknowledgeStopSignal() { pending.store(0); }

int StopSignalPending() { return pending.load(); }
