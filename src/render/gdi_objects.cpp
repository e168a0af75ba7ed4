// Deletion and selection bookkeeping of the paint's GDI objects.
#include "gdi_objects.h"

#include <utility>

void TalliedGdiObjectTraits::Close(HGDIOBJ object) const {
  if (DeleteObject(object))
    ++Tally->Deleted;
  else
    ++Tally->DeleteFailures;
}

OwnedGdiObject::OwnedGdiObject(HGDIOBJ handle, GdiTally& tally) : object_(handle, {&tally}) {
  if (handle)
    ++tally.Created;
  else
    ++tally.CreateFailures;
}

void SelectionSlot::Select(OwnedGdiObject object, GdiTally& tally) {
  if (!object.Get()) return;  // creation failed: the step keeps the previous object
  HGDIOBJ previous = SelectObject(dc_, object.Get());
  if (!previous) {
    // Never selected, so it may go at once; the current object stays selected.
    ++tally.SelectFailures;
    return;
  }
  if (!original_) original_ = UniqueSelection(previous, {dc_});
  current_ = std::move(object);  // the replaced object is no longer selected: deleted here
}
