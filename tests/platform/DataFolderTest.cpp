#include "platform/DataFolder.h"
#include "platform/linux/XdgDataFolder.h"

#include <gtest/gtest.h>

namespace torvane::platform {
namespace {

TEST(DataFolderTest, FollowsTheXdgRuleAsTheGuiToolkitDoes) {
  struct Case {
    const char* xdg_data_home;
    const char* home;
    const char* expected;
  };
  const Case cases[] = {
      {"/data", "/home/p", "/data/Torvane Manager"},
      {"/data/", "/home/p", "/data/Torvane Manager"},
      {nullptr, "/home/p", "/home/p/.local/share/Torvane Manager"},
      {"", "/home/p", "/home/p/.local/share/Torvane Manager"},
      {"relative/data", "/home/p", "/home/p/.local/share/Torvane Manager"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(XdgDataFolder(kManagerDataName, c.xdg_data_home, c.home), c.expected)
        << (c.xdg_data_home ? c.xdg_data_home : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

}  // namespace
}  // namespace torvane::platform
