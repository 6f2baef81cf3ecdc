#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {
namespace {

constexpr std::uint8_t kUnusedCode = 252;  // J60: in no mapping, field or macro below

// 16 configurations over the five hosts, every entry of all four groups in
// use, the key fields set, and 30 macros with hotkeys.
std::unique_ptr<FlashImage> MakeFullImage() {
  auto image = MakeFlashImage();
  auto defaults = MakeDefaultImages();
  ResetDefaultImages(*defaults);
  RestoreDefaultRegions(*image, *defaults);
  for (std::size_t i = 0; i < kMaxConfigs; ++i) {
    ConfigRecord record{};
    StoreName(record.name, "Configuration number " + std::to_string(i), kNewConfigNameChars);
    record.set_host_type(static_cast<int>(i % kHostCount));
    record.button_count = kMappingGroupSize;
    for (std::size_t g = 0; g < kMappingGroups; ++g) {
      for (std::size_t j = 0; j < kMappingGroupSize; ++j) {
        record.mapping[g][j] = static_cast<std::uint8_t>(4 + (g * kMappingGroupSize + j + i) % 100);
      }
    }
    record.stick_swap_key = 165;
    record.left_stick_hotkey = 166;
    record.right_stick_hotkey = 167;
    record.turn_assist_key = 168;
    record.touchpad_key = 169;
    record.hotkey = kHotkeyCandidates[i];
    AddConfig(*image, record, nullptr);
  }
  for (std::size_t m = 0; m < kMaxMacros; ++m) {
    const ConfigRecord& owner = image->config.records[m % kMaxConfigs];
    MacroRecord macro{};
    macro.host = static_cast<std::uint8_t>(owner.host_type());
    macro.owner_name = owner.name;
    StoreName(macro.macro_name, "Macro " + std::to_string(m), kMacroNameChars);
    macro.macro_hotkey = static_cast<std::uint8_t>(173 + m % 20);
    AddMacro(image->macro, macro);
  }
  return image;
}

void BM_KeyUsedAnywhereUnusedCode(benchmark::State& state) {
  const auto image = MakeFullImage();
  for (auto _ : state) {
    benchmark::DoNotOptimize(KeyUsedAnywhere(*image, kUnusedCode));
  }
}
BENCHMARK(BM_KeyUsedAnywhereUnusedCode);

void BM_FindOccupiedKeyFullRecord(benchmark::State& state) {
  const auto image = MakeFullImage();
  // A record whose 200 entries and five fields are all free: every one is checked.
  ConfigRecord record = image->config.records[0];
  record.set_host_type(kHostPS4);
  for (auto& group : record.mapping) group.fill(kUnusedCode);
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindOccupiedKey(image->config, record));
  }
}
BENCHMARK(BM_FindOccupiedKeyFullRecord);

void BM_DeleteFirstAndAddConfig(benchmark::State& state) {
  auto image = MakeFullImage();
  DeleteConfigAt(*image, 15);
  const ResponseRecord response{};
  // Deleting slot 0 moves all 14 later records and their response records.
  for (auto _ : state) {
    const ConfigRecord first = image->config.records[0];
    const std::string name(ReadName(first.name));
    DeleteConfig(*image, first.host_type(), name);
    AddConfig(*image, first, &response);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DeleteFirstAndAddConfig);

}  // namespace
}  // namespace torvane::model
