#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/ReportFields.h"

namespace torvane::device {

// Command and answer codes of the flash protocol (a report's command field).
inline constexpr std::uint32_t kCmdReadFlash = 0x56;
inline constexpr std::uint32_t kCmdWriteFlash = 0x57;
inline constexpr std::uint32_t kCmdEraseFlash = 0x55;
inline constexpr std::uint32_t kCmdGetSysRunStatus = 0x5D;
inline constexpr std::uint32_t kCmdGetKeyCode = 0x63;
inline constexpr std::uint32_t kAnswerFlash = 0x58;
inline constexpr std::uint32_t kAnswerErase = 0x59;
inline constexpr std::uint32_t kAnswerRunStatus = 0x5D;
inline constexpr std::uint32_t kAnswerKeyCode = 0x64;

// Byte offsets of the report's fields, for code that reads raw reports.
inline constexpr std::size_t kOffsetCommand = offsetof(ReportFields, command);
inline constexpr std::size_t kOffsetAddress = offsetof(ReportFields, address);
inline constexpr std::size_t kOffsetLength = offsetof(ReportFields, length);
inline constexpr std::size_t kOffsetData = offsetof(ReportFields, data);
// The most data bytes one request carries.
inline constexpr std::size_t kMaxChunk = std::tuple_size_v<decltype(ReportFields::data)>;

// Protocol results beside the transport's (Transport.h: -3, -4, -5), each of its own value.
inline constexpr int kEraseNotAcknowledged = -1;
inline constexpr int kAnswerMismatch = -2;
// Flash read back after a write holds other bytes than were written.
inline constexpr int kVerifyMismatch = -6;

// Adapter identification.
inline constexpr std::uint16_t kVendorId = 0x0E3A;
inline constexpr std::uint16_t kProductIdB372 = 0xB372;
inline constexpr std::uint16_t kProductIdB370 = 0xB370;

}  // namespace torvane::device
