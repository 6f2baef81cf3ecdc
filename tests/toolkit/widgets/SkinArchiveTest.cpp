#include "support/TestSkin.h"
#include "support/ZipBuilder.h"
#include "toolkit/SkinArchive.h"

#include <gtest/gtest.h>

#include <span>

namespace torvane::toolkit {
namespace {

std::span<const std::uint8_t> Bytes(const QByteArray& data) {
  return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

TEST(SkinArchiveTest, MembersAreFoundWithoutRegardToCase) {
  const QByteArray zip = testing::BuildZip({{"Main_dlg.xml", "<Window/>"}, {"scroll/Thumb.png", "x"}});
  const auto archive = SkinArchive::Open(Bytes(zip));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->Read("main_DLG.XML"), QByteArray("<Window/>"));
  EXPECT_TRUE(archive->Contains("SCROLL/thumb.png"));
  EXPECT_FALSE(archive->Read("missing.xml"));
  EXPECT_EQ(archive->Names(), QStringList({"Main_dlg.xml", "scroll/Thumb.png"}));
}

TEST(SkinArchiveTest, AnExactNameWinsOverOneThatDiffersOnlyInCase) {
  const QByteArray zip = testing::BuildZip({{"HALO 4.png", "upper"}, {"Halo 4.png", "mixed"}});
  const auto archive = SkinArchive::Open(Bytes(zip));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->Read("HALO 4.png"), QByteArray("upper"));
  EXPECT_EQ(archive->Read("Halo 4.png"), QByteArray("mixed"));
  EXPECT_EQ(archive->Read("halo 4.png"), QByteArray("upper"));
}

TEST(SkinArchiveTest, TheArchiveKeepsItsOwnCopyOfTheBytes) {
  QByteArray zip = testing::BuildZip({{"a.txt", "hello"}});
  const auto archive = SkinArchive::Open(Bytes(zip));
  ASSERT_TRUE(archive);
  zip.fill('\0');
  EXPECT_EQ(archive->Read("a.txt"), QByteArray("hello"));
}

TEST(SkinArchiveTest, BytesThatAreNoZipAreRefusedWithAReason) {
  QString error;
  EXPECT_FALSE(SkinArchive::Open(Bytes(QByteArray("definitely not a zip archive")), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(SkinArchive::Open({}, &error));

  // A zip cut short loses its central directory.
  const QByteArray zip = testing::BuildZip({{"a.txt", QByteArray(4000, 'a')}});
  EXPECT_FALSE(SkinArchive::Open(Bytes(zip.left(zip.size() / 2))));
}

TEST(SkinArchiveTest, DamagedMemberDataReadsAsMissingRatherThanGarbage) {
  const QByteArray text = QByteArray("layout text that compresses ").repeated(50);
  QByteArray zip = testing::BuildZip({{"a.xml", text}});
  // Flip bytes inside the compressed data (after the 30-byte local header and the 5-byte name).
  for (int i = 40; i < 60; ++i) zip[i] = static_cast<char>(zip[i] ^ 0x5A);
  const auto archive = SkinArchive::Open(Bytes(zip));
  ASSERT_TRUE(archive);
  const auto read = archive->Read("a.xml");
  EXPECT_TRUE(!read || *read == text) << "a damaged member must not come back as other bytes";
}

TEST(SkinArchiveTest, AMemberWhoseChecksumDisagreesReadsAsMissing) {
  QByteArray zip = testing::BuildZip({{"fw.bin", QByteArray(3000, 'f')}});
  // The data inflates cleanly; only the stored CRC-32 (local header offset 14, central entry offset 16) is wrong.
  zip[14] = static_cast<char>(zip[14] ^ 0x01);
  const qsizetype central = zip.indexOf(QByteArray("PK\x01\x02", 4));
  ASSERT_GT(central, 0);
  zip[central + 16] = static_cast<char>(zip[central + 16] ^ 0x01);
  const auto archive = SkinArchive::Open(Bytes(zip));
  ASSERT_TRUE(archive);
  EXPECT_FALSE(archive->Read("fw.bin"));
}

TEST(SkinArchiveTest, ImagesDecodeOnceAndUndecodableOnesAreNull) {
  const QByteArray png = testing::SolidPng(12, 8, 0xFF007DFF);
  const QByteArray zip = testing::BuildZip({{"dot.png", png}, {"bad.png", "not an image"}});
  // Decoded when first asked for, or ahead on a thread of its own: the same either way.
  for (const bool ahead : {false, true}) {
    const auto archive = SkinArchive::Open(Bytes(zip));
    ASSERT_TRUE(archive);
    if (ahead) {
      for (const char* name : {"dot.png", "bad.png", "none.png"}) archive->Prefetch(name);
    }
    const QPixmap first = archive->Image("DOT.png");
    ASSERT_FALSE(first.isNull()) << ahead;
    EXPECT_EQ(first.size(), QSize(12, 8)) << ahead;
    EXPECT_EQ(first.toImage().pixel(5, 4), 0xFF007DFFu) << ahead;
    EXPECT_EQ(archive->Image("dot.png").cacheKey(), first.cacheKey()) << ahead;
    EXPECT_TRUE(archive->Image("bad.png").isNull()) << ahead;
    EXPECT_TRUE(archive->Image("none.png").isNull()) << ahead;
  }
  // An archive that goes with a decode under way waits for it.
  SkinArchive::Open(Bytes(zip))->Prefetch("dot.png");
}

TEST(SkinArchiveTest, TheCurrentArchiveIsReplacedAsAWhole) {
  SkinArchive::SetCurrent(SkinArchive::Open(Bytes(testing::BuildZip({{"one.xml", "1"}}))));
  ASSERT_NE(SkinArchive::Current(), nullptr);
  EXPECT_TRUE(SkinArchive::Current()->Contains("one.xml"));
  SkinArchive::SetCurrent(SkinArchive::Open(Bytes(testing::BuildZip({{"two.xml", "2"}}))));
  EXPECT_FALSE(SkinArchive::Current()->Contains("one.xml"));
  SkinArchive::SetCurrent(nullptr);
  EXPECT_EQ(SkinArchive::Current(), nullptr);
}

}  // namespace
}  // namespace torvane::toolkit
