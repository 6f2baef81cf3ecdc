#pragma once

#include <cstdint>
#include <span>

#include "device/WritePlan.h"
#include "model/FlashImage.h"

namespace torvane::device {

// The write plans of the firmware upgrade, the two restores and the save.
// Each clears the plan and fills it from scratch. The image in memory takes
// the new state only once the whole plan could be built; on false the plan is
// empty and the image untouched.

// Boot block (sector 1) with the carried firmware's version, address and
// length; each of the macro, configuration and response blocks whose format
// is not current is replaced by its default and written (sectors 2, 3, 4);
// then the firmware with its 0xAA end byte (sectors 5, 6). Boot parameters
// carry over unless their fourth byte is above 4, which resets the first four
// to 1, 0, 0, 0.
bool BuildUpgradePlan(model::FlashImage& image, const model::DefaultImages& defaults,
                      std::span<const std::uint8_t> firmware, WritePlan& plan);

// A fresh boot block, all three default blocks and the firmware: sectors 1 to 6.
bool BuildFirmwareRestorePlan(model::FlashImage& image, const model::DefaultImages& defaults,
                              std::span<const std::uint8_t> firmware, WritePlan& plan);

// The boot block with its markers and boot parameters reset (firmware fields
// kept) and the three default blocks: sectors 1 to 4.
bool BuildConfigurationRestorePlan(model::FlashImage& image, const model::DefaultImages& defaults, WritePlan& plan);

// The regions of a save, in the job's order, each with its sector.
bool BuildSavePlan(const model::SaveJob& job, WritePlan& plan);

}  // namespace torvane::device
