// Opening the display and the target window, and reading the display's scale.
#include "x_target.h"

#include <X11/Xatom.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "display_scale.h"

namespace {

unsigned long errorCount = 0;

int CountError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

int ConnectionLost(Display*) {
  std::fputs("quellora: lost the connection to the X display\n", stderr);
  std::_Exit(1);
}

std::string Hex(unsigned long id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", id);
  return text;
}

// A desktop may draw its background into a window that stands in for the
// root; a hack asked for the root draws there instead, where it can be seen.
Window VirtualRoot(Display* display) {
  const Window root = DefaultRootWindow(display);
  const Atom vroot = XInternAtom(display, "__SWM_VROOT", False);
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  Window found = root;
  if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && found == root; ++i) {
      Atom type = None;
      int format = 0;
      unsigned long items = 0, after = 0;
      unsigned char* data = nullptr;
      if (XGetWindowProperty(display, children[i], vroot, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                             &data) == Success &&
          data && type == XA_WINDOW && items == 1)
        found = *reinterpret_cast<Window*>(data);
      if (data) XFree(data);
    }
    if (children) XFree(children);
  }
  return found;
}

// The window's attributes; none when there is no such window (the error that
// causes is counted, not fatal).
std::optional<XWindowAttributes> AttributesOf(Display* display, Window window) {
  XWindowAttributes attributes{};
  const unsigned long before = errorCount;
  const Status status = XGetWindowAttributes(display, window, &attributes);
  XSync(display, False);
  if (!status || errorCount != before) return std::nullopt;
  return attributes;
}

std::variant<TargetWindow, std::string> Existing(Display* display, Window window, const std::string& named) {
  const std::optional<XWindowAttributes> attributes = AttributesOf(display, window);
  if (!attributes) return named + ": no such window";
  // Only the events: the window belongs to someone else.
  const unsigned long before = errorCount;
  XSelectInput(display, window, ExposureMask | StructureNotifyMask);
  XSync(display, False);
  if (errorCount != before) return named + ": the window vanished";
  return TargetWindow{window,
                      false,
                      attributes->width,
                      attributes->height,
                      attributes->visual,
                      attributes->depth,
                      attributes->colormap};
}

}  // namespace

void InstallXErrorHandlers() {
  XSetErrorHandler(CountError);
  XSetIOErrorHandler(ConnectionLost);
}

unsigned long XErrorCount() { return errorCount; }

bool WindowExists(Display* display, Window window) { return AttributesOf(display, window).has_value(); }

std::variant<DisplayConnection, std::string> OpenDisplay(const HackOptions& options) {
  const char* name = options.Display ? options.Display->c_str() : nullptr;
  DisplayConnection display(XOpenDisplay(name));
  if (!display) return "quellora: cannot open display " + QuotedValue(XDisplayName(name));
  return display;
}

std::variant<TargetWindow, std::string> OpenTarget(Display* display, const HackOptions& options,
                                                   const char* saverWindowVariable) {
  if (options.Target == HackTarget::WindowId)
    return Existing(display, options.WindowId, "quellora: -window-id " + Hex(options.WindowId));
  const bool envApplies = saverWindowVariable && *saverWindowVariable &&
                          !(options.TargetGiven && options.Target == HackTarget::OwnWindow);
  if (envApplies) {
    const auto id = ParseWindowId(saverWindowVariable);
    if (!id) return "quellora: XSCREENSAVER_WINDOW: expected a window id, got " + QuotedValue(saverWindowVariable);
    return Existing(display, *id, "quellora: XSCREENSAVER_WINDOW " + Hex(*id));
  }
  if (options.Target == HackTarget::Root) {
    const Window root = VirtualRoot(display);
    return Existing(display, root, "quellora: -root " + Hex(root));
  }

  // A window of its own, for trying the picture out: as large as a picture
  // of the usual screen, but within the screen.
  const int screen = DefaultScreen(display);
  const int width = std::min(DisplayWidth(display, screen), 1280);
  const int height = std::min(DisplayHeight(display, screen), 1024);
  XSetWindowAttributes attributes{};
  // No background: the server then leaves exposed parts as they were until
  // the whole new picture arrives, instead of clearing them first.
  attributes.background_pixmap = None;
  // Keys and buttons close it, as its picture says.
  attributes.event_mask = ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask;
  const Window window = XCreateWindow(display, RootWindow(display, screen), 0, 0, width, height, 0, CopyFromParent,
                                      InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &attributes);
  return TargetWindow{window,
                      true,
                      width,
                      height,
                      DefaultVisual(display, screen),
                      DefaultDepth(display, screen),
                      DefaultColormap(display, screen)};
}

void ShowOwnWindow(Display* display, const TargetWindow& target) {
  // Named for window managers old (WM_NAME, WM_CLASS) and new (_NET_WM_NAME).
  XStoreName(display, target.Id, "Quellora");
  std::string name = "quellora", kind = "Quellora";
  XClassHint hint{name.data(), kind.data()};
  XSetClassHint(display, target.Id, &hint);
  XChangeProperty(display, target.Id, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(kind.data()), static_cast<int>(kind.size()));
  Atom close = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, target.Id, &close, 1);
  XMapWindow(display, target.Id);
}

bool IsCloseRequest(Display* display, const XEvent& event) {
  return event.type == ClientMessage &&
         static_cast<Atom>(event.xclient.data.l[0]) == XInternAtom(display, "WM_DELETE_WINDOW", False);
}

int DisplayDpi(Display* display) {
  const char* resources = XResourceManagerString(display);
  if (!resources) return BaseDpi;
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (!database) return BaseDpi;
  int dpi = BaseDpi;
  char* type = nullptr;
  XrmValue value{};
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
    char* end = nullptr;
    const double read = std::strtod(value.addr, &end);
    if (end != value.addr && read >= 24 && read <= 960) dpi = static_cast<int>(std::lround(read));
  }
  XrmDestroyDatabase(database);
  return dpi;
}
