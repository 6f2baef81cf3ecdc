#include "model/catalogue/CataloguePreparation.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "model/HostType.h"
#include "model/catalogue/WheelProfiles.h"
#include "model/keys/KeyCodes.h"
#include "model/params/ResponseCurves.h"

namespace torvane::model::catalogue {

namespace {

constexpr std::uint16_t kNoNativeWheelBelow = 0x4000;
constexpr int kExpertModeGameId = 90;  // takes the wheel's force feedback although the game reads the wheel
constexpr std::size_t kSwitchPassThroughButtons = 26;
// Entry 13 is the touch pad, which only the PS4 pad has; J14 stays unused.
constexpr std::size_t kPadPassThroughButtons = 18;
constexpr std::size_t kTouchEntry = 13;

// An attached Switch pad: J1..J26 straight through, then what its firmware
// expects in the rest of the group.
MappingGroup SwitchGroup1() {
  MappingGroup group{};
  for (std::size_t i = 0; i < kSwitchPassThroughButtons; ++i) group[i] = ControllerKey(static_cast<int>(i));
  constexpr std::uint8_t kTail[] = {0,  0, 252, 16, 72, 0, 252, 16, 72, 0, 252, 16,
                                    72, 0, 252, 16, 72, 0, 0,   1,  2,  3, 4,   5};
  static_assert(kSwitchPassThroughButtons + std::size(kTail) == kMappingGroupSize);
  std::copy(std::begin(kTail), std::end(kTail), group.begin() + kSwitchPassThroughButtons);
  return group;
}

MappingGroup PadGroup1() {
  MappingGroup group{};
  for (std::size_t i = 0; i < kPadPassThroughButtons; ++i) {
    if (i != kTouchEntry) group[i] = ControllerKey(static_cast<int>(i));
  }
  return group;
}

void RebuildGroup1(ConfigRecord& record) {
  const int host = record.host_type();
  if (host == kHostSwitch) {
    record.mapping[1] = SwitchGroup1();
  } else if (host >= kHostPS4 && host <= kHostXbox360) {
    record.mapping[1] = PadGroup1();
  } else {
    record.mapping[1].fill(0);
  }
}

void SetHostTuning(ConfigRecord& record) {
  switch (record.host_type()) {
    case kHostPS4:
    case kHostPS3:
      record.host_tuning_1 = 128;
      record.host_tuning_2 = 128;
      break;
    case kHostXboxOne:
    case kHostXbox360:
      record.host_tuning_1 = 0;
      record.host_tuning_2 = 0;
      break;
    default:  // the Switch (and hosts no catalogue has) keep their stored values
      break;
  }
}

void ApplyWheel(ConfigRecord& record, std::span<const WheelProfile> wheels) {
  const WheelProfile* profile = FindWheelProfile(wheels, record.game_id, record.host_type());
  const WheelType* wheel = profile ? FindWheelType(*profile, record.wheel_type()) : nullptr;
  if (!wheel) {
    record.set_wheel_type(kNoWheelTypeId);
    return;
  }
  record.mapping = wheel->mapping;
  record.set_wheel_type(wheel->id);
  record.steering_angle = wheel->steering_angle.get();
  if (record.flags.get() < kNoNativeWheelBelow || record.game_id == kExpertModeGameId) {
    record.force_feedback_strength = wheel->force_feedback_strength;
  }
}

}  // namespace

void PrepareCatalogueRecord(ConfigRecord& record, std::span<const WheelProfile> wheels) {
  record.reserved_133.fill(0);

  if (const auto curves = PerGameCurves(record.game_id)) {
    record.hip_curve = curves->hip;
    record.ads_curve = curves->ads;
  } else {
    record.hip_curve = NeutralCurve();
    record.ads_curve = NeutralCurve();
  }

  if (record.input_device == 0 && (record.report_interval & 1u) == 0) RebuildGroup1(record);

  SetHostTuning(record);
  ApplyWheel(record, wheels);
  std::fill(record.mapping[0].begin() + kDefaultButtonCount, record.mapping[0].end(), std::uint8_t{0});
}

void PrepareCatalogueRecords(std::span<ConfigRecord> records, std::span<const WheelProfile> wheels) {
  for (ConfigRecord& record : records) PrepareCatalogueRecord(record, wheels);
}

}  // namespace torvane::model::catalogue
