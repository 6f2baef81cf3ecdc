#include "model/tables/ConfigActions.h"

#include <array>
#include <cstdio>
#include <string>

#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"

namespace torvane::model {

namespace {

constexpr int kCopyNameAttempts = 15;
constexpr std::uint8_t kDefaultStickDeadzone = 16;
constexpr unsigned kUnsavedNewConfig = kUnsavedConfig | kUnsavedResponse;

bool TableFull(const ConfigBlock& block) {
  return block.count >= kMaxConfigs;
}

// Gives the record a hotkey and the current host's first free colour; false when no colour is free.
bool ChooseHotkeyAndColor(const ConfigBlock& block, ConfigRecord& record) {
  record.hotkey = PickFreeHotkey(block, record);
  const std::uint32_t color = PickFreeColor(block, block.host);
  if (color == 0) return false;
  record.color = color;
  return true;
}

ConfigActionResult Added(const ConfigBlock& block) {
  return {ConfigOutcome::kDone, static_cast<int>(block.count) - 1, kUnsavedNewConfig};
}

}  // namespace

ConfigActionResult CreateConfig(FlashImage& image, const ConfigRecord& catalogue_record, std::string_view name,
                                const ResponseRecord* default_response) {
  ConfigBlock& block = image.config;
  if (TableFull(block)) return {ConfigOutcome::kTableFull};
  const std::string_view cut = CutName(name, kNewConfigNameChars, kConfigNameSize - 1);
  if (cut.empty()) return {ConfigOutcome::kBlankName};
  if (FindConfigIndex(block, cut, block.host) >= 0) return {ConfigOutcome::kDuplicateName};

  ConfigRecord record = catalogue_record;
  StoreName(record.name, cut, kNewConfigNameChars);
  // A host has at most one start-up configuration; a new one never takes the role.
  record.set_startup(false);
  if (!ChooseHotkeyAndColor(block, record)) return {ConfigOutcome::kNoFreeColor};
  if (!AddConfig(image, record, default_response)) return {ConfigOutcome::kAddFailed};
  return Added(block);
}

ConfigActionResult CreateConfigCopy(FlashImage& image, int source_slot) {
  ConfigBlock& block = image.config;
  if (TableFull(block)) return {ConfigOutcome::kTableFull};
  if (source_slot < 0 || static_cast<std::size_t>(source_slot) >= UsedConfigCount(block)) {
    return {ConfigOutcome::kNotFound};
  }
  ConfigRecord record = block.records[static_cast<std::size_t>(source_slot)];
  record.set_startup(false);
  const std::string source_name(ReadName(record.name));

  bool named = false;
  for (int n = 1; n <= kCopyNameAttempts && !named; ++n) {
    std::array<char, 16> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "copy(%d)", n);
    const std::string candidate = std::string(prefix.data()).append(source_name);
    // Compare what the field will hold: the candidate is cut to fit it.
    const std::string_view stored = CutName(candidate, kNewConfigNameChars, kConfigNameSize - 1);
    if (FindConfigIndex(block, stored, record.host_type()) >= 0) continue;
    StoreName(record.name, stored, kNewConfigNameChars);
    named = true;
  }
  if (!named) return {ConfigOutcome::kNoFreeName};
  if (!ChooseHotkeyAndColor(block, record)) return {ConfigOutcome::kNoFreeColor};
  if (!CopyConfig(image, record, source_slot)) return {ConfigOutcome::kAddFailed};
  return Added(block);
}

ConfigActionResult RenameConfig(FlashImage& image, ConfigRecord& record, std::string_view name) {
  // Checks run on the name as it will be stored, so a cut name can neither
  // collide with another configuration nor leave the macros behind.
  const std::string new_name(CutName(name, kEditedConfigNameChars, kConfigNameSize - 1));
  const std::string old_name(ReadName(record.name));
  if (new_name.empty() || new_name == old_name) return {ConfigOutcome::kUnchanged};
  const int host = record.host_type();
  if (FindConfigIndex(image.config, new_name, host) >= 0) return {ConfigOutcome::kDuplicateName};

  const int moved = RenameOwner(image.macro, host, old_name, new_name);
  StoreName(record.name, new_name, kEditedConfigNameChars);
  return {ConfigOutcome::kDone, FindConfigIndex(image.config, new_name, host),
          kUnsavedConfig | (moved > 0 ? kUnsavedMacro : 0u)};
}

unsigned DeleteConfigWithMacros(FlashImage& image, int host, std::string_view name) {
  // The name may point into the table, which the deletion rewrites.
  const std::string owner(name);
  const bool deleted = DeleteConfig(image, host, owner);
  const int macros = DeleteMacrosOf(image.macro, owner, host);
  if (macros > 0) return kUnsavedAll;
  return deleted ? kUnsavedNewConfig : 0u;
}

void PrepareForEditing(ConfigRecord& record) {
  if (record.stick_deadzone == 0) record.stick_deadzone = kDefaultStickDeadzone;
  if (record.button_count < kDefaultButtonCount) record.button_count = kDefaultButtonCount;
}

std::string_view ConfigOutcomeMessage(ConfigOutcome outcome) {
  switch (outcome) {
    case ConfigOutcome::kTableFull:
      return kMsgConfigsExceed;
    case ConfigOutcome::kBlankName:
      return kMsgBlankGameName;
    case ConfigOutcome::kDuplicateName:
      return kMsgDuplicateGame;
    case ConfigOutcome::kNoFreeColor:
      return kMsgNoUsefulColor;
    case ConfigOutcome::kAddFailed:
      return kMsgMaxGameNumber;
    case ConfigOutcome::kDone:
    case ConfigOutcome::kUnchanged:
    case ConfigOutcome::kNotFound:
    case ConfigOutcome::kNoFreeName:
      break;
  }
  return {};
}

}  // namespace torvane::model
