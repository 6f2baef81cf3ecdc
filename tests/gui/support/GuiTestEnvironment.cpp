// One QApplication with the program's theme and embedded skin for the whole test program.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

#include "skin/EmbeddedSkin.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    torvane::toolkit::theme::Apply(*app_);
    torvane::toolkit::SkinArchive::SetCurrent(
        torvane::toolkit::SkinArchive::Open(torvane::skin::EmbeddedSkinArchive()));
    ASSERT_NE(torvane::toolkit::SkinArchive::Current(), nullptr);
  }
  void TearDown() override {
    torvane::toolkit::SkinArchive::SetCurrent(nullptr);
    app_.reset();
  }

 private:
  int argc_ = 1;
  char name_[16] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
