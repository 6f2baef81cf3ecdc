#include "model/tables/ConfigTable.h"

#include <algorithm>
#include <vector>

#include "model/HostType.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {

const std::array<std::uint32_t, 16> kConfigColors{
    0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFF00FF, 0xFF00FFFF, 0xFFF0F0F0, 0xFF66B032, 0xFF8601BF,
    0xFFFE2763, 0xFFFD5308, 0xFFA7104B, 0xFF3D01A4, 0xFFD0EA2B, 0xFFFABC02, 0xFF0392CE, 0xFFFF0000,
};

// F1..F12, Keypad0, Keypad1..Keypad9, 0, 1..9.
const std::array<std::uint8_t, 32> kHotkeyCandidates{
    0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x62, 0x59, 0x5A, 0x5B,
    0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61, 0x27, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26,
};

namespace {

// Global hotkeys 0..2 (previous, next, config mode) may never be taken by a configuration.
constexpr std::size_t kReservedGlobalHotkeys = 3;
constexpr std::uint8_t kUnmapped = 0xFF;

std::span<const std::uint8_t> GlobalHotkeys(const ConfigBlock& block, std::size_t first, std::size_t last) {
  return std::span<const std::uint8_t>(block.global_hotkeys).subspan(first, last - first);
}

bool Contains(std::span<const std::uint8_t> codes, std::uint8_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool MappingContains(const ConfigRecord& record, std::uint8_t code) {
  const std::size_t used = record.used_buttons();
  return std::any_of(record.mapping.begin(), record.mapping.end(), [&](const MappingGroup& group) {
    return Contains(std::span<const std::uint8_t>(group).first(used), code);
  });
}

std::array<std::uint8_t, 5> KeyFields(const ConfigRecord& record) {
  return {record.stick_swap_key, record.left_stick_hotkey, record.right_stick_hotkey, record.turn_assist_key,
          record.touchpad_key};
}

bool ColorUsedOnHost(const ConfigBlock& block, std::uint32_t color, int host) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    if (record.host_type() == host && record.color.get() == color) return true;
  }
  return false;
}

}  // namespace

bool IsReservedGlobalHotkey(const ConfigBlock& block, std::uint8_t code) {
  return Contains(GlobalHotkeys(block, 0, kReservedGlobalHotkeys), code);
}

std::size_t UsedConfigCount(const ConfigBlock& block) {
  return std::min<std::size_t>(block.count, kMaxConfigs);
}

std::size_t UsedGlobalHotkeys(const ConfigBlock& block) {
  return std::min<std::size_t>(block.global_hotkey_count, block.global_hotkeys.size());
}

int FindConfigIndex(const ConfigBlock& block, std::string_view name, int host) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    if (record.host_type() == host && ReadName(record.name) == name) return static_cast<int>(i);
  }
  return -1;
}

ConfigRecord* FindConfig(ConfigBlock& block, std::string_view name, int host) {
  const int index = FindConfigIndex(block, name, host);
  return index < 0 ? nullptr : &block.records[static_cast<std::size_t>(index)];
}

const ConfigRecord* FindConfig(const ConfigBlock& block, std::string_view name, int host) {
  const int index = FindConfigIndex(block, name, host);
  return index < 0 ? nullptr : &block.records[static_cast<std::size_t>(index)];
}

int CountConfigs(const ConfigBlock& block, int host) {
  const auto used = block.records.begin() + static_cast<std::ptrdiff_t>(UsedConfigCount(block));
  return static_cast<int>(
      std::count_if(block.records.begin(), used, [host](const ConfigRecord& r) { return r.host_type() == host; }));
}

int StartupIndex(const ConfigBlock& block, int host) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    if (record.host_type() == host && record.is_startup()) return static_cast<int>(i);
  }
  return -1;
}

bool AddConfig(FlashImage& image, const ConfigRecord& record, const ResponseRecord* default_response) {
  if (image.config.count >= kMaxConfigs) return false;
  const std::size_t slot = image.config.count;
  // Copies first: the caller's record or response may live inside the image.
  const ConfigRecord added = record;
  if (default_response != nullptr) {
    const ResponseRecord response = *default_response;
    image.response.records[slot] = response;
  }
  image.config.records[slot] = added;
  ++image.config.count;
  return true;
}

bool CopyConfig(FlashImage& image, const ConfigRecord& record, int source_slot) {
  if (image.config.count >= kMaxConfigs) return false;
  if (source_slot < 0 || static_cast<std::size_t>(source_slot) >= image.config.count) return false;
  const std::size_t slot = image.config.count;
  const ConfigRecord added = record;
  image.response.records[slot] = image.response.records[static_cast<std::size_t>(source_slot)];
  image.config.records[slot] = added;
  ++image.config.count;
  return true;
}

bool DeleteConfig(FlashImage& image, int host, std::string_view name) {
  return DeleteConfigAt(image, FindConfigIndex(image.config, name, host));
}

bool DeleteConfigAt(FlashImage& image, int slot) {
  const std::size_t used = UsedConfigCount(image.config);
  if (slot < 0 || static_cast<std::size_t>(slot) >= used) return false;
  // Each configuration keeps its response record at the same slot; the slot
  // that falls out of use keeps its old bytes.
  for (std::size_t i = static_cast<std::size_t>(slot); i + 1 < used; ++i) {
    image.config.records[i] = image.config.records[i + 1];
    image.response.records[i] = image.response.records[i + 1];
  }
  image.config.count = static_cast<std::uint8_t>(used - 1);
  return true;
}

