#include "soak/SoakRun.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>

#include "app/MainPage.h"
#include "core/ManagerFolders.h"
#include "core/backup/BackupStore.h"
#include "device/AdapterTexts.h"
#include "model/tables/TableMessages.h"
#include "platform/NarrowText.h"
#include "soak/AdapterRegions.h"
#include "soak/CommandLine.h"
#include "soak/ConfigEdits.h"
#include "soak/CyclePlan.h"
#include "soak/EmulatorChild.h"
#include "soak/SoakWindow.h"

namespace torvane::soak {

namespace {

namespace fs = std::filesystem;
using dialogs::ShownMessageBox;

bool Shows(const QList<ShownMessageBox>& boxes, std::string_view title, std::string_view text) {
  for (const ShownMessageBox& box : boxes) {
    if (box.title == QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) &&
        box.text == QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
      return true;
    }
  }
  return false;
}

std::string Describe(const QList<ShownMessageBox>& boxes) {
  if (boxes.isEmpty()) return "no box";
  std::string text;
  for (const ShownMessageBox& box : boxes) {
    if (!text.empty()) text += " | ";
    text += (box.title + QStringLiteral(": ") + box.text.simplified()).toStdString();
  }
  return text;
}

std::string FirstLine(const std::string& text) {
  const std::size_t start = text.find_first_not_of('\n');
  return start == std::string::npos ? std::string() : text.substr(start, text.find('\n', start) - start);
}

const char* PointName(FaultPoint point) {
  switch (point) {
    case FaultPoint::kBeforeRead:
      return " before the read";
    case FaultPoint::kBeforeSave:
      return " before the save";
    case FaultPoint::kBeforeCommand:
      break;
  }
  return "";
}

class Soak {
 public:
  Soak(const SoakSettings& settings, SoakReport& report)
      : settings_(settings),
        report_(report),
        plans_(settings.seed),
        edits_(settings.seed + 1),
        emulator_(settings.emulator, settings.folder, "working-mode-1"),
        cli_(settings.cli, emulator_.socket(), settings.folder),
        window_(emulator_.socket(), "soak-" + std::to_string(::getpid())) {}

  // The window reads the adapter and takes it into use; what it shows is where the soak starts from.
  bool Start();
  void Cycle(int cycle);

 private:
  void WindowTurn(const CyclePlan& plan);
  void CommandLineTurn(const CyclePlan& plan);

  void Arm(const PlannedFault& fault);
  // Reads the adapter into the window from its home page and takes it into use, again after a failed read.
  bool ReadIntoWindow();
  bool TakeIntoUse();
  // Unplugs the adapter and plugs it in again once the window has seen it go; true once the window read it again.
  // An unsaved `edit` must be set aside meanwhile.
  bool UnplugAndPlug(Replug how, const FieldEdit* edit);
  void CheckEditAside(const FieldEdit* edit, std::string_view when);
  // After a fault unplugged the adapter: plugs it in again once the window has seen it go.
  bool BringBack();
  // False when the edit is gone: the turn ends there, as nothing is left to save.
  bool CheckEditShown(const FieldEdit& edit, std::string_view when);
  // Saves until a save writes the edit: the one after a failed save must.
  bool SaveEdit(const FieldEdit& edit);
  // Writes back the backup the command line took before a write that stopped part-way.
  bool RestoreNewestBackup();

  std::unique_ptr<model::FlashImage> ReadAdapter();
  void Fail(std::string_view what) { report_.Fail(cycle_, what); }
  void Note(std::string_view text) { notes_ += (notes_.empty() ? "" : "; ") + std::string(text); }

