#pragma once

#include <cstdint>

namespace torvane::platform {

// Turns the keys and mouse buttons the system reports into the adapter's key codes, so a key captured on any
// system gives the code a capture on Windows gives for the same physical key.
class KeyTranslator {
 public:
  // This system's translation; lives as long as the program.
  static const KeyTranslator& Native();

  virtual ~KeyTranslator() = default;

  // A key event as the system delivers it (the native scan code and virtual key a Qt key event carries, or what
  // a low-level keyboard hook sees); 0 for keys the adapter has no code for.
  virtual std::uint8_t KeyCodeFromNativeKey(std::uint32_t scan_code, std::uint32_t virtual_key) const = 0;
  // A mouse button by the system's own number for it; 0 for buttons the adapter has no code for.
  virtual std::uint8_t KeyCodeFromNativeButton(std::uint32_t button) const = 0;
};

}  // namespace torvane::platform
