// torvane-soak [--cycles N] [--seed S]: the window and the command line change one emulated adapter in turns, with
// faults armed now and then, and the report says whether anything was lost or leaked. Exits 1 when a check failed,
// 2 on a usage error.
#include <sys/stat.h>

#include <QApplication>

#include <charconv>
#include <iostream>
#include <random>
#include <string_view>

#include "platform/NarrowText.h"
#include "skin/EmbeddedSkin.h"
#include "soak/SoakRun.h"
#include "support/TempFolder.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace {

QtMessageHandler qt_handler = nullptr;

// The offscreen platform says this for every dialog raised; a thousand cycles of it would hide what matters.
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == QLatin1String("This plugin does not support raise()")) return;
  qt_handler(type, context, message);
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  namespace soak = torvane::soak;
  soak::SoakSettings settings;
  settings.emulator = TORVANE_EMULATOR_PROGRAM;
  settings.cli = TORVANE_CLI_PROGRAM;
  settings.seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    const bool has_value = i + 1 < argc;
    if (option == "--cycles" && has_value && ParseNumber(argv[++i], settings.cycles) && settings.cycles > 0) continue;
    if (option == "--seed" && has_value && ParseNumber(argv[++i], settings.seed)) continue;
    std::cerr << "Usage: torvane-soak [--cycles N] [--seed S]\n";
    return 2;
  }

  // Data, settings and runtime folders of its own: the player's backups and settings are never touched.
  const torvane::testing::TempFolder folder;
  if (folder.path().empty()) return 1;
  settings.folder = folder.path();
  const std::filesystem::path runtime = folder.path() / "runtime";
  ::mkdir(runtime.c_str(), 0700);
  qputenv("XDG_RUNTIME_DIR", runtime.c_str());
  qputenv("XDG_DATA_HOME", (folder.path() / "data").c_str());
  qputenv("XDG_CONFIG_HOME", (folder.path() / "config").c_str());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  torvane::platform::InstallNarrowTextCodec();

  std::cout << "soak: " << settings.cycles << " cycles, seed " << settings.seed << std::endl;
  soak::SoakReport report;
  {
    qt_handler = qInstallMessageHandler(DropRaiseWarnings);
    QApplication app(argc, argv);
    torvane::toolkit::theme::Apply(app);
    torvane::toolkit::SkinArchive::SetCurrent(
        torvane::toolkit::SkinArchive::Open(torvane::skin::EmbeddedSkinArchive()));
    if (torvane::toolkit::SkinArchive::Current() == nullptr) {
      std::cerr << "torvane-soak: the skin archive cannot be opened\n";
      return 1;
    }
    report = soak::RunSoak(settings);
    torvane::toolkit::SkinArchive::SetCurrent(nullptr);
  }
  report.Print(std::cout);
  return report.Passed() ? 0 : 1;
}
