// Starts a program under the X server in DISPLAY and reports the time from exec to its first
// top-level window being mapped, and its peak resident memory up to then:
//   startup_probe PROGRAM [ARGUMENTS...]   prints "<milliseconds> <peak RSS in KiB>"
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>

namespace {
constexpr int TimeoutMs = 20000;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  bool mapped = false;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (!mapped) {
    while (!mapped && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      mapped = event.type == MapNotify && !event.xmap.override_redirect;
    }
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    if (mapped || waited.count() > TimeoutMs) break;
    poll(&connection, 1, 100);
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (!mapped) {
    std::fprintf(stderr, "startup_probe: no window within %d ms\n", TimeoutMs);
    return 1;
  }
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
