// Ownership of the GDI objects one paint makes: each pen, brush and font is
// deleted exactly once, only after another selection has replaced it, and the
// counts of what was made and deleted are kept for the caller to check.
#pragma once

#include <windows.h>

#include <cstdint>

// Counts kept across paints; a sound paint leaves Created == Deleted and no failures.
struct GdiTally {
  std::uint64_t Created = 0;
  std::uint64_t Deleted = 0;
  std::uint64_t CreateFailures = 0;
  std::uint64_t DeleteFailures = 0;
  std::uint64_t SelectFailures = 0;
};

// One pen, brush or font, deleted when the owner lets go of it.
class OwnedGdiObject {
public:
  OwnedGdiObject() = default;
  // Counts the creation, or the failure when handle is null.
  OwnedGdiObject(HGDIOBJ handle, GdiTally& tally);
  ~OwnedGdiObject() { Reset(); }
  OwnedGdiObject(OwnedGdiObject&& other) noexcept;
  OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept;
  OwnedGdiObject(const OwnedGdiObject&) = delete;
  OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;

  HGDIOBJ Get() const { return handle_; }

private:
  void Reset();

  HGDIOBJ handle_ = nullptr;
  GdiTally* tally_ = nullptr;
};

// The current object of one kind in a device context. Selecting a new object
// deletes the one it replaced; at the end the context gets back the object it
// had at first, and only then is the last one deleted.
class SelectionSlot {
public:
  explicit SelectionSlot(HDC dc) : dc_(dc) {}
  ~SelectionSlot();
  SelectionSlot(const SelectionSlot&) = delete;
  SelectionSlot& operator=(const SelectionSlot&) = delete;

  void Select(OwnedGdiObject object, GdiTally& tally);

private:
  HDC dc_;
  HGDIOBJ original_ = nullptr;
  OwnedGdiObject current_;  // deleted after the destructor's body restored original_
};
