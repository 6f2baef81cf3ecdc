#include "device/WritePlan.h"

namespace torvane::device {

void WritePlan::Clear() {
  sectors_.fill(0);
  sector_count_ = 0;
  entries_.fill(PlanEntry{});
  entry_count_ = 0;
  next_slot_ = 0;
  data_.clear();
  total_ = 0;
}

bool WritePlan::AddSector(std::uint8_t sector) {
  if (sector_count_ == kPlanMaxSectors) return false;
  sectors_[sector_count_++] = sector;
  return true;
}

bool WritePlan::AddEntry(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || entry_count_ == kPlanMaxEntries) return false;
  // An entry that ran on into the following slots pushes the next one past
  // them, so no entry overwrites the tail of another.
  const std::size_t offset = next_slot_ * kPlanSlotSize;
  if (offset > kPlanCapacity || bytes.size() > kPlanCapacity - offset) return false;
  data_.resize(offset);  // whatever is left of the previous entry's last slot stays zero
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  const std::size_t slots_used = (bytes.size() + kPlanSlotSize - 1) / kPlanSlotSize;
  next_slot_ += slots_used;
  entries_[entry_count_++] = PlanEntry{address, static_cast<std::uint32_t>(bytes.size()), offset};
  total_ += static_cast<std::uint32_t>(bytes.size());
  return true;
}

std::span<const std::uint8_t> WritePlan::EntryBytes(const PlanEntry& entry) const {
  return {data_.data() + entry.offset, entry.length};
}

}  // namespace torvane::device
