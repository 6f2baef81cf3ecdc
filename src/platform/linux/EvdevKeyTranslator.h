#pragma once

#include "platform/KeyTranslator.h"

namespace torvane::platform {

// Keys as X11 and Wayland report them (the Linux input event code plus 8 as the native scan code; the virtual key
// is a keysym that depends on the layout and is not used) and mouse buttons by their input event code.
class EvdevKeyTranslator final : public KeyTranslator {
 public:
  std::uint8_t KeyCodeFromNativeKey(std::uint32_t scan_code, std::uint32_t virtual_key) const override;
  std::uint8_t KeyCodeFromNativeButton(std::uint32_t button) const override;
};

}  // namespace torvane::platform
