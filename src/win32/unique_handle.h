// Move-only owners of Win32 handles, one per release call: registry keys,
// modules, kernel handles, GDI objects and device contexts, selections and
// windows.
#pragma once

#include <windows.h>

#include <utility>

// Traits give the handle's empty value (static Invalid) and its release
// (Close). A release that needs more than the handle, such as the window a
// device context came from, takes it from the traits object: it is kept
// beside the handle and moves with it.
template <typename Handle, typename Traits>
class UniqueWin32 {
public:
  UniqueWin32() = default;
  explicit UniqueWin32(Handle handle, Traits traits = {}) : handle_(handle), traits_(std::move(traits)) {}
  UniqueWin32(UniqueWin32&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Invalid())), traits_(std::move(other.traits_)) {}
  UniqueWin32& operator=(UniqueWin32&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
      traits_ = std::move(other.traits_);
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
    if (handle_ != Traits::Invalid()) traits_.Close(std::exchange(handle_, Traits::Invalid()));
  }

private:
  Handle handle_ = Traits::Invalid();
  [[no_unique_address]] Traits traits_{};
};

// A handle that is empty when null and released by one call that takes the
// handle alone.
template <typename Handle, auto Release>
struct ReleaseTraits {
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { Release(handle); }
};
// The same for a release call that also takes what the handle came from,
// kept beside the handle.
template <typename Handle, typename Source, auto Release>
struct ReleaseToTraits {
  Source From = nullptr;
  static Handle Invalid() { return nullptr; }
  void Close(Handle handle) const { Release(From, handle); }
};
// A pen, brush, font or bitmap; deleting it is only sound once it is no longer
// selected, so its owner is declared before the selection's.
template <typename Object>
using GdiObjectTraits = ReleaseTraits<Object, DeleteObject>;

using UniqueRegKey = UniqueWin32<HKEY, ReleaseTraits<HKEY, RegCloseKey>>;
using UniqueModule = UniqueWin32<HMODULE, ReleaseTraits<HMODULE, FreeLibrary>>;
using UniqueHandle = UniqueWin32<HANDLE, ReleaseTraits<HANDLE, CloseHandle>>;
using UniqueFont = UniqueWin32<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueWin32<HBITMAP, GdiObjectTraits<HBITMAP>>;
// A context made with CreateCompatibleDC.
using UniqueMemoryDc = UniqueWin32<HDC, ReleaseTraits<HDC, DeleteDC>>;
// A context taken with GetDC goes back to the window it came from.
using UniqueWindowDc = UniqueWin32<HDC, ReleaseToTraits<HDC, HWND, ReleaseDC>>;
// The object a selection replaced, put back into the context it came out of.
using UniqueSelection = UniqueWin32<HGDIOBJ, ReleaseToTraits<HGDIOBJ, HDC, SelectObject>>;
using UniqueWindow = UniqueWin32<HWND, ReleaseTraits<HWND, DestroyWindow>>;

// GetDC(window), released to the same window. A null result owns nothing.
inline UniqueWindowDc GetWindowDc(HWND window) { return UniqueWindowDc(GetDC(window), {window}); }

// Selects a pen, brush, font or bitmap into `dc`; the owner puts the replaced
// object back. A failed selection owns nothing, so nothing is put back. Not for
// regions: selecting one hands back no object.
inline UniqueSelection SelectInto(HDC dc, HGDIOBJ object) {
  return UniqueSelection(SelectObject(dc, object), {dc});
}

// An entry of a loaded module, typed: GetProcAddress hands out a generic pointer.
template <typename Function>
Function GetEntry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
