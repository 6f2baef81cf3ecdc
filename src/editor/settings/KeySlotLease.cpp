#include "editor/settings/KeySlotLease.h"

#include "editor/KeyMapping.h"

namespace torvane::editor {

KeySlotLease::~KeySlotLease() {
  // Backwards, so a slot leased twice ends with what it held first.
  for (auto it = previous_.rbegin(); it != previous_.rend(); ++it) keys_.SetSlot(it->first, it->second);
}

void KeySlotLease::Put(std::size_t slot, toolkit::CControlUI* button) {
  previous_.emplace_back(slot, keys_.Slot(slot));
  keys_.SetSlot(slot, button);
}

}  // namespace torvane::editor
