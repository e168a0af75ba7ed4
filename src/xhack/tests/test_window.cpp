// The test's own X window for the hack to draw into, worked by commands on
// standard input, one a line, each answered by one line ("timeout" when a
// bounded wait runs out):
//   start PROG ARGS...  blackens the window, runs PROG ("{id}" stands for the
//                       window's id; words parted by tabs, so one may hold
//                       spaces) and waits for its first picture: "painted MS PID"
//   repaint             exposes the window as the server does when it is
//                       uncovered, and waits for the new picture: "repainted MS"
//   stop PID [INT|HUP]  SIGTERM (or SIGINT, SIGHUP) to a program it started, and waits
//                       for its end: "ended MS STATUS" (exit code or "signal N")
//   wait PID            the same without a signal
//   destroy             destroys the window: "destroyed"
//   inputonly           makes an input-only child window, which has no pixels:
//                       "inputonly ID"
// The picture's background is never black and arrives whole, in one request,
// so the first pixel inside its black edge tells when the picture is there.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto WaitLimit = std::chrono::seconds(60);  // valgrind's pictures take seconds

double MsSince(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Polls until done() gives an answer, or the limit runs out.
template <typename Done>
std::string Poll(Done done) {
  for (const auto since = Clock::now(); Clock::now() - since < WaitLimit;) {
    if (std::string answer = done(); !answer.empty()) return answer;
    std::this_thread::sleep_for(std::chrono::microseconds(300));
  }
  return "timeout";
}

std::string Timed(const char* what, Clock::time_point since, const std::string& more = "") {
  std::ostringstream out;
  out.precision(1);
  out << what << ' ' << std::fixed << MsSince(since) << more;
  return out.str();
}

bool Painted(Display* d, Window w) {
  XImage* image = XGetImage(d, w, 2, 2, 1, 1, AllPlanes, ZPixmap);
  const bool painted = image && XGetPixel(image, 0, 0) != 0;
  if (image) XDestroyImage(image);
  return painted;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned width = 0, height = 0;
  Display* d = XOpenDisplay(nullptr);
  if (argc != 2 || std::sscanf(argv[1], "%ux%u", &width, &height) != 2 || !d) {
    std::cerr << "usage: test_window WIDTHxHEIGHT (on $DISPLAY)\n";
    return 2;
  }
  const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, width, height, 0, 0, 0);
  XSelectInput(d, w, StructureNotifyMask);
  XMapWindow(d, w);
  for (XEvent e{}; e.type != MapNotify;) XNextEvent(d, &e);
  std::cout << "window " << w << std::endl;

  for (std::string line; std::getline(std::cin, line);) {
    const std::string command = line.substr(0, line.find_first_of(" \t"));
    std::istringstream words(line.substr(command.size()));
    std::string answer = "unknown";
    const auto since = Clock::now();
    if (command == "start") {
      std::vector<std::string> args;
      for (std::string word; std::getline(words, word, '\t');)
        if (!word.empty()) args.push_back(word == "{id}" ? std::to_string(w) : word);
      std::vector<char*> pointers;
      for (auto& a : args) pointers.push_back(a.data());
      pointers.push_back(nullptr);
      XClearArea(d, w, 0, 0, 0, 0, False);
      XSync(d, False);
      pid_t pid = 0;
      answer = !args.empty() && !posix_spawn(&pid, pointers[0], nullptr, nullptr, pointers.data(), environ)
                   ? Poll([&] { return Painted(d, w) ? Timed("painted", since, " " + std::to_string(pid)) : ""; })
                   : "failed";
    } else if (command == "repaint") {
      XClearArea(d, w, 0, 0, 0, 0, True);
      XSync(d, False);
      answer = Poll([&] { return Painted(d, w) ? Timed("repainted", since) : ""; });
    } else if (command == "stop" || command == "wait") {
      pid_t pid = 0;
      std::string how;
      words >> pid >> how;
      if (command == "stop") kill(pid, how == "INT" ? SIGINT : how == "HUP" ? SIGHUP : SIGTERM);
      answer = Poll([&]() -> std::string {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done < 0) return "failed";
        if (done == 0) return "";
        return Timed("ended", since,
                     WIFEXITED(status) ? " " + std::to_string(WEXITSTATUS(status))
                                       : " signal " + std::to_string(WTERMSIG(status)));
      });
    } else if (command == "inputonly") {
      XSetWindowAttributes none{};
      const Window child = XCreateWindow(d, w, 0, 0, 10, 10, 0, 0, InputOnly, CopyFromParent, 0, &none);
      XSync(d, False);
      answer = "inputonly " + std::to_string(child);
    } else if (command == "destroy") {
      XDestroyWindow(d, w);
      XSync(d, False);
      answer = "destroyed";
    }
    std::cout << answer << std::endl;
  }
  XCloseDisplay(d);
  return 0;
}
