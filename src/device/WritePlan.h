#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace torvane::device {

inline constexpr std::size_t kPlanMaxSectors = 10;
inline constexpr std::size_t kPlanMaxEntries = 10;
inline constexpr std::size_t kPlanSlotSize = 131072;
inline constexpr std::size_t kPlanCapacity = kPlanMaxEntries * kPlanSlotSize;

struct PlanEntry {
  std::uint32_t address = 0;
  std::uint32_t length = 0;
  std::size_t offset = 0;  // of the entry's bytes in the data slots
};

// The erase list and the write entries of one write request, filled on the UI
// thread; the write request takes a copy of it. An entry starts at the
// beginning of a slot and may run on into the next slots; the fillers refuse
// rather than overflow the lists or the slots. Only the slots in use are held,
// so a copy costs what the plan carries.
class WritePlan {
 public:
  // Back to zeros: no sectors, no entries, total 0.
  void Clear();
  bool AddSector(std::uint8_t sector);
  // Copies `bytes` into the next free slot; empty entries are refused, since
  // an entry of length 0 would end the list.
  bool AddEntry(std::uint32_t address, std::span<const std::uint8_t> bytes);

  std::span<const std::uint8_t> sectors() const { return {sectors_.data(), sector_count_}; }
  std::uint32_t sector_count() const { return static_cast<std::uint32_t>(sector_count_); }
  std::span<const PlanEntry> entries() const { return {entries_.data(), entry_count_}; }
  std::span<const std::uint8_t> EntryBytes(const PlanEntry& entry) const;
  // Sum of the entries' lengths: the base of the progress percentage.
  std::uint32_t total() const { return total_; }
  bool empty() const { return entry_count_ == 0; }

 private:
  std::array<std::uint8_t, kPlanMaxSectors> sectors_{};
  std::size_t sector_count_ = 0;
  std::array<PlanEntry, kPlanMaxEntries> entries_{};
  std::size_t entry_count_ = 0;
  std::size_t next_slot_ = 0;
  std::vector<std::uint8_t> data_;  // the slots up to the end of the last entry
  std::uint32_t total_ = 0;
};

}  // namespace torvane::device
