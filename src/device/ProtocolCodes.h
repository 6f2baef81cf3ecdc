#pragma once

#include <cstddef>
#include <cstdint>

namespace torvane::device {

// Command and answer codes of the flash protocol (byte 1 of a report).
inline constexpr std::uint32_t kCmdReadFlash = 0x56;
inline constexpr std::uint32_t kCmdWriteFlash = 0x57;
inline constexpr std::uint32_t kCmdEraseFlash = 0x55;
inline constexpr std::uint32_t kCmdGetSysRunStatus = 0x5D;
inline constexpr std::uint32_t kCmdGetKeyCode = 0x63;
inline constexpr std::uint32_t kAnswerFlash = 0x58;
inline constexpr std::uint32_t kAnswerErase = 0x59;
inline constexpr std::uint32_t kAnswerRunStatus = 0x5D;
inline constexpr std::uint32_t kAnswerKeyCode = 0x64;

// Report field offsets: command, address and length are little-endian u32.
inline constexpr std::size_t kOffsetCommand = 1;
inline constexpr std::size_t kOffsetAddress = 5;
inline constexpr std::size_t kOffsetLength = 9;
inline constexpr std::size_t kOffsetData = 13;
inline constexpr std::size_t kMaxChunk = 52;

// Protocol results beside the transport's.
inline constexpr int kEraseNotAcknowledged = -1;
inline constexpr int kAnswerMismatch = -2;
// Flash read back after a write holds other bytes than were written.
inline constexpr int kVerifyMismatch = -5;

// Adapter identification.
inline constexpr std::uint16_t kVendorId = 0x0E3A;
inline constexpr std::uint16_t kProductIdB372 = 0xB372;
inline constexpr std::uint16_t kProductIdB370 = 0xB370;

}  // namespace torvane::device
