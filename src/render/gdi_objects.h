// Ownership of the GDI objects one paint makes: each pen, brush and font is
// deleted exactly once, only after another selection has replaced it, and the
// counts of what was made and deleted are kept for the caller to check.
#pragma once

#include <windows.h>

#include <cstdint>

#include "unique_handle.h"

// Counts kept across paints; a sound paint leaves Created == Deleted and no failures.
struct GdiTally {
  std::uint64_t Created = 0;
  std::uint64_t Deleted = 0;
  std::uint64_t CreateFailures = 0;
  std::uint64_t DeleteFailures = 0;
  std::uint64_t SelectFailures = 0;
};

// DeleteObject, counted in the tally of the paint that made the object.
struct TalliedGdiObjectTraits {
  GdiTally* Tally = nullptr;
  static HGDIOBJ Invalid() { return nullptr; }
  void Close(HGDIOBJ object) const;
};

// One pen, brush or font, deleted when the owner lets go of it.
class OwnedGdiObject {
public:
  OwnedGdiObject() = default;
  // Counts the creation, or the failure when handle is null.
  OwnedGdiObject(HGDIOBJ handle, GdiTally& tally);

  HGDIOBJ Get() const { return object_.get(); }

private:
  UniqueWin32<HGDIOBJ, TalliedGdiObjectTraits> object_;
};

// The current object of one kind in a device context. Selecting a new object
// deletes the one it replaced; at the end the context gets back the object it
// had at first, and only then is the last one deleted.
class SelectionSlot {
public:
  explicit SelectionSlot(HDC dc) : dc_(dc) {}
  SelectionSlot(SelectionSlot&&) noexcept = default;
  // Member by member, assignment would delete the current object while it is
  // still selected.
  SelectionSlot& operator=(SelectionSlot&&) = delete;

  void Select(OwnedGdiObject object, GdiTally& tally);

private:
  HDC dc_;
  OwnedGdiObject current_;
  UniqueSelection original_;  // declared after current_, so it is put back before current_ goes
};
