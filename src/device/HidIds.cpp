#include "device/HidIds.h"

#include <charconv>

namespace torvane::device {

namespace {

std::optional<std::uint32_t> ParseHex32(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint16_t> To16(std::optional<std::uint32_t> value) {
  if (!value || *value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

}  // namespace

std::optional<std::uint16_t> ParseHexId(std::string_view text) {
  return To16(ParseHex32(text));
}

std::optional<HidIds> ParseHidIdProperty(std::string_view text) {
  const std::size_t first = text.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  if (!ParseHex32(text.substr(0, first))) return std::nullopt;
  const auto vendor = To16(ParseHex32(text.substr(first + 1, second - first - 1)));
  const auto product = To16(ParseHex32(text.substr(second + 1)));
  if (!vendor || !product) return std::nullopt;
  return HidIds{*vendor, *product};
}

}  // namespace torvane::device
