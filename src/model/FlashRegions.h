#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/ConfigRecord.h"
#include "model/LittleEndian.h"
#include "model/MacroRecord.h"
#include "model/Version.h"

namespace torvane::model {

inline constexpr std::uint8_t kStartMarker = 0x55;
inline constexpr std::uint8_t kEndMarker = 0xAA;

inline constexpr std::size_t kInfoBlockSize = 64;
inline constexpr std::size_t kBlockSize = 16384;
inline constexpr std::size_t kResponseBlockSize = 65536;
inline constexpr std::size_t kResponseRecordSize = 4010;
inline constexpr std::size_t kMaxConfigs = 16;
inline constexpr std::size_t kMaxMacros = 30;

inline constexpr std::uint32_t kInfoBlockAddress = 0x08003FC0;
inline constexpr std::uint32_t kBootBlockAddress = 0x08004000;
inline constexpr std::uint32_t kMacroBlockAddress = 0x08008000;
inline constexpr std::uint32_t kConfigBlockAddress = 0x0800C000;
inline constexpr std::uint32_t kResponseBlockAddress = 0x08010000;
inline constexpr std::uint32_t kFirmwareAddress = 0x08020000;
// The firmware area, sectors 5 and 6 of 128 KiB each, is the end of the adapter's flash.
inline constexpr std::uint32_t kFirmwareSectorSize = 128 * 1024;
inline constexpr std::uint32_t kFirmwareAreaSize = 2 * kFirmwareSectorSize;
inline constexpr std::uint32_t kFlashEndAddress = kFirmwareAddress + kFirmwareAreaSize;

// The adapter's device information; the manager only reads it.
struct InfoBlock {
  std::uint8_t start;
  std::array<std::uint8_t, 12> serial;
  std::array<std::uint8_t, 16> unused_13;
  Version hardware_version;
  Version boot_loader_version;
  std::array<std::uint8_t, 28> unused_35;
  std::uint8_t end;
};

struct BootBlock {
  std::uint8_t start;
  Version firmware_version;
  U32le firmware_address;
  U32le firmware_length;
  std::array<std::uint8_t, 32> boot_parameters;
  std::array<std::uint8_t, 16339> reserved_44;
  std::uint8_t end;  // after a read: the byte found right after the firmware
};

struct MacroBlock {
  std::uint8_t start;
  Version version;
  std::uint8_t count;
  std::array<MacroRecord, kMaxMacros> records;
  std::array<std::uint8_t, 88> reserved_16295;
  std::uint8_t end;
};

struct ConfigBlock {
  std::uint8_t start;
  Version version;
  std::uint8_t host;  // the console the adapter serves now
  std::uint8_t count;
  std::array<ConfigRecord, kMaxConfigs> records;
  std::uint8_t global_hotkey_count;
  // The hotkeys in use come first; the rest of the area up to the end marker is reserved.
  std::array<std::uint8_t, 2904> global_hotkeys;
  std::uint8_t end;
};

// Per-configuration response table: an identifier, then data the firmware interprets.
struct ResponseRecord {
  U16le curve_id;
  std::array<std::uint8_t, 4008> data;
};

struct ResponseBlock {
  std::uint8_t start;
  std::array<ResponseRecord, kMaxConfigs> records;
  Version version;
  std::array<std::uint8_t, 1371> reserved_64164;
  std::uint8_t end;
};

static_assert(sizeof(InfoBlock) == kInfoBlockSize);
static_assert(offsetof(InfoBlock, hardware_version) == 29);
static_assert(offsetof(InfoBlock, boot_loader_version) == 32);
static_assert(offsetof(InfoBlock, end) == 63);

static_assert(sizeof(BootBlock) == kBlockSize);
static_assert(offsetof(BootBlock, firmware_address) == 4);
static_assert(offsetof(BootBlock, firmware_length) == 8);
static_assert(offsetof(BootBlock, boot_parameters) == 12);
static_assert(offsetof(BootBlock, end) == 16383);

static_assert(sizeof(MacroBlock) == kBlockSize);
static_assert(offsetof(MacroBlock, count) == 4);
static_assert(offsetof(MacroBlock, records) == 5);
static_assert(offsetof(MacroBlock, reserved_16295) == 16295);
static_assert(offsetof(MacroBlock, end) == 16383);

static_assert(sizeof(ConfigBlock) == kBlockSize);
static_assert(offsetof(ConfigBlock, host) == 4);
static_assert(offsetof(ConfigBlock, count) == 5);
static_assert(offsetof(ConfigBlock, records) == 6);
static_assert(offsetof(ConfigBlock, global_hotkey_count) == 13478);
static_assert(offsetof(ConfigBlock, global_hotkeys) == 13479);
static_assert(offsetof(ConfigBlock, end) == 16383);

static_assert(sizeof(ResponseRecord) == kResponseRecordSize);
static_assert(sizeof(ResponseBlock) == kResponseBlockSize);
static_assert(offsetof(ResponseBlock, records) == 1);
static_assert(offsetof(ResponseBlock, version) == 64161);
static_assert(offsetof(ResponseBlock, reserved_64164) == 64164);
static_assert(offsetof(ResponseBlock, end) == 65535);

static_assert(std::is_trivially_copyable_v<ConfigBlock> && std::is_trivially_copyable_v<ResponseBlock>);

}  // namespace torvane::model
