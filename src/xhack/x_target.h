// The X side of the hack before it draws: the display connection, the window
// the picture goes into, and the display's scale.
#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <variant>

#include "hack_options.h"

struct CloseDisplay {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, CloseDisplay>;

struct TargetWindow {
  Window Id = 0;
  bool Own = false;  // made by the hack, which may then set its attributes
  int Width = 0;
  int Height = 0;
  Visual* VisualType = nullptr;
  int Depth = 0;
  Colormap Colours = None;  // where the window's pixels find their colours
};

// Opens the display of -display (else $DISPLAY), or the one-line reason why not.
std::variant<DisplayConnection, std::string> OpenDisplay(const HackOptions& options);

// The window to draw into: -window-id, else XSCREENSAVER_WINDOW (environment,
// passed in) unless -window was asked for, else the (virtual) root for -root,
// else a new window of the hack's own, not yet mapped. A window that does not
// exist, or an id that does not read, is the one-line reason. Selects the
// events the hack needs: exposure and structure (resize, destruction), and on
// its own window keys and buttons (the input of another's belongs to it).
std::variant<TargetWindow, std::string> OpenTarget(Display* display, const HackOptions& options,
                                                   const char* saverWindowVariable);

// Maps the hack's own window and names it ("Quellora", of the class quellora,
// Quellora); it can be closed by the window manager.
void ShowOwnWindow(Display* display, const TargetWindow& target);
// The window manager's close message of the hack's own window.
bool IsCloseRequest(Display* display, const XEvent& event);

// The display's scale as the desktop sets it (the Xft.dpi resource), BaseDpi
// when it is not set or does not read.
int DisplayDpi(Display* display);

// Errors the server reports about requests are counted, never fatal: a window
// that is destroyed under the hack makes its drawing fail, and the hack then
// ends cleanly. A lost connection prints one line and ends the process.
void InstallXErrorHandlers();
unsigned long XErrorCount();
// True while the window exists (a round trip to the server).
bool WindowExists(Display* display, Window window);
