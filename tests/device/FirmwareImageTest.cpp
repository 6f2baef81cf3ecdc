#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvane::device {
namespace {

TEST(FirmwareImageTest, TheImageMustFitTheFirmwareAreaWithItsEndByte) {
  struct Case {
    std::size_t size;
    bool accepted;
  } const cases[] = {
      {0, false},  // a missing or empty member
      {1, true},
      {166680, true},                 // the image the program carries
      {kMaxFirmwareSize, true},       // the end byte takes the area's last byte
      {kMaxFirmwareSize + 1, false},  // the end byte would lie outside the flash
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> member(c.size);
    for (std::size_t i = 0; i < member.size(); ++i) member[i] = static_cast<std::uint8_t>(i * 7);
    const auto image = LoadFirmwareImage(member);
    EXPECT_EQ(image.has_value(), c.accepted) << c.size;
    if (image) {
      EXPECT_EQ(*image, member) << "the image is written unchanged";
    }
  }
}

}  // namespace
}  // namespace torvane::device
