#include "soak/SoakReport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace torvane::soak {
namespace {

SoakReport Steady() {
  SoakReport report;
  report.cycles = 200;
  report.middle_cycle = 100;
  for (ResourceFigures* figures : {&report.start, &report.middle, &report.end}) {
    figures->rss_kib = 100000;
    figures->descriptors = 12;
    figures->threads = 4;
  }
  return report;
}

TEST(SoakReportTest, GrowthFromTheMiddleFailsFromAMebibyteOnOutsideASanitizerBuild) {
  SoakReport under = Steady();
  under.end.rss_kib += SoakReport::kAllowedGrowthKib - 1;
  under.CheckFigures();
  EXPECT_TRUE(under.Passed());

  SoakReport over = Steady();
  over.end.rss_kib += SoakReport::kAllowedGrowthKib;
  over.CheckFigures();
  ASSERT_FALSE(over.Passed());
  EXPECT_EQ(over.failures.front(), "cycle 200: resident memory grew by 1024 KiB after cycle 100");

  SoakReport sanitized = Steady();
  sanitized.memory_checked = false;
  sanitized.end.rss_kib += 10 * SoakReport::kAllowedGrowthKib;
  sanitized.CheckFigures();
  EXPECT_TRUE(sanitized.Passed());
}

TEST(SoakReportTest, ADescriptorOrThreadMoreAtTheEndFailsAndIsNamed) {
  SoakReport report = Steady();
  report.end.descriptors = 13;
  report.end.descriptor_names = "socket";
  report.end.threads = 5;
  report.CheckFigures();
  ASSERT_EQ(report.failures.size(), 2u);
  EXPECT_NE(report.failures[0].find("[] then [socket]"), std::string::npos) << report.failures[0];
  EXPECT_NE(report.failures[1].find("threads 4 at the start, 5 at the end"), std::string::npos);
}

TEST(SoakReportTest, ALostEditFailsTheRun) {
  SoakReport report = Steady();
  // The growth that counts is the one after the warm-up, so the start figure is shown apart from it.
  report.start.rss_kib = 90000;
  report.end.rss_kib = 100300;
  report.Lose(7, "hot key of Anthem = 58 is not on the adapter after the save");
  EXPECT_EQ(report.lost_edits, 1);
  std::ostringstream printed;
  report.Print(printed);
  EXPECT_NE(printed.str().find("lost edits:                1\n"), std::string::npos);
  EXPECT_NE(printed.str().find("90000 KiB at the start, 100000 KiB at cycle 100, 100300 KiB at the end (+300 KiB after "
                               "cycle 100)\n"),
            std::string::npos)
      << printed.str();
  EXPECT_TRUE(printed.str().ends_with("FAILED\n"));
}

}  // namespace
}  // namespace torvane::soak
