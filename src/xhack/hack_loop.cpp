// The event loop: one poll over the X connection, the stop signals and the
// minute timer, so the hack sleeps between pictures and a stop is seen at once.
#include "hack_loop.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <memory>
#include <optional>

namespace {

enum class Next { Go, Stop };

// Handles what the server has sent; sets paint when a picture is due. A
// picture covers the whole window, so an exposure the server reported before
// it took the last picture's first request (painted: that request's serial)
// needs none: an enlarged window reports one just after its new size, often
// only once the picture of that size is on its way.
Next TakeEvents(Display* display, const TargetWindow& target, HackPainter& painter, unsigned long painted,
                bool& paint) {
  while (XPending(display) > 0) {
    XEvent event{};
    XNextEvent(display, &event);
    switch (event.type) {
      case Expose:
        // The last of a series: one picture covers them all.
        if (event.xexpose.count == 0 && event.xexpose.serial >= painted) paint = true;
        break;
      case KeyPress:
      case ButtonPress:
        // Selected on the hack's own window only: "Close - any key", as the picture says.
        if (target.Own) return Next::Stop;
        break;
      case ConfigureNotify:
        if (event.xconfigure.window == target.Id &&
            !painter.HasSize(event.xconfigure.width, event.xconfigure.height)) {
          // A smaller window is not exposed, yet its picture must be made anew.
          painter.Resize(event.xconfigure.width, event.xconfigure.height);
          paint = true;
        }
        break;
      case DestroyNotify:
        if (event.xdestroywindow.window == target.Id) return Next::Stop;
        break;
      case ClientMessage:
        if (target.Own && IsCloseRequest(display, event)) return Next::Stop;
        break;
      default: break;
    }
  }
  return Next::Go;
}

}  // namespace

HackEnd RunHack(Display* display, const TargetWindow& target, HackPainter& painter, int signalFd,
                const std::optional<TDateTime>& fixedNow) {
  std::unique_ptr<MinuteTimer> minutes;
  if (!fixedNow) minutes = std::make_unique<MinuteTimer>();
  // A window of someone else's is already on the screen and may never be
  // exposed again; the hack's own shows its first picture when it is mapped.
  bool paint = !target.Own;
  if (target.Own) ShowOwnWindow(display, target);

  unsigned long errorsSeen = XErrorCount();
  unsigned long painted = 0;
  // The minute of the clock the last picture showed: a clock set within the
  // same minute (some machines have theirs stepped many times a second) wakes
  // the hack but changes nothing to draw.
  std::optional<std::int64_t> shownMinute;
  for (;;) {
    if (TakeEvents(display, target, painter, painted, paint) == Next::Stop) return {};
    if (XErrorCount() != errorsSeen) {
      // A failed request most likely means the window is gone under us.
      errorsSeen = XErrorCount();
      if (!WindowExists(display, target.Id)) return {};
      errorsSeen = XErrorCount();
    }
    if (paint) {
      painted = NextRequest(display);
      const ClockReading clock = ReadClock(fixedNow);
      shownMinute = MinuteCount(clock.Now);
      painter.Paint(clock);
      paint = false;
      continue;  // the picture may have raised an error or crossed with events
    }

    pollfd fds[3] = {
        {ConnectionNumber(display), POLLIN, 0}, {signalFd, POLLIN, 0}, {minutes ? minutes->Fd() : -1, POLLIN, 0}};
    if (poll(fds, 3, -1) < 0) {
      if (errno == EINTR) continue;
      return {1, 0};
    }
    if (fds[1].revents) {
      // SIGTERM (XScreenSaver's way to stop a hack), SIGINT or SIGHUP.
      signalfd_siginfo signal{};
      if (read(signalFd, &signal, sizeof signal) == static_cast<ssize_t>(sizeof signal))
        return {0, static_cast<int>(signal.ssi_signo)};
      return {0, SIGTERM};
    }
    if (fds[2].revents & POLLIN) {
      minutes->Rearm();
      paint = shownMinute != MinuteCount(ReadClock(fixedNow).Now);
    }
  }
}