  const SoakSettings& settings_;
  SoakReport& report_;
  std::mt19937_64 plans_;
  std::mt19937_64 edits_;
  EmulatorChild emulator_;
  CommandLine cli_;
  SoakWindow window_;
  // The regions the adapter holds after the last write that succeeded.
  std::unique_ptr<model::FlashImage> expected_;
  int cycle_ = 0;
  std::string notes_;
};

bool Soak::Start() {
  if (!emulator_.started()) {
    Fail("torvane-emulator did not start serving");
    return false;
  }
  if (!window_.Start()) {
    Fail("the window did not read the adapter");
    return false;
  }
  if (!TakeIntoUse()) return false;
  expected_ = ReadAdapter();
  if (!expected_) return false;
  if (const std::string difference = FirstDifference(window_.session().image(), *expected_); !difference.empty()) {
    Fail("the window's read differs from the adapter in the " + difference);
    return false;
  }
  return true;
}

void Soak::Cycle(int cycle) {
  cycle_ = cycle;
  notes_.clear();
  const CyclePlan plan = PlanCycle(cycle, plans_);
  if (plan.turn == Turn::kWindow) {
    WindowTurn(plan);
  } else {
    CommandLineTurn(plan);
  }
  if (const int armed = emulator_.ArmedFaults(); armed != 0) {
    Fail(armed < 0 ? "the emulator's status names no armed faults" : "a fault armed in this cycle never fired");
  }
  report_.cycles = cycle;
  std::cout << "cycle " << cycle << (plan.turn == Turn::kWindow ? " window: " : " command line: ") << notes_
            << std::endl;
}

void Soak::Arm(const PlannedFault& fault) {
  const std::string command = fault.Command();
  const std::string reply = emulator_.Command(command);
  if (reply.find("armed") == std::string::npos) {
    Fail("the emulator refused '" + command + "': " + reply);
    return;
  }
  ++report_.faults[std::string(fault.kind)];
  Note(std::string("fault ") + std::string(fault.kind) + (fault.request.empty() ? "" : " on ") +
       std::string(fault.request) + PointName(fault.point));
}

void Soak::WindowTurn(const CyclePlan& plan) {
  if (plan.fault && plan.fault->point == FaultPoint::kBeforeRead) Arm(*plan.fault);
  if (!ReadIntoWindow()) return;
  model::FlashImage& image = window_.session().image();
  const std::optional<FieldEdit> edit = PickEdit(image, edits_);
  if (!edit || !Apply(image, *edit)) {
    Fail("the shown console has no configuration to edit");
    return;
  }
  window_.window().MarkUnsaved(model::kUnsavedConfig);
  Note(Describe(*edit));
  if (plan.replug != Replug::kNone) {
    if (!UnplugAndPlug(plan.replug, &*edit) || !CheckEditShown(*edit, "once the adapter was back") || !TakeIntoUse()) {
      return;
    }
  }
  if (plan.fault && plan.fault->point == FaultPoint::kBeforeSave) Arm(*plan.fault);
  if (!SaveEdit(*edit)) return;

  const std::unique_ptr<model::FlashImage> found = ReadAdapter();
  if (!found) return;
  if (!Holds(*found, *edit)) report_.Lose(cycle_, Describe(*edit) + " is not on the adapter after the save");
  if (const std::string difference = FirstDifference(*found, window_.session().image()); !difference.empty()) {
    Fail("after the save the adapter differs from the window in the " + difference);
  }
  CopyRegions(*found, *expected_);
}

bool Soak::ReadIntoWindow() {
  bool failed = false;
  for (int attempt = 0; attempt < 3; ++attempt) {
    // Taking the adapter into use from its page would run the checks on a read older than the command line's
    // writes; the home page asks for a fresh read, which shows on the adapter page once it is in.
    if (window_.Page() != app::kPagePlaySelect) window_.window().ShowHomePage();
    window_.TakeBoxes();
    window_.window().RequestFreshRead();
    window_.WaitUntil(
        [this] {
          return window_.Page() == app::kPageDeviceArrival || window_.HasShownBoxes() || !emulator_.IsPlugged();
        },
        20000);
    const QList<ShownMessageBox> boxes = window_.TakeBoxes();
    if (window_.Page() != app::kPageDeviceArrival || !boxes.isEmpty()) {
      failed = true;
      ++report_.window_reads_failed;
      Note("read failed (" + Describe(boxes) + ")");
      if (emulator_.IsPlugged()) continue;
      // The read that follows the plug-in is the fresh one; the failure's box may come before or after the
      // window sees the adapter go.
      if (!BringBack()) return false;
      window_.TakeBoxes();
    }
    if (!TakeIntoUse()) return false;
    if (const std::string difference = FirstDifference(window_.session().image(), *expected_); !difference.empty()) {
      Fail("the window's read differs from the adapter in the " + difference);
    }
    if (failed) ++report_.window_reads_recovered;
    return true;
  }
  Fail("three reads of the adapter failed");
  return false;
}

bool Soak::TakeIntoUse() {
  window_.Click(u"btnDeviceArrival");
  const QList<ShownMessageBox> boxes = window_.TakeBoxes();
  if (window_.Page() == app::kPagePlaySelect && boxes.isEmpty()) return true;
  Fail("the click on the adapter did not show the home page (" + Describe(boxes) + ")");
  return false;
}

bool Soak::UnplugAndPlug(Replug how, const FieldEdit* edit) {
  ++report_.replugs;
  Note(how == Replug::kWobbly ? "unplugged, plugged in and out within the settle second, plugged in"
                              : "unplugged and plugged in");
  emulator_.Command("unplug");
  if (!window_.WaitForPage(app::kPageDeviceRemove)) Fail("the window did not see the adapter go");
  CheckEditAside(edit, "while the adapter was away");
  if (how == Replug::kWobbly) {
    const device::DevicePresence& presence = window_.window().presence();
    if (!emulator_.Plug() ||
        !window_.WaitUntil([&] { return presence.state() == device::PresenceState::kSettling; }, 10000)) {
      Fail("the window did not see the adapter come back");
    }
    emulator_.Command("unplug");
    if (!window_.WaitUntil([&] { return presence.state() == device::PresenceState::kAbsent; }, 10000)) {
      Fail("the window did not see the adapter go again");
    }
    window_.HandlePosted();
    CheckEditAside(edit, "once the adapter went again before it was read");
  }
  if (!emulator_.Plug() || !window_.WaitForPage(app::kPageDeviceArrival)) {
    Fail("the window did not read the adapter when it came back");
    return false;
  }
  return true;
}

void Soak::CheckEditAside(const FieldEdit* edit, std::string_view when) {
  if (edit == nullptr) return;
  if (!window_.session().HasEditsAside()) {
    report_.Lose(cycle_, Describe(*edit) + " was not set aside " + std::string(when));
  } else if (window_.session().unsaved() != 0) {
    Fail(Describe(*edit) + " is still marked unsaved " + std::string(when));
  }
}

bool Soak::BringBack() {
  if (!window_.WaitForPage(app::kPageDeviceRemove)) Fail("the window did not see the adapter go");
  if (!emulator_.Plug() || !window_.WaitForPage(app::kPageDeviceArrival)) {
    Fail("the window did not read the adapter when it came back");
    return false;
  }
  return true;
}

bool Soak::CheckEditShown(const FieldEdit& edit, std::string_view when) {
  if (!Holds(window_.session().image(), edit)) {
    report_.Lose(cycle_, Describe(edit) + " is no longer in the window " + std::string(when));
    return false;
  }
  if ((window_.session().unsaved() & model::kUnsavedConfig) == 0 || !window_.OffersSave()) {
    Fail(Describe(edit) + " is not marked unsaved " + std::string(when));
    return false;
  }
  return true;
}

bool Soak::SaveEdit(const FieldEdit& edit) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    window_.TakeBoxes();
    window_.Click(u"btnSave");
    const QList<ShownMessageBox> boxes = window_.TakeBoxes();
    if (Shows(boxes, model::kTitleSave, model::kMsgSaveDone) && window_.session().unsaved() == 0) {
      if (attempt > 0) ++report_.window_saves_recovered;
      return true;
    }
    ++report_.window_saves_failed;
    Note("save failed (" + Describe(boxes) + ")");
    if (attempt > 0) Fail("the save after a failed one failed as well");
    if (emulator_.IsPlugged()) {
      if (!CheckEditShown(edit, "after the failed save")) return false;
      continue;
    }
    // Gone during the save: the edit waits for the same adapter's return.
    if (!window_.WaitForPage(app::kPageDeviceRemove)) Fail("the window did not see the adapter go");
    if (!window_.session().HasEditsAside()) {
      report_.Lose(cycle_, Describe(edit) + " was not kept when the adapter went during the save");
    }
    if (!BringBack() || !CheckEditShown(edit, "once the adapter was back after the failed save") || !TakeIntoUse()) {
      return false;
    }
  }
  Fail("three saves failed");
  return false;
}

