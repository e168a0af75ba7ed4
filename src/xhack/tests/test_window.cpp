// The test's own X window for the hack to draw into, worked by commands on
// standard input, one per line, each answered by one line:
//   start PROGRAM ARGS...  blackens the window, runs the program ("{id}" stands
//                          for the window id) and waits for its first picture:
//                          "painted MS PID"; the words of this one command are
//                          parted by tabs, so an argument may hold spaces
//   repaint                exposes the whole window as the server does when it
//                          is uncovered and waits for the new picture: "repainted MS"
//   grab FILE.ppm          writes what the window shows: "grabbed"
//   stop PID [INT]         sends SIGTERM (or SIGINT) to a program it started and
//                          waits for its end: "ended MS STATUS" (STATUS: the exit
//                          code, or "signal N")
//   wait PID               waits for the end without a signal: "ended MS STATUS"
//   destroy                destroys the window: "destroyed"
// A wait that runs out answers "timeout". The window is black until a picture
// arrives, and the picture's background is never black, so its first pixel
// inside the black edge tells when the picture is there: the hack puts it
// there whole, in one request.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto WaitLimit = std::chrono::seconds(60);  // valgrind's pictures take seconds

unsigned long Pixel(Display* d, Window w, int x, int y) {
  XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return pixel;
}

// Milliseconds from `since` until the probe pixel is no longer black, or -1.
double WaitForPicture(Display* d, Window w, Clock::time_point since) {
  while (Clock::now() - since < WaitLimit) {
    if (Pixel(d, w, 2, 2) != 0)
      return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  return -1;
}

void Answer(const std::string& line) { std::cout << line << std::endl; }

void AnswerWait(const char* what, double ms, const std::string& more = "") {
  if (ms < 0) return Answer("timeout");
  std::ostringstream out;
  out.precision(1);
  out << what << ' ' << std::fixed << ms << more;
  Answer(out.str());
}

// Waits (bounded) for a child's end: "ended MS STATUS", or "timeout".
std::string WaitForEnd(pid_t pid, Clock::time_point since) {
  while (Clock::now() - since < WaitLimit) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done < 0) return "failed";
    if (done == pid) {
      std::ostringstream out;
      out.precision(1);
      out << "ended " << std::fixed
          << std::chrono::duration<double, std::milli>(Clock::now() - since).count() << ' ';
      if (WIFEXITED(status)) out << WEXITSTATUS(status);
      else out << "signal " << WTERMSIG(status);
      return out.str();
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return "timeout";
}

bool Grab(Display* d, Window w, int width, int height, const std::string& file) {
  XImage* image = XGetImage(d, w, 0, 0, width, height, AllPlanes, ZPixmap);
  if (!image) return false;
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
      out.write(rgb, 3);
    }
  XDestroyImage(image);
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  int width = 0, height = 0;
  if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
    std::cerr << "usage: test_window WIDTHxHEIGHT\n";
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) return 2;
  const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, width, height, 0, 0, 0);
  XSelectInput(d, w, StructureNotifyMask);
  XMapWindow(d, w);
  for (XEvent e{}; e.type != MapNotify;) XNextEvent(d, &e);
  XSync(d, False);
  Answer("window " + std::to_string(w));

  for (std::string line; std::getline(std::cin, line);) {
    const std::string command = line.substr(0, line.find_first_of(" \t"));
    std::istringstream words(line.substr(command.size()));
    if (command == "start") {
      std::vector<std::string> args;
      std::istringstream tabbed(line);
      for (std::string word; std::getline(tabbed, word, '\t');)
        args.push_back(word == "{id}" ? std::to_string(w) : word);
      args.erase(args.begin());
      XClearArea(d, w, 0, 0, 0, 0, False);
      XSync(d, False);
      std::vector<char*> argvOut;
      for (auto& a : args) argvOut.push_back(a.data());
      argvOut.push_back(nullptr);
      const auto since = Clock::now();
      pid_t pid = 0;
      if (args.empty() || posix_spawn(&pid, argvOut[0], nullptr, nullptr, argvOut.data(), environ)) {
        Answer("failed");
        continue;
      }
      AnswerWait("painted", WaitForPicture(d, w, since), " " + std::to_string(pid));
    } else if (command == "repaint") {
      const auto since = Clock::now();
      XClearArea(d, w, 0, 0, 0, 0, True);
      XSync(d, False);
      AnswerWait("repainted", WaitForPicture(d, w, since));
    } else if (command == "grab") {
      std::string file;
      words >> file;
      Answer(Grab(d, w, width, height, file) ? "grabbed" : "failed");
    } else if (command == "stop" || command == "wait") {
      pid_t pid = 0;
      std::string how;
      words >> pid >> how;
      const auto since = Clock::now();
      if (command == "stop") kill(pid, how == "INT" ? SIGINT : SIGTERM);
      Answer(WaitForEnd(pid, since));
    } else if (command == "destroy") {
      XDestroyWindow(d, w);
      XSync(d, False);
      Answer("destroyed");
    } else {
      Answer("unknown");
    }
  }
  XCloseDisplay(d);
  return 0;
}
