#include "device/FirmwareImage.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdio>
#include <string>
#include <vector>

namespace torvane::device {
namespace {

struct Member {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// A deflated zip archive built in memory.
std::vector<std::uint8_t> MakeZip(const std::vector<Member>& members) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  EXPECT_NE(archive, nullptr);
  zip_source_keep(buffer);
  for (const Member& member : members) {
    zip_source_t* data = zip_source_buffer_create(member.bytes.data(), member.bytes.size(), 0, &error);
    const zip_int64_t index = zip_file_add(archive, member.name.c_str(), data, ZIP_FL_ENC_UTF_8);
    EXPECT_GE(index, 0);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
  }
  EXPECT_EQ(zip_close(archive), 0);

  std::vector<std::uint8_t> bytes;
  EXPECT_EQ(zip_source_open(buffer), 0);
  std::uint8_t chunk[4096];
  for (zip_int64_t got; (got = zip_source_read(buffer, chunk, sizeof chunk)) > 0;) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  zip_source_close(buffer);
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

std::vector<std::uint8_t> FirmwareBytes() {
  std::vector<std::uint8_t> bytes(166680);
  std::uint32_t state = 12345;
  for (auto& b : bytes) {
    state = state * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(state >> 24);
  }
  return bytes;
}

TEST(FirmwareImageTest, FindsTheMemberWhateverTheCaseOfItsName) {
  const auto firmware = FirmwareBytes();
  const auto archive = MakeZip({{"Main_dlg.xml", {'<', '/', '>'}}, {"torvane_FIRMWARE.bin", firmware}});
  const auto image = LoadFirmwareImage(archive);
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, firmware);
}

TEST(FirmwareImageTest, MissingMemberOrBrokenArchiveGivesNoImage) {
  EXPECT_FALSE(LoadFirmwareImage(MakeZip({{"Main_dlg.xml", {'x'}}})));
  EXPECT_FALSE(LoadFirmwareImage({}));
  const std::vector<std::uint8_t> not_a_zip(1000, 0x42);
  EXPECT_FALSE(LoadFirmwareImage(not_a_zip));
  auto archive = MakeZip({{"Torvane_Firmware.bin", FirmwareBytes()}});
  archive.resize(archive.size() / 2);
  EXPECT_FALSE(LoadFirmwareImage(archive));
}

TEST(FirmwareImageTest, CorruptCompressedDataGivesNoImage) {
  auto archive = MakeZip({{"Torvane_Firmware.bin", FirmwareBytes()}});
  // The first local header: 30 fixed bytes, then the name and the extra field.
  const std::size_t name_length = archive[26] | (archive[27] << 8);
  const std::size_t extra_length = archive[28] | (archive[29] << 8);
  const std::size_t data = 30 + name_length + extra_length;
  ASSERT_LT(data + 5000, archive.size());
  archive[data + 5000] ^= 0x5A;
  EXPECT_FALSE(LoadFirmwareImage(archive));
}

TEST(FirmwareImageTest, MemberLargerThanAllowedIsRefused) {
  const std::vector<std::uint8_t> zeros(4096, 0);
  const auto archive = MakeZip({{"big.bin", zeros}});
  EXPECT_FALSE(ReadZipMember(archive, "big.bin", 4095));
  EXPECT_TRUE(ReadZipMember(archive, "BIG.BIN", 4096));
}

}  // namespace
}  // namespace torvane::device
