// Deletion and selection bookkeeping of the paint's GDI objects.
#include "gdi_objects.h"

#include <utility>

OwnedGdiObject::OwnedGdiObject(HGDIOBJ handle, GdiTally& tally) : handle_(handle), tally_(&tally) {
  if (handle_)
    ++tally.Created;
  else
    ++tally.CreateFailures;
}

OwnedGdiObject::OwnedGdiObject(OwnedGdiObject&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), tally_(other.tally_) {}

OwnedGdiObject& OwnedGdiObject::operator=(OwnedGdiObject&& other) noexcept {
  if (this != &other) {
    Reset();
    handle_ = std::exchange(other.handle_, nullptr);
    tally_ = other.tally_;
  }
  return *this;
}

void OwnedGdiObject::Reset() {
  if (!handle_) return;
  if (DeleteObject(handle_))
    ++tally_->Deleted;
  else
    ++tally_->DeleteFailures;
  handle_ = nullptr;
}

SelectionSlot::~SelectionSlot() {
  if (original_) SelectObject(dc_, original_);
}

void SelectionSlot::Select(OwnedGdiObject object, GdiTally& tally) {
  if (!object.Get()) return;  // creation failed: the step keeps the previous object
  HGDIOBJ previous = SelectObject(dc_, object.Get());
  if (!previous) {
    // Never selected, so it may go at once; the current object stays selected.
    ++tally.SelectFailures;
    return;
  }
  if (!original_) original_ = previous;
  current_ = std::move(object);  // the replaced object is no longer selected: deleted here
}
