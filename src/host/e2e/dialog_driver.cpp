// Driving the settings dialog's process from outside: process, windows,
// controls, input and the registry key it writes.
#include "dialog_driver.h"

#include <commctrl.h>

#include <vector>

#include "dialog_ids.h"
#include "test_registry.h"

namespace {

constexpr wchar_t SettingsKey[] = L"SOFTWARE\\Quellora";
constexpr DWORD PollMs = 50;

// HKCU\SOFTWARE\Quellora with the given access, created on request; empty when
// it cannot be had.
UniqueRegKey OpenSettingsKey(REGSAM access, bool create = false) {
  UniqueRegKey key;
  if (create) {
    RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, access, nullptr, key.put(), nullptr);
  } else {
    RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, access, key.put());
  }
  return key;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

std::optional<std::wstring> ReadText(HKEY key, const wchar_t* name) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
    return std::nullopt;
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(buffer.data());
}

}  // namespace

void RemoveSettingsKey() {
  {
    const UniqueRegKey key = OpenSettingsKey(READ_CONTROL | WRITE_DAC);
    if (key.get()) SetKeyAccess(key.get(), KEY_ALL_ACCESS);
  }
  RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
}

bool SettingsKeyExists() { return static_cast<bool>(OpenSettingsKey(KEY_READ)); }

StoredValues ReadStoredValues() {
  StoredValues values;
  const UniqueRegKey key = OpenSettingsKey(KEY_READ);
  if (!key.get()) return values;
  values.English = ReadDword(key.get(), L"English");
  values.Star = ReadDword(key.get(), L"Star");
  values.User = ReadText(key.get(), L"User");
  values.Birth = ReadText(key.get(), L"Birth");
  return values;
}

void StoreDword(const wchar_t* name, DWORD value) {
  const UniqueRegKey key = OpenSettingsKey(KEY_ALL_ACCESS, true);
  RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void StoreText(const wchar_t* name, const std::wstring& text) {
  const UniqueRegKey key = OpenSettingsKey(KEY_ALL_ACCESS, true);
  RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void MakeSettingsKeyReadOnly() {
  const UniqueRegKey key = OpenSettingsKey(KEY_ALL_ACCESS, true);
  SetKeyAccess(key.get(), KEY_READ);
}

namespace {

constexpr wchar_t DesktopKey[] = L"Control Panel\\Desktop";

}  // namespace

SystemDpi::SystemDpi(DWORD dpi) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) ==
      ERROR_SUCCESS)
    previous_ = value;
  RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

SystemDpi::~SystemDpi() {
  if (previous_) {
    RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &*previous_, sizeof *previous_);
  } else {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels");
  }
}

void MakeProcessDpiAware() {
  using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
  const auto set = GetEntry<SetContext>(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext");
  if (!set || !set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE)) SetProcessDPIAware();
}

void DrawOwnFrames(const std::wstring& programPath) {
  const std::wstring name = programPath.substr(programPath.find_last_of(L"\\/") + 1);
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name + L"\\X11 Driver";
  const wchar_t no[] = L"N";
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, no, sizeof no);
}

DialogRun::DialogRun(const std::wstring& program, const std::wstring& arguments) {
  process_.Start(program, arguments);
}

HWND DialogRun::FindWindowOfProcess(const std::wstring* title, HWND besides) const {
  return FindWindowWhere([&](HWND window) {
    return ProcessOf(window) == process_.Id() && window != besides && IsWindowVisible(window) &&
           ClassNameOf(window) == L"#32770" && (!title || TextOf(window) == *title);
  });
}

HWND DialogRun::WaitForDialog() {
  for (DWORD waited = 0; Started() && waited < WindowWaitMs; waited += PollMs) {
    dialog_ = FindWindowOfProcess(nullptr, nullptr);
    if (dialog_ && Item(IdBitBtnOk)) return dialog_;
    if (!Running()) break;
    Sleep(PollMs);
  }
  return dialog_ = nullptr;
}

HWND DialogRun::WaitForWindowTitled(const std::wstring& title, HWND besides) {
  for (DWORD waited = 0; Started() && waited < WindowWaitMs; waited += PollMs) {
    if (HWND found = FindWindowOfProcess(&title, besides)) return found;
    if (!Running()) break;
    Sleep(PollMs);
  }
  return nullptr;
}

bool DialogRun::WaitForExit(DWORD ms, DWORD* code) {
  if (!process_.WaitForExit(ms)) return false;
  if (code) *code = process_.ExitCode();
  return true;
}

bool DialogRun::Running() const { return process_.Running(); }

// A message that carries a pointer is not carried over to another process:
// the value goes through memory of the dialog's own.
LRESULT DialogRun::SendWithMemory(HWND window, UINT message, WPARAM wParam, void* value, SIZE_T size) {
  void* remote = VirtualAllocEx(process_.Handle(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) return 0;
  LRESULT result = 0;
  if (WriteProcessMemory(process_.Handle(), remote, value, size, nullptr)) {
    result = SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_.Handle(), remote, value, size, nullptr);
  }
  VirtualFreeEx(process_.Handle(), remote, 0, MEM_RELEASE);
  return result;
}

// The dialog reads its pickers only when OK is pressed, so the change notice a
// picker sends after a user's edit is not needed.
bool DialogRun::SetPicker(int id, const SYSTEMTIME& value) {
  SYSTEMTIME copy = value;
  return SendWithValue(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, copy) != 0;
}

HWND DialogRun::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) ? info.hwndFocus : nullptr;
}

RECT PlaceOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  if (HWND parent = GetParent(window)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool IsChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }

void Type(HWND control, const std::wstring& text) {
  for (wchar_t c : text) SendMessageW(control, WM_CHAR, c, 1);
}

void PostKey(HWND control, WORD key, bool alt) {
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  const LPARAM altBit = alt ? (LPARAM{1} << 29) : 0;
  PostMessageW(control, down, key, 1 | scan | altBit);
  PostMessageW(control, up, key, 1 | scan | altBit | (LPARAM{3} << 30));
}

// Posted messages are handled in order, so once a marker posted after them is
// seen, they have all been handled. The marker is the OK button's pushed look,
// which is put back afterwards.
void Settle(HWND window) {
  HWND ok = GetDlgItem(window, IdBitBtnOk);
  if (!ok) return;
  PostMessageW(ok, BM_SETSTATE, TRUE, 0);
  for (DWORD waited = 0; waited < WindowWaitMs && IsWindow(ok); waited += PollMs) {
    if (SendMessageW(ok, BM_GETSTATE, 0, 0) & BST_PUSHED) break;
    Sleep(PollMs);
  }
  if (IsWindow(ok)) SendMessageW(ok, BM_SETSTATE, FALSE, 0);
}

void MouseClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &inputs[0], sizeof(INPUT));
  Sleep(100);
  SendInput(1, &inputs[1], sizeof(INPUT));
}

std::optional<POINT> CloseButtonPoint(HWND dialog) {
  RECT frame{};
  GetWindowRect(dialog, &frame);
  for (int y = frame.top; y < frame.top + 40; ++y) {
    for (int x = frame.right - 1; x > frame.right - 80; --x) {
      const LRESULT hit = SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTCLOSE) return POINT{x - 4, y + 4};
    }
  }
  return std::nullopt;
}
