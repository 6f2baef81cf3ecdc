#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "EmbeddingSource.h"
#include "SkinMembers.h"
#include "ZipReader.h"
#include "ZipWriter.h"

namespace torvane::skintest {
namespace {

namespace fs = std::filesystem;
using skinpack::ArchiveMember;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A small skin tree in a fresh temporary folder, removed afterwards.
class SkinPackerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skinpack-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    WriteFile(root_ / "layouts/b_dlg.xml", "<Window/>");
    WriteFile(root_ / "layouts/A_dlg.xml", "<Window size=\"10,10\"/>");
    WriteFile(root_ / "layouts/notes.txt", "not a layout");
    WriteFile(root_ / "images/z.png", "zz");
    WriteFile(root_ / "images/a b.png", "ab");
    WriteFile(root_ / "images/scroll/thumb.png", "th");
    WriteFile(root_ / "images/scroll/bk.png", "bk");
    WriteFile(root_ / "fw/Torvane_Firmware.bin", std::string(1000, '\x5A'));
    sources_ = {root_ / "layouts", root_ / "images", root_ / "fw/Torvane_Firmware.bin"};
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  skinpack::SkinSources sources_;
};

std::vector<std::string> Names(const std::vector<ArchiveMember>& members) {
  std::vector<std::string> names;
  for (const auto& member : members) names.push_back(member.name);
  return names;
}

TEST_F(SkinPackerTest, MembersComeInAFixedOrder) {
  EXPECT_EQ(Names(skinpack::CollectSkinMembers(sources_)),
            (std::vector<std::string>{"A_dlg.xml", "b_dlg.xml", "a b.png", "z.png", "scroll/", "scroll/bk.png",
                                      "scroll/thumb.png", "Torvane_Firmware.bin"}));
}

TEST_F(SkinPackerTest, MissingInputsAreReportedNotSkipped) {
  auto no_firmware = sources_;
  no_firmware.firmware = root_ / "fw/missing.bin";
  EXPECT_THROW(skinpack::CollectSkinMembers(no_firmware), std::runtime_error);
  auto no_layouts = sources_;
  no_layouts.layouts_dir = root_ / "nowhere";
  EXPECT_THROW(skinpack::CollectSkinMembers(no_layouts), std::runtime_error);
}

TEST_F(SkinPackerTest, SameInputsGiveTheSameBytesWhateverTheClockAndZone) {
  const fs::path first = root_ / "first.zip";
  const fs::path second = root_ / "second.zip";
  skinpack::WriteZipArchive(skinpack::CollectSkinMembers(sources_), first);

  // A later build: newer file times and another time zone must not show in the archive.
  const auto later = fs::file_time_type::clock::now() + std::chrono::hours(30);
  for (const auto& entry : fs::recursive_directory_iterator(root_)) fs::last_write_time(entry.path(), later);
  const char* old_zone = std::getenv("TZ");
  const std::string saved_zone = old_zone ? old_zone : "";
  setenv("TZ", "NZST-12NZDT", 1);
  tzset();
  skinpack::WriteZipArchive(skinpack::CollectSkinMembers(sources_), second);
  if (old_zone) {
    setenv("TZ", saved_zone.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();

  EXPECT_EQ(ReadFile(first), ReadFile(second));
}

TEST_F(SkinPackerTest, ArchiveHoldsDeflatedFilesDatedNewYear2020) {
  const fs::path zip = root_ / "skin.zip";
  skinpack::WriteZipArchive(skinpack::CollectSkinMembers(sources_), zip);
  const auto bytes = ReadFile(zip);
  const auto reader = ZipReader::Open(bytes);
  ASSERT_NE(reader, nullptr);
  ASSERT_EQ(reader->entries().size(), 8u);
  for (const auto& entry : reader->entries()) {
    if (!entry.name.ends_with('/')) {
      EXPECT_EQ(entry.method, ZIP_CM_DEFLATE) << entry.name;
    }
    std::tm date{};
    localtime_r(&entry.mtime, &date);
    EXPECT_EQ(date.tm_year + 1900, 2020) << entry.name;
    EXPECT_EQ(date.tm_yday, 0) << entry.name;
    EXPECT_EQ(date.tm_hour, 0) << entry.name;
  }
  EXPECT_EQ(reader->Read("Torvane_Firmware.bin"), std::vector<std::uint8_t>(1000, 0x5A));
  EXPECT_EQ(reader->Read("scroll/bk.png"), (std::vector<std::uint8_t>{'b', 'k'}));
}

TEST_F(SkinPackerTest, ExistingOutputIsReplaced) {
  const fs::path zip = root_ / "skin.zip";
  WriteFile(zip, "stale bytes from an older build");
  skinpack::WriteZipArchive(skinpack::CollectSkinMembers(sources_), zip);
  const auto bytes = ReadFile(zip);
  const auto reader = ZipReader::Open(bytes);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->entries().size(), 8u);
}

// Reads back the bytes of the literal that WriteEmbeddingSource wrote and the size it declared.
std::vector<std::uint8_t> DecodeEmbeddingSource(const std::string& text, std::size_t& declared) {
  std::smatch size_match;
  EXPECT_TRUE(std::regex_search(text, size_match, std::regex(R"(kSize = (\d+);)")));
  declared = size_match.empty() ? 0 : std::stoul(size_match[1]);
  std::vector<std::uint8_t> bytes;
  const auto begin = text.find("=\n\"");
  const auto end = text.find("\";\n", begin);
  EXPECT_NE(begin, std::string::npos);
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] == '\\' && text[i + 1] == 'x') {
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i + 2, 2), nullptr, 16)));
      i += 3;
    }
  }
  return bytes;
}

TEST_F(SkinPackerTest, EmbeddingSourceCarriesEveryByte) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 37 + 11));  // crosses line breaks
  for (const auto& sample : {bytes, std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0x00, 0xFF}}) {
    const fs::path source = root_ / "Embedded.cpp";
    embed::WriteEmbeddingSource(sample, {"a test", "Embedded.h", "torvane::test", "Bytes", ""}, source);
    const auto text = ReadFile(source);
    std::size_t declared = 0;
    EXPECT_EQ(DecodeEmbeddingSource(std::string(text.begin(), text.end()), declared), sample);
    EXPECT_EQ(declared, sample.size());
  }
}

}  // namespace
}  // namespace torvane::skintest
