#include "soak/CyclePlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace torvane::soak {
namespace {

using Drawn = std::tuple<Turn, std::string, FaultPoint, Replug>;

std::vector<Drawn> Plans(unsigned long long seed, int cycles) {
  std::mt19937_64 random(seed);
  std::vector<Drawn> plans;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    const CyclePlan plan = PlanCycle(cycle, random);
    plans.emplace_back(plan.turn, plan.fault ? plan.fault->Command() : "",
                       plan.fault ? plan.fault->point : FaultPoint::kBeforeCommand, plan.replug);
  }
  return plans;
}

TEST(CyclePlanTest, ASeedGivesTheSameCyclesOnEveryRun) {
  EXPECT_EQ(Plans(42, 1000), Plans(42, 1000));
  EXPECT_NE(Plans(42, 1000), Plans(43, 1000));
}

// A fault left armed would fire in a later cycle, on whoever asks next; each is armed where a request it names
// follows in the same turn.
TEST(CyclePlanTest, EveryFaultIsArmedWhereItsRequestFollows) {
  const std::set<std::string_view> read{"", "status", "read"};
  const std::set<std::string_view> save{"", "erase", "write", "read"};
  std::set<std::string_view> kinds;
  int faults = 0, replugs = 0, wobbly = 0;
  std::mt19937_64 random(7);
  for (int cycle = 1; cycle <= 1000; ++cycle) {
    const CyclePlan plan = PlanCycle(cycle, random);
    EXPECT_EQ(plan.turn, cycle % 2 == 1 ? Turn::kWindow : Turn::kCommandLine);
    replugs += plan.replug != Replug::kNone ? 1 : 0;
    wobbly += plan.replug == Replug::kWobbly ? 1 : 0;
    if (!plan.fault) continue;
    ++faults;
    const PlannedFault& fault = *plan.fault;
    kinds.insert(fault.kind);
    if (fault.kind == "erase-never-acknowledged") {
      EXPECT_EQ(fault.request, "erase");
    }
    switch (fault.point) {
      case FaultPoint::kBeforeCommand:
        EXPECT_EQ(plan.turn, Turn::kCommandLine);
        break;
      case FaultPoint::kBeforeRead:
        EXPECT_EQ(plan.turn, Turn::kWindow);
        // An erase comes with the save that follows the read.
        EXPECT_TRUE(read.contains(fault.request) || fault.request == "erase") << fault.Command();
        break;
      case FaultPoint::kBeforeSave:
        EXPECT_EQ(plan.turn, Turn::kWindow);
        EXPECT_TRUE(save.contains(fault.request)) << fault.Command();
        break;
    }
  }
  EXPECT_EQ(kinds.size(), kFaultKinds.size());
  EXPECT_GT(faults, 250);
  EXPECT_LT(faults, 450);
  EXPECT_GT(replugs, 50);
  EXPECT_GT(wobbly, 20);
}

TEST(CyclePlanTest, TheCommandNamesTheRequestOnlyWhenThereIsOne) {
  EXPECT_EQ((PlannedFault{"no-answer", "", FaultPoint::kBeforeSave}).Command(), "fault no-answer");
  EXPECT_EQ((PlannedFault{"unplug", "write", FaultPoint::kBeforeSave}).Command(), "fault unplug write");
}

}  // namespace
}  // namespace torvane::soak
