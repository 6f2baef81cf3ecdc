#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "model/FlashImage.h"
#include "model/tables/NameText.h"

namespace torvane::model::fixtures {

// Key codes used by the fixtures.
inline constexpr std::uint8_t kKeyF1 = 0x3A;
inline constexpr std::uint8_t kKeyF2 = 0x3B;
inline constexpr std::uint8_t kKeyF3 = 0x3C;
inline constexpr std::uint8_t kKeyQ = 20;
inline constexpr std::uint8_t kKeyG = 10;
inline constexpr std::uint8_t kKeyE = 8;
inline constexpr std::uint8_t kKeyPgUp = 0x4B;
inline constexpr std::uint8_t kKeyPgDn = 0x4E;
inline constexpr std::uint8_t kKeyF12 = 0x45;
inline constexpr std::uint8_t kKeyUp = 0x52;
inline constexpr std::uint8_t kKeyLeft = 0x50;

// A live image holding the default regions: no configurations, no macros, the seven global hotkeys.
inline std::unique_ptr<FlashImage> MakeDefaultImage() {
  auto image = MakeFlashImage();
  auto defaults = MakeDefaultImages();
  ResetDefaultImages(*defaults);
  RestoreDefaultRegions(*image, *defaults);
  return image;
}

// A record with a name, host and game; `keys` go into mapping group 0 from entry 0.
inline ConfigRecord MakeRecord(std::string_view name, int host, std::initializer_list<std::uint8_t> keys = {},
                               std::uint8_t game_id = 1) {
  ConfigRecord record{};
  StoreName(record.name, name, kNewConfigNameChars);
  record.set_host_type(host);
  record.game_id = game_id;
  record.button_count = kDefaultButtonCount;
  std::size_t j = 0;
  for (const std::uint8_t key : keys) record.mapping[0][j++] = key;
  return record;
}

// Appends a record and gives its response slot a recognisable identifier.
inline void Append(FlashImage& image, const ConfigRecord& record, std::uint16_t response_id = 0) {
  const std::size_t slot = image.config.count;
  image.config.records[slot] = record;
  image.response.records[slot].curve_id = response_id;
  image.config.count = static_cast<std::uint8_t>(slot + 1);
}

inline MacroRecord MakeMacro(std::string_view owner, std::string_view name, int host, std::uint8_t hotkey = 0) {
  MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(host);
  StoreName(macro.owner_name, owner, macro.owner_name.size() - 1);
  StoreName(macro.macro_name, name, kMacroNameChars);
  macro.macro_hotkey = hotkey;
  return macro;
}

inline void AppendMacro(FlashImage& image, const MacroRecord& macro) {
  image.macro.records[image.macro.count] = macro;
  ++image.macro.count;
}

// Makes names be cut by another code page for one test.
class ScopedNarrowEncoding {
 public:
  explicit ScopedNarrowEncoding(unsigned code_page) { NarrowEncoding::SetCurrent(NarrowEncoding(code_page)); }
  ~ScopedNarrowEncoding() { NarrowEncoding::SetCurrent(saved_); }
  ScopedNarrowEncoding(const ScopedNarrowEncoding&) = delete;
  ScopedNarrowEncoding& operator=(const ScopedNarrowEncoding&) = delete;

 private:
  NarrowEncoding saved_ = NarrowEncoding::Current();
};

// `count` GBK (code page 936) characters: "中" is D6 D0.
inline std::string GbkText(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += "\xD6\xD0";
  return text;
}

inline std::string_view NameOf(const ConfigBlock& block, std::size_t slot) {
  return ReadName(block.records[slot].name);
}
inline std::string_view NameOf(const MacroBlock& block, std::size_t slot) {
  return ReadName(block.records[slot].macro_name);
}

}  // namespace torvane::model::fixtures
