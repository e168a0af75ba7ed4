// quellora, the XScreenSaver hack: the saver's picture of the current minute
// in a window of its own, the root window or the window XScreenSaver gives it.
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "hack_loop.h"
#include "hack_options.h"
#include "hack_painter.h"
#include "x_target.h"

namespace {

HackEnd Fail(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  return {1, 0};
}

// The stop signals are blocked and read from a descriptor, so the loop sees
// them however it is waiting and ends through its owners' clean-up.
class StopSignals {
public:
  StopSignals() {
    sigemptyset(&set_);
    sigaddset(&set_, SIGTERM);
    sigaddset(&set_, SIGINT);
    sigaddset(&set_, SIGHUP);
    sigprocmask(SIG_BLOCK, &set_, nullptr);
    fd_ = signalfd(-1, &set_, SFD_CLOEXEC | SFD_NONBLOCK);
  }
  ~StopSignals() {
    if (fd_ >= 0) close(fd_);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;
  int Fd() const { return fd_; }

private:
  sigset_t set_{};
  int fd_ = -1;
};

HackEnd Run(const std::vector<std::string>& args) {
  StopSignals stop;
  if (stop.Fd() < 0) return Fail("quellora: cannot watch for stop signals");

  // Every value is checked before anything is shown.
  const auto parsed = ParseHackOptions(args);
  if (const auto* error = std::get_if<HackOptionError>(&parsed)) return Fail(error->Message);
  const HackOptions& options = std::get<HackOptions>(parsed);
  if (options.Help) {
    std::fputs(HackUsage, stdout);
    return {};
  }
  const Settings settings = HackSettings(options, MessagesLocale(std::getenv));

  InstallXErrorHandlers();
  auto display = OpenDisplay(options);
  if (const auto* error = std::get_if<std::string>(&display)) return Fail(*error);
  Display* x = std::get<DisplayConnection>(display).get();
  auto target = OpenTarget(x, options, std::getenv("XSCREENSAVER_WINDOW"));
  if (const auto* error = std::get_if<std::string>(&target)) return Fail(*error);
  const TargetWindow& window = std::get<TargetWindow>(target);

  const CairoFonts fonts;
  HackPainter painter(x, window, fonts, DisplayDpi(x), settings, options.ListFile);
  return RunHack(x, window, painter, stop.Fd(), options.FixedNow);
}

// Ends the process by the signal that stopped it, now that everything is
// cleaned up: whoever started the hack then sees it ended by that signal.
[[noreturn]] void EndBySignal(int signal) {
  std::fflush(nullptr);
  std::signal(signal, SIG_DFL);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  std::raise(signal);  // stays pending while blocked, and ends the process once unblocked
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  std::_Exit(128 + signal);
}

}  // namespace

int main(int argc, char** argv) {
  HackEnd end;
  try {
    end = Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    end = Fail(std::string("quellora: ") + error.what());
  }
  if (end.Signal) EndBySignal(end.Signal);
  return end.Code;
}
