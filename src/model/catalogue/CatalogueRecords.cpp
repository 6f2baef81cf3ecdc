#include "model/catalogue/CatalogueRecords.h"

#include <algorithm>

#include "model/HostType.h"
#include "model/catalogue/KeyboardLayouts.h"
#include "model/catalogue/ResponseRecords.h"
#include "model/catalogue/WheelMappings.h"

namespace torvane::model::catalogue {

namespace {

constexpr std::uint8_t kAdsOnL2 = 1;
constexpr std::uint8_t kReportEvery8ms = 32;             // 125 Hz
constexpr std::uint8_t kReportEvery1ms = 4;              // 1000 Hz, for timing-critical games
constexpr std::uint16_t kRollPitchOnLeftStick = 0x5510;  // yaw and throttle unassigned
constexpr std::uint8_t kInputWheel = 1;
constexpr std::uint16_t kNativeWheelFlag = 1u << 14;
constexpr std::uint16_t kSwitchTuning = 64;  // the Switch's own value, which preparation keeps
// The wheel a racing record starts with; every wheel profile offers it.
constexpr int kDefaultWheel = kWheelG29;

}  // namespace

std::span<const CatalogueRow> CatalogueRows(int host) {
  switch (host) {
    case kHostPS4:
      return PS4CatalogueRows();
    case kHostXboxOne:
      return XboxOneCatalogueRows();
    case kHostPS3:
      return PS3CatalogueRows();
    case kHostXbox360:
      return Xbox360CatalogueRows();
    case kHostSwitch:
      return SwitchCatalogueRows();
    default:
      return {};
  }
}

ConfigRecord CommonRecord(int host) {
  ConfigRecord record{};
  record.set_host_type(host);
  record.ads_key = kAdsOnL2;
  record.joystick_deadzone = 16;
  record.stick_deadzone = 16;
  record.hip_sensitivity = 100;
  record.ads_sensitivity = 200;
  record.ads_delay = 0;
  record.hip_yx_ratio = 200;
  record.ads_yx_ratio = 200;
  record.hip_min_speed = 0;
  record.ads_min_speed = 0;
  record.vibration_strength = 10;
  record.reserved_65 = 10;
  record.force_feedback_strength = 4;
  record.left_stick_strength = 100;
  record.right_stick_strength = 100;
  record.steering_angle = 300;
  record.report_interval = kReportEvery8ms;
  record.vibration_bits = 4;
  record.flight_axis_map = kRollPitchOnLeftStick;
  if (host == kHostSwitch) {
    record.host_tuning_1 = kSwitchTuning;
    record.host_tuning_2 = kSwitchTuning;
  }
  record.mapping[0] = KeyboardGroup(KeyboardLayout::kShooter, host);
  record.button_count = kDefaultButtonCount;
  return record;
}

ConfigRecord CatalogueRecord(int host, const CatalogueRow& row) {
  ConfigRecord record = CommonRecord(host);
  std::copy_n(row.name.begin(), std::min(row.name.size(), record.name.size() - 1), record.name.begin());
  record.game_id = row.game_id;
  record.curve_id = ResponseIdForGame(row.game_id);
  switch (row.style) {
    case GameStyle::kMouse:
      break;
    case GameStyle::kNativeWheel:
      record.flags = static_cast<std::uint16_t>(record.flags | kNativeWheelFlag);
      [[fallthrough]];
    case GameStyle::kWheel:
      record.input_device = kInputWheel;
      record.set_wheel_type(kDefaultWheel);
      record.mapping[0] = KeyboardGroup(KeyboardLayout::kRacing, host);
      break;
    case GameStyle::kRhythm:
      record.report_interval = kReportEvery1ms;
      record.mapping[0] = KeyboardGroup(KeyboardLayout::kRhythm, host);
      break;
  }
  return record;
}

std::vector<ConfigRecord> UnpreparedCatalogue(int host) {
  const std::span<const CatalogueRow> rows = CatalogueRows(host);
  std::vector<ConfigRecord> records;
  records.reserve(rows.size());
  for (const CatalogueRow& row : rows) records.push_back(CatalogueRecord(host, row));
  return records;
}

}  // namespace torvane::model::catalogue
