#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/LittleEndian.h"

namespace torvane::model {

inline constexpr std::size_t kConfigRecordSize = 842;
inline constexpr std::size_t kConfigNameSize = 40;
inline constexpr std::size_t kCurvePoints = 21;
inline constexpr std::size_t kMappingGroups = 4;
inline constexpr std::size_t kMappingGroupSize = 50;
inline constexpr std::uint8_t kDefaultButtonCount = 26;

using Curve = std::array<std::uint8_t, kCurvePoints>;
using MappingGroup = std::array<std::uint8_t, kMappingGroupSize>;

// Bits of ConfigRecord::flags.
namespace config_flags {
inline constexpr std::uint16_t kSquareDeadzone = 1u << 0;
inline constexpr std::uint16_t kStartup = 1u << 1;
inline constexpr int kHostShift = 2;
inline constexpr std::uint16_t kHostMask = 0x7u << kHostShift;
inline constexpr std::uint16_t kSpeedWarning = 1u << 5;
inline constexpr std::uint16_t kInvertMouse = 1u << 6;
inline constexpr std::uint16_t kAdsNotification = 1u << 7;
inline constexpr int kTurnAssistShift = 9;
inline constexpr std::uint16_t kTurnAssistMask = 0x3u << kTurnAssistShift;
inline constexpr int kLoadBehaviourShift = 11;
inline constexpr std::uint16_t kLoadBehaviourMask = 0x3u << kLoadBehaviourShift;
inline constexpr std::uint16_t kAdsToggle = 1u << 13;
inline constexpr std::uint16_t kNativeWheelMask = 0xC000u;
}  // namespace config_flags

// One game configuration as the adapter stores it: 842 packed bytes,
// edited in place inside the configuration block.
struct ConfigRecord {
  std::array<char, kConfigNameSize> name;  // ANSI text, NUL-padded
  std::uint8_t game_id;
  U32le color;  // ARGB
  std::uint8_t hotkey;
  std::uint8_t ads_key;
  U16le flags;
  std::uint8_t input_device;  // 0 mouse, 1 steering wheel, other flight stick
  std::uint8_t joystick_deadzone;
  U16le hip_sensitivity;  // hundredths
  U16le ads_sensitivity;  // hundredths
  U16le ads_delay;        // milliseconds
  U16le hip_yx_ratio;     // hundredths
  U16le curve_id;
  std::uint8_t stick_deadzone;
  std::uint8_t stick_swap_key;
  std::uint8_t mode_bits;  // bit 0 N:1 mapping, bits 1-7 wheel type
  std::uint8_t vibration_strength;
  std::uint8_t reserved_65;
  std::uint8_t force_feedback_strength;
  std::uint8_t left_stick_strength;
  std::uint8_t right_stick_strength;
  std::uint8_t left_stick_hotkey;
  std::uint8_t right_stick_hotkey;
  std::uint8_t turn_assist_key;
  std::uint8_t steering_deadzone;
  U16le steering_angle;
  std::uint8_t mouse_map_bits;  // bits 0-6 map left stick X to mouse, bit 7 touch pad toggle
  std::uint8_t touchpad_key;
  std::uint8_t report_interval;  // quarter milliseconds
  U16le ads_yx_ratio;            // hundredths
  S16le ads_min_speed;           // tenths
  S16le hip_min_speed;           // tenths
  std::uint8_t vibration_bits;   // bits 3-4 vibration source
  Curve hip_curve;
  Curve ads_curve;
  U16le flight_axis_map;  // four nibbles: roll, pitch, yaw, throttle
  U16le host_tuning_1;
  U16le host_tuning_2;
  std::array<std::uint8_t, 508> reserved_133;
  std::array<MappingGroup, kMappingGroups> mapping;
  std::uint8_t button_count;