void Soak::CommandLineTurn(const CyclePlan& plan) {
  if (plan.replug != Replug::kNone && !UnplugAndPlug(plan.replug, nullptr)) return;
  const std::optional<CurveChange> change = PickCurves(*expected_, edits_);
  if (!change) {
    Fail("the adapter's console has no configuration to import curves into");
    return;
  }
  const fs::path file = settings_.folder / "soak.vql";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(change->file.data()), static_cast<std::streamsize>(change->file.size()));
  auto wanted = model::MakeFlashImage();
  *wanted = *expected_;
  Apply(*wanted, *change);
  const std::vector<std::string> import{"--yes", "import-curve", platform::NarrowToUtf8(change->config), file.string()};
  Note("curves of " + change->config);
  if (plan.fault) Arm(*plan.fault);

  CommandLine::Outcome run = cli_.Run(import);
  if (run.code != 0) {
    ++report_.commands_failed;
    Note("import-curve exited with " + std::to_string(run.code) + " (" + FirstLine(run.errors) + ")");
    if (!emulator_.IsPlugged() && !BringBack()) return;
    const std::unique_ptr<model::FlashImage> found = ReadAdapter();
    if (!found) return;
    if (!FirstDifference(*found, *expected_).empty() && !RestoreNewestBackup()) return;
    run = cli_.Run(import);
    if (run.code != 0) {
      Fail("import-curve after a failed one exited with " + std::to_string(run.code) + ": " + FirstLine(run.errors));
      return;
    }
    ++report_.commands_recovered;
  }
  const std::unique_ptr<model::FlashImage> found = ReadAdapter();
  if (!found) return;
  if (!Holds(*found, *change)) {
    report_.Lose(cycle_, "the curves of " + change->config + " are not on the adapter after import-curve");
  }
  if (const std::string difference = FirstDifference(*found, *wanted); !difference.empty()) {
    Fail("after import-curve the adapter differs in the " + difference);
  }
  CopyRegions(*found, *expected_);
}

