#include "platform/linux/EvdevKeyTranslator.h"

#include "platform/linux/EvdevKeyTable.h"

namespace torvane::platform {

std::uint8_t EvdevKeyTranslator::KeyCodeFromNativeKey(std::uint32_t scan_code, std::uint32_t /*virtual_key*/) const {
  return KeyCodeFromNativeScanCode(scan_code);
}

std::uint8_t EvdevKeyTranslator::KeyCodeFromNativeButton(std::uint32_t button) const {
  return KeyCodeFromEvdevButton(button);
}

}  // namespace torvane::platform
