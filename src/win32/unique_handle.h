// Move-only owners of Win32 handles, one per release call: registry keys,
// modules, kernel handles, GDI objects and windows.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class UniqueWin32 {
 public:
  UniqueWin32() = default;
  explicit UniqueWin32(Handle handle) : handle_(handle) {}
  UniqueWin32(UniqueWin32&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  UniqueWin32& operator=(UniqueWin32&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }
  UniqueWin32(const UniqueWin32&) = delete;
  UniqueWin32& operator=(const UniqueWin32&) = delete;
  ~UniqueWin32() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  // For the out-parameter of an opening call; releases what was held.
  Handle* put() {
    reset();
    return &handle_;
  }
  void reset() {
    if (handle_ != Traits::Invalid()) Traits::Close(std::exchange(handle_, Traits::Invalid()));
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE module) { FreeLibrary(module); }
};
struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

// A pen, brush or font; deleting it is only sound once it is no longer selected.
template <typename Object>
struct GdiObjectTraits {
  static Object Invalid() { return nullptr; }
  static void Close(Object object) { DeleteObject(object); }
};
struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND window) { DestroyWindow(window); }
};

using UniqueRegKey = UniqueWin32<HKEY, RegKeyTraits>;
using UniqueModule = UniqueWin32<HMODULE, ModuleTraits>;
using UniqueHandle = UniqueWin32<HANDLE, KernelHandleTraits>;
using UniqueFont = UniqueWin32<HFONT, GdiObjectTraits<HFONT>>;
using UniqueWindow = UniqueWin32<HWND, WindowTraits>;

// An entry of a loaded module, typed: GetProcAddress hands out a generic pointer.
template <typename Function>
Function GetEntry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
