#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace torvane::toolkit {
class CControlUI;
}

namespace torvane::editor {

class KeyMapping;

// A dialog's key buttons in the program-wide key-button table for as long as the dialog lives: the occupied-key
// rules and the captures see them exactly then. Each slot gets back what it held before (empty for the stick
// slots; the Switch's capture button for slot 13), however the dialog ends.
class KeySlotLease {
 public:
  explicit KeySlotLease(KeyMapping& keys) : keys_(keys) {}
  ~KeySlotLease();
  KeySlotLease(const KeySlotLease&) = delete;
  KeySlotLease& operator=(const KeySlotLease&) = delete;

  void Put(std::size_t slot, toolkit::CControlUI* button);

 private:
  KeyMapping& keys_;
  std::vector<std::pair<std::size_t, toolkit::CControlUI*>> previous_;
};

}  // namespace torvane::editor
