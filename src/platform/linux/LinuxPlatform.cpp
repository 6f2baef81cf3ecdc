// The Linux choice for every platform interface of the UI thread (the narrow text codec's is NarrowTextChoice.cpp);
// a build for another system brings its own files in its folder.
#include <unistd.h>

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "platform/HotplugMonitor.h"
#include "platform/InputCapture.h"
#include "platform/KeyTranslator.h"
#include "platform/OpenLink.h"
#include "platform/ProcessFigures.h"
#include "platform/QtInputCapture.h"
#include "platform/SingleInstance.h"
#include "platform/linux/EvdevKeyTranslator.h"
#include "platform/linux/LockFileInstance.h"
#include "platform/linux/PrivateFolder.h"
#include "platform/linux/ProcSelfFigures.h"
#include "platform/linux/UdevMonitor.h"

namespace torvane::platform {

std::unique_ptr<HotplugMonitor> HotplugMonitor::Create() {
  return UdevMonitor::Create();
}

std::unique_ptr<SingleInstance> SingleInstance::TryAcquire(std::string_view name, Outcome* outcome) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const auto folder = PrivateFolder::Runtime(runtime != nullptr ? runtime : "", "/tmp");
  return LockFileInstance::TryAcquire(folder ? &*folder : nullptr, name, outcome);
}

const KeyTranslator& KeyTranslator::Native() {
  static const EvdevKeyTranslator translator;
  return translator;
}

std::unique_ptr<InputCapture> InputCapture::Create() {
  return std::make_unique<QtInputCapture>();
}

ProcessFigures ProcessFigures::Measure() {
  ProcessFigures figures;
  std::ifstream stat("/proc/self/stat");
  std::string line;
  timespec now{};
  const long ticks_per_second = ::sysconf(_SC_CLK_TCK);
  if (std::getline(stat, line) && ticks_per_second > 0 && ::clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
    if (const auto start = StartTicksFromStat(line)) {
      const double now_ms = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
      figures.since_start_ms = now_ms - *start * 1000.0 / static_cast<double>(ticks_per_second);
    }
  }
  std::ifstream status("/proc/self/status");
  figures.rss_kib = ResidentKibFromStatus(status);
  return figures;
}

bool OpenLink(std::string_view address) {
  // Qt hands the address to the desktop's opener (xdg-open or the desktop portal) and says whether that started.
  return QDesktopServices::openUrl(QUrl(QString::fromUtf8(address)));
}

}  // namespace torvane::platform
