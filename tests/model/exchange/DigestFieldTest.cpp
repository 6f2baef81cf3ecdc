#include "model/exchange/DigestField.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/exchange/Md5.h"

namespace torvane::model {
namespace {

TEST(DigestFieldTest, StampThenVerifyLeavesTheImageAsIs) {
  std::vector<std::uint8_t> image(100);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(StampDigest(image, 6));

  // The stored digest is the MD5 of the image with the field zeroed.
  std::vector<std::uint8_t> zeroed = image;
  std::fill(zeroed.begin() + 6, zeroed.begin() + 22, std::uint8_t{0});
  const Md5Digest expected = *Md5(zeroed);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.begin() + 6));

  const std::vector<std::uint8_t> before = image;
  EXPECT_TRUE(VerifyDigest(image, 6));
  EXPECT_EQ(image, before);
  for (std::size_t i : {0u, 6u, 21u, 22u, 99u}) {
    image[i] ^= 0x01;
    EXPECT_FALSE(VerifyDigest(image, 6)) << i;
    image[i] ^= 0x01;
  }
}

TEST(DigestFieldTest, FieldOutsideTheImageFails) {
  std::vector<std::uint8_t> image(20, 0xAB);
  EXPECT_FALSE(StampDigest(image, 5));
  EXPECT_EQ(image, std::vector<std::uint8_t>(20, 0xAB));
  EXPECT_FALSE(VerifyDigest(image, 5));
  EXPECT_FALSE(VerifyDigest(image, static_cast<std::size_t>(-1)));
  EXPECT_TRUE(StampDigest(image, 4));
}

}  // namespace
}  // namespace torvane::model
