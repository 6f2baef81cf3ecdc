// Every fault the adapter can show, met by every request a player makes: the failing step's exact text, no
// handle left open, the next request working, the edits kept.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include "CoreTest.h"
#include "core/BackupRestore.h"
#include "core/FirmwareProcedures.h"
#include "core/SaveFlow.h"
#include "device/AdapterTexts.h"
#include "device/DeviceWorker.h"
#include "device/ProtocolCodes.h"
#include "emulator/AdapterFault.h"
#include "emulator/VirtualTransport.h"
#include "model/FlashRegions.h"
#include "support/WorkerProbes.h"

namespace torvane::testing {
namespace {

using emulator::FaultKind;

enum class Request { kRead, kSave, kUpgrade, kFirmwareRestore, kConfigurationRestore, kBackupRestore, kKeyCapture };

struct Cell {
  Request request;
  FaultKind fault;
};

const char* Name(Request request) {
  constexpr const char* kNames[] = {"Read",          "Save",          "Upgrade",   "FirmwareRestore",
                                    "ConfigRestore", "BackupRestore", "KeyCapture"};
  return kNames[static_cast<int>(request)];
}
const char* Name(FaultKind fault) {
  constexpr const char* kNames[] = {"NoAnswer",      "WrongAnswerCode", "WrongAddress", "CorruptEcho", "StuckCell",
                                    "EraseNotAcked", "WrongReportId",   "ShortReport",  "Unplug"};
  return kNames[static_cast<int>(fault)];
}

// The first address each write's plan starts with.
std::uint32_t FirstAddress(Request request) {
  switch (request) {
    case Request::kSave:
      return model::kConfigBlockAddress;
    case Request::kBackupRestore:
      return model::kMacroBlockAddress;
    default:
      return model::kBootBlockAddress;
  }
}

// The request the fault is armed on, and the failing step's text; empty where the request never meets it (a read
// has no erase and no written cell to lose, a key answer no address and no echo to check).
struct Expected {
  emulator::Fault fault;
  std::string text;
};
Expected ExpectedFor(const Cell& cell) {
  const bool read = cell.request == Request::kRead;
  const bool key = cell.request == Request::kKeyCapture;
  const std::uint32_t command = read ? device::kCmdReadFlash : key ? device::kCmdGetKeyCode : device::kCmdWriteFlash;
  const std::string transfer = read ? "ReadFlash:Read(86," : key ? "GetKeyCode:Read(" : "WriteFlash: Read(87,";
  const std::string check = read ? "ReadFlash:Verify(86," : key ? "GetKeyCode:Verify(" : "WriteFlash:Verify2(87,";
  const emulator::Fault on_third(cell.fault, command, read ? 3 : key ? 1 : 2);
  switch (cell.fault) {
    case FaultKind::kNoAnswer:
      return {on_third, transfer + "258)"};
    case FaultKind::kWrongAnswerCode:
      return {on_third, check + "-2)"};
    case FaultKind::kWrongAddress:
      return {on_third, key ? "" : check + "-2)"};
    case FaultKind::kCorruptEcho:
      return {on_third, read || key ? "" : "WriteFlash:Verify1(87,-2)"};
    case FaultKind::kStuckCell: {
      char text[40];
      std::snprintf(text, sizeof text, "Verify failed at 0x%08X", FirstAddress(cell.request));
      return {{cell.fault, command, 1}, read || key ? "" : text};
    }
    case FaultKind::kEraseNeverAcknowledged:
      return {{cell.fault, device::kCmdEraseFlash, 1}, read || key ? "" : "Erase Flash:Read(258)"};
    case FaultKind::kWrongReportId:
      return {on_third, transfer + "-4)"};
    case FaultKind::kShortReport:
      return {on_third, transfer + "-3)"};
    case FaultKind::kUnplug:
      return {on_third, transfer + std::to_string(ENODEV) + ")"};
  }
  return {on_third, {}};
}

class FaultMatrixTest : public CoreTest, public ::testing::WithParamInterface<Cell> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(emulator::LoadScenario(adapter, "working-mode-7"));  // the adapter's own keys can be captured
    context.set_device_path(emulator::kVirtualAdapterPath);
    worker = std::make_unique<device::DeviceWorker>(
        std::make_unique<TrackingTransport>(std::make_unique<emulator::VirtualTransport>(adapter), open), context,
        results);
    ASSERT_EQ(worker->Start(), 0);
    host.writer = [this](const device::WritePlan& plan) { return Write(plan); };
    const auto read = Read();
    ASSERT_TRUE(read.read);
    session.TakeRead(*read.read->image, read.read->run_status);
  }

