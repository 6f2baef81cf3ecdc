#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "PlaceholderFirmware.h"
#include "ZipReader.h"
#include "model/catalogue/GameCatalogue.h"
#include "skin/EmbeddedSkin.h"

namespace torvane::skintest {
namespace {

// Images the program names in its code; each must be in the archive.
const char* const kProgramImages[] = {
    "Custom Game.png",
    "DOOM.png",
    "DOOM_FOR_SWTICH.png",
    "G920.png",
    "Progress-bar.png",
    "dot-green.png",
    "dot-white.png",
    "dot-yellow.png",
    "host_ps3.png",
    "host_ps4.png",
    "host_switch.png",
    "host_xbox360.png",
    "host_xboxone.png",
    "keymap_joystick.png",
    "keymap_keyboard.png",
    "keymap_mouse.png",
    "keymap_none.png",
    "macor_logo_controller.png",
    "macro_logo_keyboard.png",
    "macro_logo_mouse.png",
    "maim_wnd_background.png",
    "main_wnd_init_background.png",
    "play_edit_background.png",
    "ps3_keymap.png",
    "ps4_keymap.png",
    "switch_pro_keymap.png",
    "xbox360_keymap.png",
    "xboxone_keymap.png",
};

class EmbeddedArchiveTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { archive_ = ZipReader::Open(skin::EmbeddedSkinArchive()).release(); }
  static void TearDownTestSuite() {
    delete archive_;
    archive_ = nullptr;
  }

  void SetUp() override { ASSERT_NE(archive_, nullptr) << "the embedded skin is not a readable zip archive"; }

  static QImage Decode(const std::string& name) {
    const auto bytes = archive_->Read(name);
    if (!bytes) return {};
    QImage image;
    image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG");
    return image;
  }

  static bool Plausible(const QImage& image) {
    return !image.isNull() && image.width() >= 8 && image.height() >= 8 && image.width() <= 2048 &&
           image.height() <= 2048;
  }

  static ZipReader* archive_;
};

ZipReader* EmbeddedArchiveTest::archive_ = nullptr;

TEST_F(EmbeddedArchiveTest, EveryFileIsDeflatedAndFoldersAreOnlyScroll) {
  std::set<std::string> folders;
  for (const auto& entry : archive_->entries()) {
    if (entry.name.ends_with('/')) {
      folders.insert(entry.name);
      continue;
    }
    EXPECT_EQ(entry.method, ZIP_CM_DEFLATE) << entry.name;
    EXPECT_GT(entry.size, 0u) << entry.name;
  }
  EXPECT_EQ(folders, std::set<std::string>{"scroll/"});
}

TEST_F(EmbeddedArchiveTest, ImagesTheProgramNamesDecodeAtTheirSizes) {
  for (const char* name : kProgramImages) {
    const QImage image = Decode(name);
    EXPECT_TRUE(Plausible(image)) << name;
  }
  // Sizes the controls that show them are laid out for.
  const std::map<std::string, QSize> fixed = {
      {"main_wnd_init_background.png", {1000, 750}},
      {"maim_wnd_background.png", {1000, 750}},
      {"play_edit_background.png", {1000, 750}},
      {"Progress-bar.png", {300, 9}},
      {"dot-white.png", {10, 10}},
      {"dot-green.png", {10, 10}},
      {"dot-yellow.png", {10, 10}},
  };
  for (const auto& [name, size] : fixed) EXPECT_EQ(Decode(name).size(), size) << name;
  for (const char* keymap :
       {"ps4_keymap.png", "xboxone_keymap.png", "ps3_keymap.png", "xbox360_keymap.png", "switch_pro_keymap.png"}) {
    EXPECT_EQ(Decode(keymap).size(), Decode("ps4_keymap.png").size()) << "controller maps share one slot layout";
  }
}

TEST_F(EmbeddedArchiveTest, ScrollFolderHoldsTheFivePieces) {
  std::set<std::string> pieces;
  for (const auto& entry : archive_->entries()) {
    if (entry.name.starts_with("scroll/") && entry.name != "scroll/" && !entry.name.ends_with("@2x.png")) {
      pieces.insert(entry.name);
      EXPECT_FALSE(Decode(entry.name).isNull()) << entry.name;
    }
  }
  EXPECT_EQ(pieces.size(), 5u);
  EXPECT_TRUE(pieces.count("scroll/thumb_normal.png"));
}

TEST_F(EmbeddedArchiveTest, EveryCatalogueGameHasADistinctCard) {
  std::map<QByteArray, std::string> image_by_pixels;
  std::set<std::string> names;
  for (int id = 0; id < model::kGameCount; ++id) {
    const std::string name(model::GameImage(id));
    ASSERT_FALSE(name.empty()) << "game " << id;
    if (!names.insert(name).second) continue;
    const QImage card = Decode(name);
    ASSERT_TRUE(Plausible(card)) << name;
    const QImage pixels = card.convertToFormat(QImage::Format_ARGB32);
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(pixels.constBits(), pixels.sizeInBytes()), QCryptographicHash::Sha1);
    const auto [it, fresh] = image_by_pixels.emplace(digest, name);
    EXPECT_TRUE(fresh) << name << " looks exactly like " << it->second;
  }
}

