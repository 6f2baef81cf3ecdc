#include "model/exchange/MacroExchange.h"

#include <algorithm>
#include <cstring>

#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/exchange/DigestField.h"
#include "model/keys/KeyClass.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {

namespace {

// Global hotkeys 0..2 switch configurations; a macro must not take them silently.
constexpr std::size_t kSwitchingGlobalHotkeys = 3;
constexpr std::uint8_t kLastTriggerMode = 2;  // Toggle

bool HotkeyTaken(const FlashImage& image, const ConfigRecord& owner, std::uint8_t hotkey) {
  if (KeyClass(hotkey) == kKeyClassNone) return false;
  const auto& globals = image.config.global_hotkeys;
  if (std::find(globals.begin(), globals.begin() + kSwitchingGlobalHotkeys, hotkey) !=
      globals.begin() + kSwitchingGlobalHotkeys) {
    return true;
  }
  return HotkeyUsedOnHost(image.config, hotkey, owner.host_type()) || KeyUsedByConfig(image, owner, hotkey);
}

// What the macro editor would never store: a name without its terminator, steps past the table or the count, hold
// times below the shortest one and trigger modes it does not know. Files are made by anyone, so these are mended.
void MendSteps(MacroRecord& macro) {
  macro.step_count = static_cast<std::uint8_t>(macro.used_steps());
  for (std::size_t i = 0; i < kMacroSteps; ++i) {
    MacroStep& step = macro.steps[i];
    if (i >= macro.step_count) {
      step = MacroStep{};
    } else if (step.hold_time.get() < kMinHoldTime) {
      step.hold_time = kMinHoldTime;
    }
  }
  if (macro.trigger_mode > kLastTriggerMode) macro.trigger_mode = 0;
}

}  // namespace

std::optional<MacroFile> BuildMacroFile(const MacroRecord& record) {
  MacroFile file{};
  file.manager_version = kManagerVersion;
  file.config_format_version = kConfigFormatVersion;
  file.macro_format_version = kMacroFormatVersion;
  file.record = record;
  if (!StampDigest(BytesOf(file), offsetof(MacroFile, digest))) return std::nullopt;
  return file;
}

ExchangeResult ImportMacroFile(FlashImage& image, const ConfigRecord& owner, std::span<const std::uint8_t> bytes,
                               const ConfirmOccupiedFn& confirm) {
  const int host = image.config.host;
  if (!IsKnownHost(host)) return ExchangeResult::kIgnored;
  if (bytes.size() != kMacroFileSize) return ExchangeResult::kWrongSize;
  if (!VerifyDigest(bytes, offsetof(MacroFile, digest))) return ExchangeResult::kVerifyFailed;

  MacroFile file{};
  std::memcpy(&file, bytes.data(), sizeof file);
  MacroRecord& macro = file.record;
  macro.owner_name.fill('\0');
  const std::string_view owner_name = ReadName(owner.name);
  std::copy_n(owner_name.begin(), std::min(owner_name.size(), macro.owner_name.size()), macro.owner_name.begin());
  StoreName(macro.macro_name, ReadName(macro.macro_name), kMacroNameChars);

  if (HotkeyTaken(image, owner, macro.macro_hotkey)) {
    if (!confirm || !confirm(macro.macro_hotkey)) return ExchangeResult::kDeclined;
  }
  const bool newer_format = CompareVersion(kMacroFormatVersion, file.macro_format_version) == kVersionNewer;
  if (macro.host != host) return ExchangeResult::kWrongConsole;
  if (FindMacroIndex(image.macro, ReadName(macro.owner_name), ReadName(macro.macro_name), host) >= 0) {
    return ExchangeResult::kDuplicateMacro;
  }
  if (newer_format) return ExchangeResult::kNeedsNewerManager;
  MendSteps(macro);
  if (!AddMacro(image.macro, macro)) return ExchangeResult::kMacroTableFull;
  return ExchangeResult::kOk;
}

}  // namespace torvane::model
