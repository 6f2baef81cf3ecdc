// One QApplication for the whole test program, created when the tests start (not when they are only listed).
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    torvane::toolkit::theme::Apply(*app_);
  }
  void TearDown() override {
    // Cached pixmaps must go before the application does.
    torvane::toolkit::SkinArchive::SetCurrent(nullptr);
    app_.reset();
  }

 private:
  int argc_ = 1;
  char name_[16] = "toolkit_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
