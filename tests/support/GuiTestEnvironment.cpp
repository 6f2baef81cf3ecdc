// One QApplication with the program's theme and embedded skin for the whole test program, and data and settings
// folders of its own: test processes running side by side never meet each other's backups, news or settings.
#include <QApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "skin/EmbeddedSkin.h"
#include "support/TempFolder.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace {

QByteArray Bytes(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    home_ = std::make_unique<torvane::testing::TempFolder>();
    ASSERT_FALSE(home_->path().empty());
    // The data folder lies under XDG_DATA_HOME on Linux, under APPDATA on Windows.
    qputenv("XDG_DATA_HOME", Bytes(home_->path() / "data"));
    qputenv("APPDATA", Bytes(home_->path() / "data"));
    qputenv("XDG_CONFIG_HOME", Bytes(home_->path() / "config"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    torvane::toolkit::theme::Apply(*app_);
    torvane::toolkit::SkinArchive::SetCurrent(
        torvane::toolkit::SkinArchive::OpenInPlace(torvane::skin::EmbeddedSkinArchive()));
    ASSERT_NE(torvane::toolkit::SkinArchive::Current(), nullptr);
  }
  void TearDown() override {
    torvane::toolkit::SkinArchive::SetCurrent(nullptr);
    app_.reset();
    home_.reset();
  }

 private:
  int argc_ = 1;
  char name_[16] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<torvane::testing::TempFolder> home_;
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
