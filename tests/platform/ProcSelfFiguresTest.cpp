#include "platform/linux/ProcSelfFigures.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ProcessFigures.h"

namespace torvane::platform {
namespace {

TEST(ProcSelfFiguresTest, StartTimeIsCountedFromTheLastParenthesis) {
  // pid, (comm), then fields 3..22; the start time 4711 is field 22.
  const std::string tail = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 4711 99 100";
  EXPECT_EQ(StartTicksFromStat("42 (manager)" + tail), 4711.0);
  EXPECT_EQ(StartTicksFromStat("42 (a) b (c) 1)" + tail), 4711.0);
  EXPECT_EQ(StartTicksFromStat("42 (x y)" + tail), 4711.0);
  EXPECT_FALSE(StartTicksFromStat("42 manager" + tail));
  EXPECT_FALSE(StartTicksFromStat("42 (manager) S 1 2 3"));
  EXPECT_FALSE(StartTicksFromStat("42 (manager) S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 47x1"));
}

TEST(ProcSelfFiguresTest, ResidentMemoryFromTheStatusLine) {
  std::istringstream status("Name:\tmanager\nVmPeak:\t  9000 kB\nVmRSS:\t  1234 kB\nThreads:\t2\n");
  EXPECT_EQ(ResidentKibFromStatus(status), 1234);
  std::istringstream without("Name:\tmanager\nVmPeak:\t  9000 kB\n");
  EXPECT_FALSE(ResidentKibFromStatus(without));

  const ProcessFigures now = ProcessFigures::Measure();
  ASSERT_TRUE(now.since_start_ms && now.rss_kib);
  EXPECT_GE(*now.since_start_ms, 0.0);
  EXPECT_GT(*now.rss_kib, 0);
}

}  // namespace
}  // namespace torvane::platform