  int host_type() const { return (flags.get() & config_flags::kHostMask) >> config_flags::kHostShift; }
  void set_host_type(int host) {
    flags = static_cast<std::uint16_t>((flags.get() & ~config_flags::kHostMask) |
                                       ((host << config_flags::kHostShift) & config_flags::kHostMask));
  }
  bool is_startup() const { return (flags.get() & config_flags::kStartup) != 0; }
  void set_startup(bool on) {
    flags = static_cast<std::uint16_t>(on ? (flags.get() | config_flags::kStartup)
                                          : (flags.get() & ~config_flags::kStartup));
  }
  bool is_native_wheel() const { return (flags.get() & config_flags::kNativeWheelMask) != 0; }
  int wheel_type() const { return mode_bits >> 1; }
  void set_wheel_type(int type) {
    mode_bits = static_cast<std::uint8_t>((mode_bits & 1u) | ((type & 0x7F) << 1));
  }
  // Entries of a mapping group that are in use; a stored count above the
  // group's size is clamped so no lookup leaves the record.
  std::size_t used_buttons() const {
    return button_count < kMappingGroupSize ? button_count : kMappingGroupSize;
  }
};

static_assert(std::is_trivially_copyable_v<ConfigRecord>);
static_assert(std::is_standard_layout_v<ConfigRecord>);
static_assert(sizeof(ConfigRecord) == kConfigRecordSize);
static_assert(offsetof(ConfigRecord, game_id) == 40);
static_assert(offsetof(ConfigRecord, color) == 41);
static_assert(offsetof(ConfigRecord, hotkey) == 45);
static_assert(offsetof(ConfigRecord, ads_key) == 46);
static_assert(offsetof(ConfigRecord, flags) == 47);
static_assert(offsetof(ConfigRecord, input_device) == 49);
static_assert(offsetof(ConfigRecord, joystick_deadzone) == 50);
static_assert(offsetof(ConfigRecord, hip_sensitivity) == 51);
static_assert(offsetof(ConfigRecord, ads_sensitivity) == 53);
static_assert(offsetof(ConfigRecord, ads_delay) == 55);
static_assert(offsetof(ConfigRecord, hip_yx_ratio) == 57);
static_assert(offsetof(ConfigRecord, curve_id) == 59);
static_assert(offsetof(ConfigRecord, stick_deadzone) == 61);
static_assert(offsetof(ConfigRecord, stick_swap_key) == 62);
static_assert(offsetof(ConfigRecord, mode_bits) == 63);
static_assert(offsetof(ConfigRecord, vibration_strength) == 64);
static_assert(offsetof(ConfigRecord, reserved_65) == 65);
static_assert(offsetof(ConfigRecord, force_feedback_strength) == 66);
static_assert(offsetof(ConfigRecord, left_stick_strength) == 67);
static_assert(offsetof(ConfigRecord, right_stick_strength) == 68);
static_assert(offsetof(ConfigRecord, left_stick_hotkey) == 69);
static_assert(offsetof(ConfigRecord, right_stick_hotkey) == 70);
static_assert(offsetof(ConfigRecord, turn_assist_key) == 71);
static_assert(offsetof(ConfigRecord, steering_deadzone) == 72);
static_assert(offsetof(ConfigRecord, steering_angle) == 73);
static_assert(offsetof(ConfigRecord, mouse_map_bits) == 75);
static_assert(offsetof(ConfigRecord, touchpad_key) == 76);
static_assert(offsetof(ConfigRecord, report_interval) == 77);
static_assert(offsetof(ConfigRecord, ads_yx_ratio) == 78);
static_assert(offsetof(ConfigRecord, ads_min_speed) == 80);
static_assert(offsetof(ConfigRecord, hip_min_speed) == 82);
static_assert(offsetof(ConfigRecord, vibration_bits) == 84);
static_assert(offsetof(ConfigRecord, hip_curve) == 85);
static_assert(offsetof(ConfigRecord, ads_curve) == 106);
static_assert(offsetof(ConfigRecord, flight_axis_map) == 127);
static_assert(offsetof(ConfigRecord, host_tuning_1) == 129);
static_assert(offsetof(ConfigRecord, host_tuning_2) == 131);
static_assert(offsetof(ConfigRecord, reserved_133) == 133);
static_assert(offsetof(ConfigRecord, mapping) == 641);
static_assert(offsetof(ConfigRecord, button_count) == 841);

}  // namespace torvane::model