bool SetStartup(ConfigBlock& block, std::string_view name) {
  const int chosen = FindConfigIndex(block, name, block.host);
  if (chosen < 0) return false;
  const bool was_startup = block.records[static_cast<std::size_t>(chosen)].is_startup();
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    ConfigRecord& record = block.records[i];
    if (record.host_type() == block.host) record.set_startup(i == static_cast<std::size_t>(chosen));
  }
  return !was_startup;
}

bool EnsureStartup(ConfigBlock& block) {
  if (StartupIndex(block, block.host) >= 0) return true;
  if (CountConfigs(block, block.host) != 1) return false;
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    ConfigRecord& record = block.records[i];
    if (record.host_type() == block.host) record.set_startup(true);
  }
  return true;
}

std::uint32_t PickFreeColor(const ConfigBlock& block, int host) {
  for (const std::uint32_t color : kConfigColors) {
    if (!ColorUsedOnHost(block, color, host)) return color;
  }
  return 0;
}

std::uint32_t NextFreeColor(const ConfigBlock& block, std::uint32_t current) {
  std::vector<std::uint32_t> free;
  for (const std::uint32_t color : kConfigColors) {
    if (color == current || !ColorUsedOnHost(block, color, block.host)) free.push_back(color);
  }
  if (free.size() < 2) return current;
  const auto it = std::find(free.begin(), free.end(), current);
  if (it == free.end() || it + 1 == free.end()) return free.front();
  return *(it + 1);
}

std::uint8_t PickFreeHotkey(const ConfigBlock& block, const ConfigRecord& record) {
  const int host = record.host_type();
  for (const std::uint8_t code : kHotkeyCandidates) {
    if (HotkeyUsedOnHost(block, code, host) || IsReservedGlobalHotkey(block, code) || MappingContains(record, code)) {
      continue;
    }
    return code;
  }
  return 0;
}

bool KeyUsedByConfig(const FlashImage& image, const ConfigRecord& record, std::uint8_t code) {
  if (MappingContains(record, code) || Contains(KeyFields(record), code)) return true;
  const std::string_view owner = ReadName(record.name);
  const int host = record.host_type();
  const std::size_t macros = UsedMacroCount(image.macro);
  for (std::size_t i = 0; i < macros; ++i) {
    const MacroRecord& macro = image.macro.records[i];
    if (macro.macro_hotkey == code && macro.host == host && ReadName(macro.owner_name) == owner) return true;
  }
  return false;
}

bool KeyUsedOnHost(const FlashImage& image, int host, std::uint8_t code) {
  const std::size_t used = UsedConfigCount(image.config);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = image.config.records[i];
    if (record.host_type() == host && KeyUsedByConfig(image, record, code)) return true;
  }
  return false;
}

bool KeyUsedAnywhere(const FlashImage& image, std::uint8_t code) {
  // One walk instead of one per host: every record of a known host counts.
  const std::size_t used = UsedConfigCount(image.config);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = image.config.records[i];
    if (IsKnownHost(record.host_type()) && KeyUsedByConfig(image, record, code)) return true;
  }
  return false;
}

bool HotkeyUsedOnHost(const ConfigBlock& block, std::uint8_t code, int host) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    if (record.host_type() == host && record.hotkey == code) return true;
  }
  return false;
}

bool HotkeyUsedAnywhere(const ConfigBlock& block, std::uint8_t code) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    if (IsKnownHost(record.host_type()) && record.hotkey == code) return true;
  }
  return false;
}

bool GlobalKeyConflict(const FlashImage& image, int kind, std::uint8_t code) {
  const ConfigBlock& block = image.config;
  if (kind >= 3) {
    // The sensitivity keys only have to stay clear of global hotkeys 2..6.
    return Contains(GlobalHotkeys(block, 2, 7), code);
  }
  const std::size_t checked = kind == 2 ? UsedGlobalHotkeys(block) : kReservedGlobalHotkeys;
  if (Contains(GlobalHotkeys(block, 0, checked), code)) return true;
  return HotkeyUsedAnywhere(block, code) || KeyUsedAnywhere(image, code);
}

bool MappedKeyConflict(const FlashImage& image, const ConfigRecord& record, std::uint8_t code) {
  return IsReservedGlobalHotkey(image.config, code) || HotkeyUsedOnHost(image.config, code, record.host_type()) ||
         KeyUsedByConfig(image, record, code);
}

bool ConfigHotkeyConflict(const FlashImage& image, int host, std::uint8_t code) {
  return IsReservedGlobalHotkey(image.config, code) || HotkeyUsedOnHost(image.config, code, host) ||
         KeyUsedOnHost(image, host, code);
}

std::uint8_t FindOccupiedKey(const ConfigBlock& block, const ConfigRecord& record) {
  const int host = record.host_type();
  auto taken = [&](std::uint8_t code) {
    return code != 0 && code != kUnmapped &&
           (HotkeyUsedOnHost(block, code, host) || IsReservedGlobalHotkey(block, code));
  };
  const std::size_t used = record.used_buttons();
  for (const MappingGroup& group : record.mapping) {
    for (std::size_t j = 0; j < used; ++j) {
      if (taken(group[j])) return group[j];
    }
  }
  for (const std::uint8_t code : KeyFields(record)) {
    if (taken(code)) return code;
  }
  return 0;
}

}  // namespace torvane::model
