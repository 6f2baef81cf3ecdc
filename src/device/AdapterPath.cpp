#include "device/AdapterPath.h"

#include <algorithm>

#include "device/ProtocolCodes.h"

namespace torvane::device {

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
  return upper;
}

bool IsAdapterPath(std::string_view path) {
  const std::string upper = ToUpperAscii(path);
  return std::any_of(kAdapterPathTexts.begin(), kAdapterPathTexts.end(),
                     [&upper](std::string_view text) { return upper.find(text) != std::string::npos; });
}

bool IsAdapterIds(std::uint16_t vendor_id, std::uint16_t product_id) {
  return vendor_id == kVendorId && (product_id == kProductIdB372 || product_id == kProductIdB370);
}

bool ShareAdapterText(std::string_view first, std::string_view second) {
  const std::string a = ToUpperAscii(first);
  const std::string b = ToUpperAscii(second);
  return std::any_of(kAdapterPathTexts.begin(), kAdapterPathTexts.end(), [&](std::string_view text) {
    return a.find(text) != std::string::npos && b.find(text) != std::string::npos;
  });
}

}  // namespace torvane::device