bool Soak::RestoreNewestBackup() {
  const core::BackupStore store(core::BackupFolder());
  const std::vector<core::StoredBackup> backups = store.List(expected_->info.serial);
  if (backups.empty() || !backups.front().parsed.image) {
    Fail("the write stopped part-way and there is no backup to restore");
    return false;
  }
  const core::StoredBackup& newest = backups.front();
  if (const std::string difference = FirstDifference(*newest.parsed.image, *expected_); !difference.empty()) {
    Fail("the backup " + newest.file_name + " differs from what the adapter held in the " + difference);
    return false;
  }
  const CommandLine::Outcome run = cli_.Run({"--yes", "restore", newest.path});
  if (run.code != 0) {
    Fail("restore exited with " + std::to_string(run.code) + ": " + FirstLine(run.errors));
    return false;
  }
  ++report_.restores;
  Note("restored " + newest.file_name);
  const std::unique_ptr<model::FlashImage> found = ReadAdapter();
  if (!found) return false;
  if (const std::string difference = FirstDifference(*found, *expected_); !difference.empty()) {
    Fail("after the restore the adapter differs in the " + difference);
    return false;
  }
  return true;
}

std::unique_ptr<model::FlashImage> Soak::ReadAdapter() {
  std::string error;
  // The window's worker may still be closing its connection; one more try then.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (auto image = ReadAdapterRegions(emulator_.socket(), &error)) return image;
  }
  Fail("the adapter could not be read: " + error);
  return nullptr;
}

}  // namespace

SoakReport RunSoak(const SoakSettings& settings) {
  SoakReport report;
  report.seed = settings.seed;
#ifdef TORVANE_SOAK_SANITIZED
  report.memory_checked = false;
#endif
  const auto started = std::chrono::steady_clock::now();
  {
    Soak soak(settings, report);
    if (soak.Start()) {
      report.start = ResourceFigures::Measure();
      report.middle_cycle = std::min(100, std::max(1, settings.cycles / 2));
      for (int cycle = 1; cycle <= settings.cycles; ++cycle) {
        soak.Cycle(cycle);
        if (cycle == report.middle_cycle) report.middle = ResourceFigures::Measure();
      }
      report.end = ResourceFigures::Measure();
      report.CheckFigures();
    }
  }
  report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return report;
}

}  // namespace torvane::soak
