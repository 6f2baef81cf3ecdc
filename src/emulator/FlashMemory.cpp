#include "emulator/FlashMemory.h"

#include <algorithm>
#include <array>

namespace torvane::emulator {

namespace {

constexpr std::array<SectorRange, kLastSector> kSectors{{
    {model::kBootBlockAddress, 16 * 1024},
    {model::kMacroBlockAddress, 16 * 1024},
    {model::kConfigBlockAddress, 16 * 1024},
    {model::kResponseBlockAddress, 64 * 1024},
    {model::kFirmwareAddress, kFirmwareSectorSize},
    {model::kFirmwareAddress + kFirmwareSectorSize, kFirmwareSectorSize},
}};

// 64-bit sums, so an address near the top of the 32-bit range cannot wrap into the flash.
bool Within(std::uint32_t address, std::size_t length, std::uint32_t begin, std::uint32_t end) {
  const std::uint64_t last = std::uint64_t{address} + length;
  return address >= begin && last <= end;
}

}  // namespace

std::optional<SectorRange> Sector(int number) {
  if (number < kFirstSector || number > kLastSector) return std::nullopt;
  return kSectors[static_cast<std::size_t>(number - kFirstSector)];
}

FlashMemory::FlashMemory() : bytes_(kFlashSize, kErasedByte) {}

bool FlashMemory::Contains(std::uint32_t address, std::size_t length) const {
  return Within(address, length, kFlashBegin, kFlashEnd);
}

bool FlashMemory::IsWritable(std::uint32_t address, std::size_t length) const {
  return Within(address, length, kWritableBegin, kFlashEnd);
}

bool FlashMemory::Read(std::uint32_t address, std::span<std::uint8_t> out) const {
  if (!Contains(address, out.size())) return false;
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(Offset(address)), out.size(), out.begin());
  return true;
}

std::vector<std::uint8_t> FlashMemory::Read(std::uint32_t address, std::size_t length) const {
  std::vector<std::uint8_t> out(length);
  if (!Read(address, out)) out.clear();
  return out;
}

bool FlashMemory::Program(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (!IsWritable(address, bytes.size())) return false;
  auto target = bytes_.begin() + static_cast<std::ptrdiff_t>(Offset(address));
  for (std::uint8_t value : bytes) {
    *target = static_cast<std::uint8_t>(*target & value);
    ++target;
  }
  return true;
}

bool FlashMemory::EraseSector(int number) {
  const auto sector = Sector(number);
  if (!sector) return false;
  return Fill(sector->address, sector->size, kErasedByte);
}

bool FlashMemory::Load(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (!Contains(address, bytes.size())) return false;
  std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(Offset(address)));
  return true;
}

bool FlashMemory::Fill(std::uint32_t address, std::size_t length, std::uint8_t value) {
  if (!Contains(address, length)) return false;
  std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(Offset(address)), length, value);
  return true;
}

}  // namespace torvane::emulator
