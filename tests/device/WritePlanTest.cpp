#include "device/WritePlan.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ByteVector.h"

namespace torvane::device {
namespace {

using torvane::testing::ByteVector;

TEST(WritePlanTest, EntriesStartAtTheirSlotsAndSumToTheTotal) {
  WritePlan plan;
  const std::vector<std::uint8_t> first(16384, 0x11);
  const std::vector<std::uint8_t> second(65536, 0x22);
  ASSERT_TRUE(plan.AddEntry(0x08004000, first));
  ASSERT_TRUE(plan.AddEntry(0x08010000, second));
  ASSERT_EQ(plan.entries().size(), 2u);
  EXPECT_EQ(plan.entries()[1].offset, kPlanSlotSize);
  EXPECT_EQ(plan.entries()[1].address, 0x08010000u);
  EXPECT_EQ(ByteVector(plan.EntryBytes(plan.entries()[0])), first);
  EXPECT_EQ(ByteVector(plan.EntryBytes(plan.entries()[1])), second);
  EXPECT_EQ(plan.total(), 16384u + 65536u);

  plan.Clear();
  EXPECT_TRUE(plan.empty());
  EXPECT_EQ(plan.total(), 0u);
  EXPECT_EQ(plan.sector_count(), 0u);
}

TEST(WritePlanTest, AnEntryAfterOneThatRanOnStartsBehindItsSlots) {
  WritePlan plan;
  std::vector<std::uint8_t> long_entry(kPlanSlotSize + 10, 0xAB);
  long_entry.back() = 0xCD;
  ASSERT_TRUE(plan.AddEntry(0x08020000, long_entry));
  ASSERT_TRUE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(4, 0x01)));
  EXPECT_EQ(plan.entries()[1].offset, 2 * kPlanSlotSize);
  EXPECT_EQ(ByteVector(plan.EntryBytes(plan.entries()[0])), long_entry) << "the tail of the long entry stays intact";
}

TEST(WritePlanTest, FillersRefuseRatherThanOverflow) {
  WritePlan plan;
  for (std::uint8_t sector = 1; sector <= 10; ++sector) ASSERT_TRUE(plan.AddSector(sector));
  EXPECT_FALSE(plan.AddSector(11));
  EXPECT_EQ(plan.sector_count(), 10u);

  EXPECT_FALSE(plan.AddEntry(0x08004000, {})) << "an empty entry would end the list";
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(1, 1)));
  EXPECT_FALSE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(1, 1)));
  EXPECT_EQ(plan.entries().size(), 10u);
  EXPECT_EQ(plan.total(), 10u);

  plan.Clear();
  EXPECT_FALSE(plan.AddEntry(0x08020000, std::vector<std::uint8_t>(kPlanCapacity + 1, 0)));
  EXPECT_TRUE(plan.AddEntry(0x08020000, std::vector<std::uint8_t>(kPlanCapacity - kPlanSlotSize, 0)));
  EXPECT_TRUE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(kPlanSlotSize, 0)));
  EXPECT_FALSE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(1, 0))) << "every slot is taken";
  EXPECT_EQ(plan.total(), kPlanCapacity);
}

}  // namespace
}  // namespace torvane::device
