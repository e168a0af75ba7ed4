// Runs the settings dialog's program and works its window from outside, the
// way a user would: finds the dialog and its controls, clicks, types, sets the
// pickers, presses keys and reads what the program left in the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "child_process.h"
#include "window_search.h"

inline constexpr DWORD WindowWaitMs = 15000;
inline constexpr DWORD ExitWaitMs = 10000;

// The four stored values as they are in the registry, each possibly absent.
struct StoredValues {
  std::optional<DWORD> English;
  std::optional<DWORD> Star;
  std::optional<std::wstring> User;
  std::optional<std::wstring> Birth;
};

// HKCU\SOFTWARE\Quellora: removed (giving back full access first when a test
// took it away), read, filled, or made readable only.
void RemoveSettingsKey();
bool SettingsKeyExists();
StoredValues ReadStoredValues();
void StoreDword(const wchar_t* name, DWORD value);
void StoreText(const wchar_t* name, const std::wstring& text);
void MakeSettingsKeyReadOnly();

// The display's scale for the programs started from now on (the prefix's
// LogPixels, which a program reads when it starts); the value before comes
// back when the object goes.
class SystemDpi {
public:
  explicit SystemDpi(DWORD dpi);
  ~SystemDpi();
  SystemDpi(const SystemDpi&) = delete;
  SystemDpi& operator=(const SystemDpi&) = delete;

private:
  std::optional<DWORD> previous_;
};

// This process sees every window's pixels as they are, whatever the scale the
// window is drawn at (per-monitor DPI awareness where the system has it).
void MakeProcessDpiAware();

// Xvfb runs no window manager, so a caption bar (with its close button) exists
// only where Wine draws the frames itself: asks it to for the program of this
// file name.
void DrawOwnFrames(const std::wstring& programPath);

// One run of the dialog's program. Whatever happens in the test, the process
// does not outlive this object.
class DialogRun {
public:
  DialogRun(const std::wstring& program, const std::wstring& arguments);
  DialogRun(const DialogRun&) = delete;
  DialogRun& operator=(const DialogRun&) = delete;

  bool Started() const { return process_.Started(); }
  // The visible dialog of the process, or null after WindowWaitMs.
  HWND WaitForDialog();
  // Another visible top-level window of the process titled `title`.
  HWND WaitForWindowTitled(const std::wstring& title, HWND besides);
  // True when the process ended within `ms`; its exit code in `code`.
  bool WaitForExit(DWORD ms, DWORD* code = nullptr);
  bool Running() const;

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }

  // Sets a date/time picker as if the user had picked the value.
  bool SetPicker(int id, const SYSTEMTIME& value);
  // Sends a message whose lParam points to `value`, through memory of the
  // dialog's own process; `value` gets what the window left there.
  template <typename Value>
  LRESULT SendWithValue(HWND window, UINT message, WPARAM wParam, Value& value) {
    return SendWithMemory(window, message, wParam, &value, sizeof value);
  }
  // The control that has the keyboard focus in the dialog's thread.
  HWND FocusedControl() const;

private:
  HWND FindWindowOfProcess(const std::wstring* title, HWND besides) const;
  LRESULT SendWithMemory(HWND window, UINT message, WPARAM wParam, void* value, SIZE_T size);

  ChildProcess process_;
  HWND dialog_ = nullptr;
};

// The window's rectangle in its parent's client coordinates (or on the screen
// for a top-level window).
RECT PlaceOf(HWND window);
bool IsChecked(HWND box);
// Clicks a check box and waits until the dialog has handled the click.
void Click(HWND control);
// Types text into a control, one character message per character.
void Type(HWND control, const std::wstring& text);
// Posts a key press to a control through the dialog's message loop.
void PostKey(HWND control, WORD key, bool alt = false);
// Waits until everything posted to the thread of `window` so far is handled.
void Settle(HWND window);
// Clicks with the real mouse at a screen point.
void MouseClickAt(POINT point);
// A screen point on the dialog's caption-bar close button.
std::optional<POINT> CloseButtonPoint(HWND dialog);
