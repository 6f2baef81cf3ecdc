#include "model/exchange/SuggestedFileName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "model/HostType.h"
#include "model/tables/NameText.h"

namespace torvane::model {

namespace {

constexpr std::array<std::string_view, kHostCount> kHostSuffixes{"(PS4)", "(XBOX ONE)", "(PS3)", "(XBOX 360)",
                                                                 "(SWITCH)"};

std::string Blanked(std::string text, bool colons) {
  std::replace(text.begin(), text.end(), '/', ' ');
  if (colons) std::replace(text.begin(), text.end(), ':', ' ');
  return text;
}

}  // namespace

std::string_view HostFileSuffix(int host) {
  return IsKnownHost(host) ? kHostSuffixes[static_cast<std::size_t>(host)] : std::string_view{};
}

std::string SuggestedConfigFileName(const ConfigRecord& record) {
  std::string name(ReadName(record.name));
  name += HostFileSuffix(record.host_type());
  return Blanked(std::move(name), true);
}

std::string SuggestedMacroFileName(const MacroRecord& record) {
  std::string name(ReadName(record.macro_name));
  name += HostFileSuffix(record.host);
  return Blanked(std::move(name), false);
}

std::string SuggestedCurveFileName(const ConfigRecord& record) {
  return Blanked(std::string(ReadName(record.name)), true);
}

std::string WithExtension(std::string_view path, ExchangeKind kind) {
  const std::string ending = "." + std::string(FileType(kind).extension);
  const bool has_it =
      path.size() >= ending.size() &&
      std::equal(ending.begin(), ending.end(), path.end() - static_cast<std::ptrdiff_t>(ending.size()),
                 [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                 });
  return has_it ? std::string(path) : std::string(path) + ending;
}

}  // namespace torvane::model