TEST_F(EmbeddedArchiveTest, DoubleDensityImagesPairWithTheirBase) {
  int pairs = 0;
  for (const auto& entry : archive_->entries()) {
    if (!entry.name.ends_with("@2x.png")) continue;
    const std::string base = entry.name.substr(0, entry.name.size() - 7) + ".png";
    const QImage big = Decode(entry.name);
    const QImage small = Decode(base);
    ASSERT_FALSE(small.isNull()) << entry.name << " has no " << base;
    EXPECT_EQ(big.size(), small.size() * 2) << entry.name;
    ++pairs;
  }
  EXPECT_GT(pairs, 0);
}

TEST_F(EmbeddedArchiveTest, FirmwareImageIsThePlaceholder) {
  const auto* entry = archive_->Find("Torvane_Firmware.bin");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->size, 166'680u);
  EXPECT_EQ(archive_->Read("Torvane_Firmware.bin"), firmwaregen::MakePlaceholderFirmware())
      << "the image packed at build time differs from a fresh one";
}

// Image names a layout refers to, in any of the forms the layouts use: a whole attribute value "x.png" or the file
// part of a descriptor "file='x.png' corner='...'".
std::set<std::string> ImagesNamedBy(const QString& layout) {
  std::set<std::string> names;
  static const QRegularExpression kValue(R"re((?:"|')([^"'=]*\.png)(?:"|'))re",
                                         QRegularExpression::CaseInsensitiveOption);
  for (auto it = kValue.globalMatch(layout); it.hasNext();) names.insert(it.next().captured(1).toStdString());
  return names;
}

TEST_F(EmbeddedArchiveTest, EveryImageALayoutNamesIsPresent) {
  std::set<std::string> lower_members;
  for (const auto& entry : archive_->entries())
    lower_members.insert(QString::fromStdString(entry.name).toLower().toStdString());
  for (const auto& entry : archive_->entries()) {
    if (!entry.name.ends_with(".xml")) continue;
    const auto bytes = archive_->Read(entry.name);
    ASSERT_TRUE(bytes) << entry.name;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size()));
    for (const auto& image : ImagesNamedBy(text)) {
      // The program looks members up without regard to case.
      EXPECT_TRUE(lower_members.count(QString::fromStdString(image).toLower().toStdString()))
          << entry.name << " names " << image;
    }
  }
}

TEST_F(EmbeddedArchiveTest, EveryLayoutOfTheSourceFolderIsPacked) {
  for (const auto& file : std::filesystem::directory_iterator(TORVANE_SKIN_SOURCE_DIR)) {
    if (file.path().extension() != ".xml") continue;
    std::ifstream in(file.path(), std::ios::binary);
    const std::vector<std::uint8_t> source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(archive_->Read(file.path().filename().string()), source) << file.path();
  }
}

TEST(LayoutImageNames, FindsPlainValuesAndDescriptorFiles) {
  const auto names = ImagesNamedBy(
      R"(<Button name="a" normalimage="btn.png" hotimage="file='btn_hot.png' corner='4,4,4,4'" text="x.png here"/>)"
      R"(<Label bkimage='scroll/bk.png'/>)");
  EXPECT_EQ(names, (std::set<std::string>{"btn.png", "btn_hot.png", "scroll/bk.png"}));
}

}  // namespace
}  // namespace torvane::skintest