  struct Outcome {
    std::shared_ptr<device::ReadResult> read;
    std::optional<std::uint32_t> key;
    device::DeviceFailure failure;
  };
  // Posts with `post` and waits for the request's end: any result but progress, or 100 percent.
  Outcome Await(const std::function<void()>& post) {
    const std::size_t seen = results->results().size();
    post();
    const auto ended = [seen](const std::vector<Collector::Result>& all) {
      for (std::size_t i = seen; i < all.size(); ++i) {
        if (all[i].message != device::MSG_PROGRESS || all[i].wparam >= 100) return true;
      }
      return false;
    };
    EXPECT_TRUE(results->WaitUntil(ended));
    Outcome outcome;
    const std::vector<Collector::Result> all = results->results();
    for (std::size_t i = seen; i < all.size(); ++i) {
      const Collector::Result& result = all[i];
      if (result.message == device::MSG_DEVICE_FAILED) outcome.failure = results->failures().back();
      if (result.message == device::MSG_READ_DONE) outcome.read = results->last_read();
      if (result.message == device::MSG_KEY_CODE) outcome.key = result.wparam;
    }
    return outcome;
  }
  Outcome Read() {
    return Await([this] { worker->PostRead(0, 1, results); });
  }
  core::WriteResult Write(const device::WritePlan& plan) {
    const Outcome outcome = Await([&] { worker->PostWrite(0, plan, results); });
    return {outcome.failure.text.empty(), outcome.failure};
  }

  // Runs the cell's request; the failing step's text, empty when it succeeded.
  std::string Run(Request request) {
    host.answers = {core::kAnswerYes};
    core::FirmwareProcedures procedures(session, host);
    const auto told = [this] {
      for (const RecordingHost::Box& box : host.boxes) {
        if (box.title == device::kUsbErrorTitle) return box.text.substr(box.text.rfind("\n\n") + 2);
      }
      return std::string();
    };
    switch (request) {
      case Request::kRead:
        return Read().failure.text;
      case Request::kKeyCapture: {
        adapter.PressKey(0x2C);
        const Outcome outcome = Await([this] { worker->Post(device::REQ_READ_KEY_CODE, 0, results); });
        return outcome.failure.text;
      }
      case Request::kSave:
        core::SaveChanges(session, host);
        return told();
      case Request::kUpgrade:
        procedures.UpgradeFirmware();
        return told();
      case Request::kFirmwareRestore:
        procedures.RestoreFirmwareAndConfiguration();
        return told();
      case Request::kConfigurationRestore:
        procedures.RestoreConfiguration();
        return told();
      case Request::kBackupRestore:
        core::RestoreBackup(session, host, *std::make_unique<model::FlashImage>(session.image()));
        return told();
    }
    return {};
  }

  emulator::VirtualAdapter adapter;
  device::DeviceContext context;
  std::shared_ptr<OpenState> open = std::make_shared<OpenState>();
  std::shared_ptr<Collector> results = std::make_shared<Collector>();
  std::unique_ptr<device::DeviceWorker> worker;
};

TEST_P(FaultMatrixTest, TellsTheFailingStepAndLeavesAWorkingAdapterAndTheEdits) {
  const Cell& cell = GetParam();
  const Expected expected = ExpectedFor(cell);
  // An edit the request does not replace: the save writes it, the rest leave it marked.
  ++session.image().config.records[0].hotkey;
  session.MarkUnsaved(model::kUnsavedConfig);
  const model::ConfigRecord edited = session.image().config.records[0];

  adapter.ArmFault(expected.fault);
  const std::string text = Run(cell.request);
  adapter.ClearFaults();
  if (!adapter.IsPlugged()) adapter.Plug();

  EXPECT_EQ(text, expected.text);
  if (expected.text.empty()) return;
  EXPECT_FALSE(open->open) << "the adapter is closed after a failure";
  if (cell.request == Request::kSave) {
    EXPECT_EQ(session.unsaved(), model::kUnsavedConfig);
    EXPECT_EQ(std::memcmp(&session.image().config.records[0], &edited, sizeof edited), 0);
    EXPECT_EQ(core::SaveChanges(session, host).outcome, core::SaveResult::Outcome::kSaved) << "the same save again";
    EXPECT_EQ(adapter.ReadFlash(model::kConfigBlockAddress + 0, sizeof(model::ConfigBlock)),
              BytesOfBlock(session.image().config));
  } else if (cell.request == Request::kRead || cell.request == Request::kKeyCapture ||
             cell.request == Request::kUpgrade) {
    EXPECT_EQ(session.unsaved(), model::kUnsavedConfig) << "an edit of a region the request did not reach stays";
  }
  const Outcome next = Read();
  EXPECT_TRUE(next.read) << next.failure.text;
}

std::vector<Cell> AllCells() {
  std::vector<Cell> cells;
  for (int request = 0; request <= static_cast<int>(Request::kKeyCapture); ++request) {
    for (int fault = 0; fault <= static_cast<int>(FaultKind::kUnplug); ++fault) {
      cells.push_back({static_cast<Request>(request), static_cast<FaultKind>(fault)});
    }
  }
  return cells;
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrixTest, ::testing::ValuesIn(AllCells()),
                         [](const ::testing::TestParamInfo<Cell>& cell) {
                           return std::string(Name(cell.param.request)) + "_" + Name(cell.param.fault);
                         });

}  // namespace
}  // namespace torvane::testing
