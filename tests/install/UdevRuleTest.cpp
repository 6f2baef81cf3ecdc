#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "device/AdapterPath.h"
#include "device/HidIds.h"
#include "device/ProtocolCodes.h"

namespace torvane::device {
namespace {

using IdPair = std::pair<std::uint16_t, std::uint16_t>;

// The rule must grant exactly the adapters the manager opens: one that drifts from the code either leaves the
// adapter unreachable without root or hands out some other device.
TEST(UdevRuleTest, GrantsTheSeatUserExactlyTheAdaptersTheCodeOpens) {
  const char* path = std::getenv("TORVANE_UDEV_RULE");
  ASSERT_NE(path, nullptr);
  std::ifstream rule(path);
  ASSERT_TRUE(rule) << path;

  const std::regex match(
      R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re");
  std::set<IdPair> granted;
  std::string line;
  while (std::getline(rule, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::smatch ids;
    ASSERT_TRUE(std::regex_match(line, ids, match)) << line;
    const auto vendor = ParseHexId(ids.str(1));
    const auto product = ParseHexId(ids.str(2));
    ASSERT_TRUE(vendor && product) << line;
    EXPECT_TRUE(IsAdapterIds(*vendor, *product)) << line;
    granted.emplace(*vendor, *product);
  }
  const std::set<IdPair> adapters{{kVendorId, kProductIdB372}, {kVendorId, kProductIdB370}};
  EXPECT_EQ(granted, adapters);
}

}  // namespace
}  // namespace torvane::device
