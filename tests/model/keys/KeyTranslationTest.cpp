#include <gtest/gtest.h>

#include <string>

#include "model/keys/KeyName.h"
#include "model/keys/VirtualKeyTable.h"

namespace torvane::model {
namespace {

TEST(VirtualKeyTableTest, RunsLandOnTheirNames) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>('A' + i))), std::string(1, char('A' + i)));
  }
  for (int d = 0; d < 10; ++d) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>('0' + d))), std::to_string(d));
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>(0x60 + d))), "Keypad" + std::to_string(d));
  }
  for (int f = 0; f < 24; ++f) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>(0x70 + f))), "F" + std::to_string(f + 1));
  }
}

TEST(VirtualKeyTableTest, SingleEntriesAndGaps) {
  EXPECT_EQ(KeyCodeFromVirtualKey(0x03), 155);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x5F), 88);
  EXPECT_EQ(KeyCodeFromVirtualKey(0xFF), 255);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x00), 0);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x2A), 0);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x5E), 0);
  int listed = 0;
  for (int vk = 0; vk < 256; ++vk) listed += KeyCodeFromVirtualKey(static_cast<std::uint8_t>(vk)) != 0;
  EXPECT_EQ(listed, 127);  // 59 single entries and 68 in runs
}

}  // namespace
}  // namespace torvane::model
