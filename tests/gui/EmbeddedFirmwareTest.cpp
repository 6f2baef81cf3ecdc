// The firmware the upgrade and the restore write comes out of the program's own skin archive.
#include <gtest/gtest.h>

#include <span>

#include "device/FirmwareImage.h"
#include "toolkit/SkinArchive.h"

namespace torvane::testing {
namespace {

TEST(EmbeddedFirmwareTest, TheSkinArchivesFirmwareMemberLoadsAsTheImage) {
  const toolkit::SkinArchive* archive = toolkit::SkinArchive::Current();
  ASSERT_NE(archive, nullptr);
  const auto member = archive->Read(QString::fromUtf8(device::kFirmwareMemberName.data(),
                                                      static_cast<qsizetype>(device::kFirmwareMemberName.size())));
  ASSERT_TRUE(member);
  const auto image = device::LoadFirmwareImage(
      std::span(reinterpret_cast<const std::uint8_t*>(member->constData()), static_cast<std::size_t>(member->size())));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->size(), 166'680u);
}

}  // namespace
}  // namespace torvane::testing
