// An adapter image as a read delivers it: the adapter-button checks with the
// restores and the upgrade they lead to, the prune, and the walks and edits
// over tables whose counts, names and keys the adapter may hold in any state.

#include <string>
#include <vector>

#include "ImageInput.h"
#include "Require.h"
#include "SampleImage.h"
#include "device/AdapterCheck.h"
#include "device/CompatibilityRules.h"
#include "device/FlashPlans.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/PruneWithCatalogue.h"
#include "model/keys/KeyName.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroActions.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace {

using namespace torvane;

constexpr int kMaxCheckSteps = 8;

// Answers the checks' questions with the bits of `answers` and runs what they ask for.
void RunChecks(model::FlashImage& image, std::uint8_t mode, unsigned answers) {
  static const auto defaults = [] {
    auto images = model::MakeDefaultImages();
    model::ResetDefaultImages(*images);
    return images;
  }();
  static const std::vector<std::uint8_t> firmware(3000, 0x5A);
  device::AdapterCheck check(image, mode);
  device::WritePlan plan;
  for (int step = 0;; ++step) {
    fuzz::Require(step < kMaxCheckSteps, "the adapter checks do not end");
    const device::CheckStep next = check.Next();
    const bool yes = (answers >> step) & 1u;
    switch (next.action) {
      case device::CheckAction::kExitProgram:
      case device::CheckAction::kStop:
      case device::CheckAction::kPruneAndShowHome:
        return;
      case device::CheckAction::kConfirmRestoreConfiguration:
        check.Resume(yes && device::BuildConfigurationRestorePlan(image, *defaults, plan));
        break;
      case device::CheckAction::kRestoreFirmwareAndConfiguration:
        check.Resume(yes && device::BuildFirmwareRestorePlan(image, *defaults, firmware, plan));
        break;
      case device::CheckAction::kConfirmUpgrade:
        check.Resume(yes && device::BuildUpgradePlan(image, *defaults, firmware, plan));
        break;
    }
  }
}

void WalkTables(model::FlashImage& image) {
  const std::size_t configs = model::UsedConfigCount(image.config);
  fuzz::Require(configs <= model::kMaxConfigs, "config count beyond the table");
  fuzz::Require(model::UsedMacroCount(image.macro) <= model::kMaxMacros, "macro count beyond the table");
  for (int host = 0; host < 8; ++host) {
    model::CountConfigs(image.config, host);
    model::StartupIndex(image.config, host);
    model::PickFreeColor(image.config, host);
  }
  for (std::size_t slot = 0; slot < configs; ++slot) {
    const model::ConfigRecord& record = image.config.records[slot];
    const std::string name(model::ReadName(record.name));
    const int host = record.host_type();
    fuzz::Require(model::FindConfigIndex(image.config, name, host) >= 0, "a stored name not found");
    model::FindOccupiedKey(image.config, record);
    model::MappedKeyConflict(image, record, record.hotkey);
    model::ConfigHotkeyConflict(image, host, record.hotkey);
    model::PickFreeHotkey(image.config, record);
    model::KeyName(record.hotkey);
    model::CatalogueRecordFor(record);
    if (const model::WheelType* type = model::WheelTypeFor(record)) model::WheelTypeName(*type);
    model::ConfigRecord edited = record;
    model::PrepareForEditing(edited);
  }
  for (std::size_t i = 0; i < model::UsedMacroCount(image.macro); ++i) {
    const model::MacroRecord& macro = image.macro.records[i];
    fuzz::Require(macro.used_steps() <= model::kMacroSteps, "macro steps beyond the record");
    model::FindMacroIndex(image.macro, model::ReadName(macro.owner_name), model::ReadName(macro.macro_name),
                          macro.host);
  }
  for (std::size_t i = 0; i < model::UsedGlobalHotkeys(image.config); ++i) {
    model::GlobalKeyConflict(image, static_cast<int>(i), image.config.global_hotkeys[i]);
  }
}

// The edits the player can make first, on the image as read.
void EditTables(const model::FlashImage& image) {
  if (model::UsedConfigCount(image.config) == 0) return;
  static const auto copy = model::MakeFlashImage();
  *copy = image;
  model::ConfigRecord& first = copy->config.records[0];
  const std::string name(model::ReadName(first.name));
  model::NewMacro(copy->macro, first);
  if (model::UsedMacroCount(copy->macro) > 0) {
    model::CopyMacro(copy->macro, first, model::ReadName(copy->macro.records[0].macro_name));
  }
  model::CreateConfigCopy(*copy, 0);
  model::RenameConfig(*copy, first, name + "x");
  model::DeleteConfigWithMacros(*copy, first.host_type(), model::ReadName(first.name));
  fuzz::Require(model::UsedConfigCount(copy->config) <= model::kMaxConfigs &&
                    model::UsedMacroCount(copy->macro) <= model::kMaxMacros,
                "an edit left a count beyond its table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto sample = fuzz::SampleImage();
  // Work images kept from input to input: a fresh one each time would cost more than the checks.
  static const auto image = model::MakeFlashImage();
  static const auto checked = model::MakeFlashImage();
  *image = *sample;
  fuzz::OverlayImage(*image, {data, size});
  const std::uint8_t tail = size > 0 ? data[size - 1] : 0;

  device::OldGenerationKind(image->info);
  if (const auto end = device::FirmwareEndAddress(image->boot)) {
    fuzz::Require(*end >= model::kFirmwareAddress && *end < device::kFirmwareAreaEnd,
                  "a firmware end outside the firmware area");
  }
  const std::uint8_t modes[] = {device::kModeNormal, device::kModeRecovery, device::kModePeripheral, tail};
  *checked = *image;
  RunChecks(*checked, modes[tail % std::size(modes)], tail >> 2);

  WalkTables(*image);
  EditTables(*image);
  model::PruneUnknownGames(*image);
  for (std::size_t slot = 0; slot < model::UsedConfigCount(image->config); ++slot) {
    const model::ConfigRecord& record = image->config.records[slot];
    fuzz::Require(model::IsKnownHost(record.host_type()) && model::IsKnownGame(record.host_type(), record.game_id),
                  "an unknown game survived the prune");
  }
  WalkTables(*image);
  const model::SaveJob job = model::BuildSaveJob(*image, model::kUnsavedAll);
  fuzz::Require(job.regions.size() == 3 && job.total_length == 2 * model::kBlockSize + model::kResponseBlockSize,
                "a save of the whole image misses bytes");
  return 0;
}
