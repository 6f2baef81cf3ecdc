#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/FlashRegions.h"

namespace torvane::emulator {

inline constexpr std::uint8_t kErasedByte = 0xFF;
using model::kFirmwareSectorSize;
// The modelled flash: the information block (last 64 bytes of the boot loader's
// sector) up to the end of the second firmware sector.
inline constexpr std::uint32_t kFlashBegin = model::kInfoBlockAddress;
inline constexpr std::uint32_t kFlashEnd = model::kFlashEndAddress;
inline constexpr std::uint32_t kFlashSize = kFlashEnd - kFlashBegin;
// Everything below belongs to the boot loader and cannot be written or erased.
inline constexpr std::uint32_t kWritableBegin = model::kBootBlockAddress;

inline constexpr int kFirstSector = 1;
inline constexpr int kLastSector = 6;

struct SectorRange {
  std::uint32_t address;
  std::uint32_t size;
};

// Address and size of an erasable sector, 1..6; nothing for any other number.
std::optional<SectorRange> Sector(int number);

// NOR flash as the adapter has it: erasing sets whole sectors to 0xFF and
// programming can only clear bits. Not synchronised; its owner locks.
class FlashMemory {
 public:
  FlashMemory();  // all erased

  bool Contains(std::uint32_t address, std::size_t length) const;
  bool IsWritable(std::uint32_t address, std::size_t length) const;

  // Copies out.size() bytes from `address`; false, copying nothing, when any lies outside the flash.
  bool Read(std::uint32_t address, std::span<std::uint8_t> out) const;
  std::vector<std::uint8_t> Read(std::uint32_t address, std::size_t length) const;  // empty when outside
  // Programs `bytes` (old & new); false, changing nothing, outside the writable sectors.
  bool Program(std::uint32_t address, std::span<const std::uint8_t> bytes);
  bool EraseSector(int number);

  // Stores bytes as they are, around the protocol: how scenarios and tests set contents up.
  bool Load(std::uint32_t address, std::span<const std::uint8_t> bytes);
  bool Fill(std::uint32_t address, std::size_t length, std::uint8_t value);

 private:
  std::size_t Offset(std::uint32_t address) const { return address - kFlashBegin; }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace torvane::emulator
