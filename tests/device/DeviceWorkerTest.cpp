#include "device/DeviceWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "WorkerHarness.h"
#include "device/AdapterCheck.h"
#include "device/CompatibilityRules.h"
#include "device/DeviceMessages.h"
#include "device/FlashPlans.h"
#include "device/ProtocolCodes.h"
#include "emulator/VirtualTransport.h"
#include "model/LittleEndian.h"
#include "model/RegionBytes.h"
#include "model/backup/BackupFile.h"
#include "support/ByteVector.h"

namespace torvane::device {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using model::BytesOf;
using testing::Collector;
using testing::TrackingTransport;
using torvane::testing::ByteVector;

class DeviceWorkerTest : public ::testing::Test {
 protected:
  emulator::VirtualAdapter adapter;
  std::unique_ptr<model::DefaultImages> defaults = model::MakeDefaultImages();
  std::vector<std::uint8_t> firmware;

  DeviceContext context;
  // The UI side: its image and run status take in each completed read, as the main window does.
  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
  RunStatus run_status;
  WritePlan plan;
  std::shared_ptr<Collector> window = std::make_shared<Collector>();
  std::shared_ptr<testing::OpenState> transport = std::make_shared<testing::OpenState>();
  std::unique_ptr<DeviceWorker> worker;

  void SetUp() override {
    model::ResetDefaultImages(*defaults);
    firmware = testing::LoadHealthyAdapter(adapter, *defaults);
    auto tracking =
        std::make_unique<TrackingTransport>(std::make_unique<emulator::VirtualTransport>(adapter), transport);
    worker = std::make_unique<DeviceWorker>(std::move(tracking), context, window);
    ASSERT_EQ(worker->Start(), 0);
    context.set_device_path(emulator::kVirtualAdapterPath);
  }

  std::vector<std::uint8_t> Flash(std::uint32_t address, std::size_t length) {
    return adapter.ReadFlash(address, length);
  }

  bool ReadAdapter(std::uint32_t wparam = 0) {
    worker->Post(REQ_READ_CONFIG, wparam, window);
    if (window->WaitFor(MSG_READ_DONE) != wparam) return false;
    const auto read = window->last_read();
    *image = *read->image;
    run_status = read->run_status;
    return true;
  }

  // Posts the plan and waits for its last progress; false on a failure.
  bool WritePlanned(const std::shared_ptr<Collector>& dialog) {
    worker->PostWrite(0, plan, dialog);
    const bool ended = dialog->WaitUntil([](const std::vector<Collector::Result>& results) {
      return !results.empty() && (results.back().message == MSG_DEVICE_FAILED || results.back().wparam == 100);
    });
    return ended && dialog->results().back().message == MSG_PROGRESS;
  }
};

TEST_F(DeviceWorkerTest, FullReadFillsTheImageExactly) {
  adapter.SetRunStatus({3, 4, 5, 6});
  ASSERT_TRUE(ReadAdapter(77)) << "MSG_READ_DONE carries the request's wParam";
  EXPECT_EQ(ByteVector(image->info), Flash(model::kInfoBlockAddress, 64));
  EXPECT_EQ(ByteVector(image->boot), Flash(model::kBootBlockAddress, 16384));
  EXPECT_EQ(ByteVector(image->macro), Flash(model::kMacroBlockAddress, 16384));
  EXPECT_EQ(ByteVector(image->config), Flash(model::kConfigBlockAddress, 16384));
  EXPECT_EQ(ByteVector(image->response), Flash(model::kResponseBlockAddress, 65536));
  EXPECT_EQ(run_status.bytes, (std::array<std::uint8_t, 4>{3, 4, 5, 6}));
  EXPECT_EQ(adapter.RequestCount(kCmdReadFlash), 2212u);
  EXPECT_EQ(adapter.RequestCount(kCmdGetSysRunStatus), 1u);
  EXPECT_FALSE(transport->open);
  EXPECT_EQ(AdapterCheck(*image, run_status.working_mode()).Next().action, CheckAction::kPruneAndShowHome);
}

TEST_F(DeviceWorkerTest, ReadReportsRisingProgressOnlyWhenAsked) {
  for (const bool report : {false, true}) {
    const std::size_t before = window->results().size();
    worker->set_report_read_progress(report);
    ASSERT_TRUE(ReadAdapter());
    const std::vector<Collector::Result> results = window->results();
    std::vector<std::uint32_t> percents;
    for (std::size_t i = before; i < results.size(); ++i) {
      if (results[i].message == MSG_PROGRESS) percents.push_back(results[i].wparam);
    }
    if (!report) {
      EXPECT_TRUE(percents.empty());
      continue;
    }
    ASSERT_GT(percents.size(), 50u) << "whole percents, not one per region";
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()) &&
                std::adjacent_find(percents.begin(), percents.end()) == percents.end());
    EXPECT_EQ(percents.back(), 100u);
    EXPECT_EQ(results.back().message, MSG_READ_DONE) << "100 comes before the image";
  }
}

TEST_F(DeviceWorkerTest, ByteAfterTheFirmwareReplacesTheBootEndMarker) {
  const std::uint8_t erased = 0xFF;
  adapter.LoadFlash(model::kFirmwareAddress + testing::kFirmwareLength, std::span(&erased, 1));
  ASSERT_TRUE(ReadAdapter());
  EXPECT_EQ(image->boot.end, 0xFF);
  EXPECT_EQ(Flash(model::kBootBlockAddress + 16383, 1)[0], 0xAA) << "the block's own marker is intact";
  EXPECT_EQ(AdapterCheck(*image, 1).Next().text, "Firmware lost! Please restore firmware.");

  // A boot block without its start marker skips the check and still completes.
  const std::uint8_t blank = 0;
  adapter.LoadFlash(model::kBootBlockAddress, std::span(&blank, 1));
  ASSERT_TRUE(ReadAdapter());
  EXPECT_EQ(image->boot.end, 0xAA);
  EXPECT_EQ(adapter.RequestCount(kCmdReadFlash), 2212u + 2211u);
}

TEST_F(DeviceWorkerTest, OldGenerationStopsAfterTheInformationBlock) {
  model::InfoBlock info{};
  info.start = model::kStartMarker;
  info.end = model::kEndMarker;
  info.boot_loader_version = {1, 22, 0};
  info.hardware_version = {1, 7, 6};
  adapter.LoadFlash(model::kInfoBlockAddress, BytesOf(info));
  worker->Post(REQ_READ_CONFIG, 0, window);
  EXPECT_EQ(window->WaitFor(MSG_INCOMPATIBLE), 1u);

  info.hardware_version = {1, 8, 0};
  adapter.LoadFlash(model::kInfoBlockAddress, BytesOf(info));
  worker->Post(REQ_READ_CONFIG, 0, window);
  EXPECT_EQ(window->WaitFor(MSG_INCOMPATIBLE), 2u);
  EXPECT_EQ(adapter.RequestCount(kCmdReadFlash), 4u) << "two chunks of the information block each time";
  EXPECT_FALSE(transport->open);
  for (const auto& result : window->results()) EXPECT_NE(result.message, MSG_READ_DONE);
}

TEST_F(DeviceWorkerTest, InterruptedUpgradeShowsAsLostFirmwareOnTheNextRead) {
  ASSERT_TRUE(BuildFirmwareRestorePlan(*image, *defaults, firmware, plan));
  adapter.ArmFault(Fault{FaultKind::kWrongAddress, kCmdWriteFlash, 3000});
  auto dialog = std::make_shared<Collector>();
  EXPECT_FALSE(WritePlanned(dialog));
  EXPECT_EQ(context.last_error(), "WriteFlash:Verify2(87,-2)");
  ASSERT_TRUE(ReadAdapter());
  EXPECT_FALSE(model::IsValid(image->boot));
  EXPECT_EQ(AdapterCheck(*image, 1).Next().text, "Firmware lost! Please restore firmware.");
}

// The echo only proves the adapter received the bytes; the read-back proves
// its flash kept them.
// A backup of what was read, written back as a save of all three data blocks,
// brings the adapter back byte for byte.
TEST_F(DeviceWorkerTest, ReadBackCatchesACellThatIgnoredTheWrite) {
  ASSERT_TRUE(ReadAdapter());
  ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedConfig | model::kUnsavedMacro), plan));
  auto healthy = std::make_shared<Collector>();
  ASSERT_TRUE(WritePlanned(healthy));

  // The configuration block's start marker (the macro block's 316 chunks come first).
  adapter.ArmFault(Fault{FaultKind::kStuckCell, kCmdWriteFlash, 316 + 1});
  auto dialog = std::make_shared<Collector>();
  EXPECT_FALSE(WritePlanned(dialog));
  EXPECT_EQ(context.last_error(), "Verify failed at 0x0800C000");
  EXPECT_FALSE(transport->open);

  worker->set_verify_writes(false);
  adapter.ArmFault(Fault{FaultKind::kStuckCell, kCmdWriteFlash, 316 + 1});
  auto unchecked = std::make_shared<Collector>();
  EXPECT_TRUE(WritePlanned(unchecked)) << "the echo check alone lets it through";
  EXPECT_EQ(Flash(model::kConfigBlockAddress, 1)[0], 0xFF);
}

struct FaultCase {
  const char* name;
  int request;
  Fault fault;
  const char* text;
};

// Each injected fault fails its request with one exact text, closes the
// adapter, and leaves the worker ready for the next request. Every fault
// against every request is the core's matrix (tests/core); here the status
// and erase answers and faults deep into a transfer.
class DeviceWorkerFaultTest : public DeviceWorkerTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DeviceWorkerFaultTest, FailsWithItsTextAndTheNextRequestWorks) {
  const FaultCase& c = GetParam();
  ASSERT_TRUE(ReadAdapter());
  if (c.request == REQ_WRITE_FLASH) {
    ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedAll), plan));
  }
  if (c.request == REQ_READ_KEY_CODE) {
    adapter.SetWorkingMode(kModePeripheral);
    ASSERT_TRUE(ReadAdapter());
  }
  const int opens_before = transport->opens;
  adapter.ArmFault(c.fault);

  auto target = std::make_shared<Collector>();
  if (c.request == REQ_WRITE_FLASH) {
    worker->PostWrite(0, plan, target);
  } else {
    worker->Post(c.request, 0, target);
  }
  ASSERT_TRUE(target->WaitFor(MSG_DEVICE_FAILED));
  EXPECT_EQ(context.last_error(), c.text);
  EXPECT_FALSE(transport->open);
  EXPECT_EQ(transport->opens, opens_before + 1);

  if (c.fault.kind == FaultKind::kUnplug) adapter.Plug();
  EXPECT_TRUE(ReadAdapter(5));
  EXPECT_EQ(transport->opens, opens_before + 2);
}

const FaultCase kFaultCases[] = {
    {"ReadWrongCode", REQ_READ_CONFIG, {FaultKind::kWrongAnswerCode, kCmdReadFlash, 2000}, "ReadFlash:Verify(86,-2)"},
    {"ReadShort", REQ_READ_CONFIG, {FaultKind::kShortReport, kCmdReadFlash, 2212}, "ReadFlash:Read(86,-3)"},
    {"StatusWrongCode",
     REQ_READ_CONFIG,
     {FaultKind::kWrongAnswerCode, kCmdGetSysRunStatus, 1},
     "GetSysRunStatus:Verify(-2)"},
    {"StatusTimeout", REQ_READ_CONFIG, {FaultKind::kNoAnswer, kCmdGetSysRunStatus, 1}, "GetSysRunStatus:Read(258)"},
    {"EraseWrongCode", REQ_WRITE_FLASH, {FaultKind::kWrongAnswerCode, kCmdEraseFlash, 1}, "Erase Flash:Verify(-1)"},
    {"WriteEcho", REQ_WRITE_FLASH, {FaultKind::kCorruptEcho, kCmdWriteFlash, 400}, "WriteFlash:Verify1(87,-2)"},
    {"WriteShort", REQ_WRITE_FLASH, {FaultKind::kShortReport, kCmdWriteFlash, 316}, "WriteFlash: Read(87,-3)"},
};

INSTANTIATE_TEST_SUITE_P(Faults, DeviceWorkerFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& param) { return param.param.name; });

TEST_F(DeviceWorkerTest, OpenFailuresNameTheirRequest) {
  adapter.SetWorkingMode(kModePeripheral);
  ASSERT_TRUE(ReadAdapter());  // the key-code request needs a read in peripheral mode
  const int opens_before = transport->opens;
  context.set_device_path("virtual/elsewhere");
  worker->Post(REQ_READ_CONFIG, 0, window);
  ASSERT_TRUE(window->WaitFor(MSG_DEVICE_FAILED));
  EXPECT_EQ(context.last_error(), "Read Config: OpenDevice(2)");

  plan.AddEntry(model::kMacroBlockAddress, std::vector<std::uint8_t>(10, 1));
  auto dialog = std::make_shared<Collector>();
  worker->PostWrite(0, plan, dialog);
  ASSERT_TRUE(dialog->WaitFor(MSG_DEVICE_FAILED));
  EXPECT_EQ(context.last_error(), "OpenDevice(2)");

  worker->Post(REQ_READ_KEY_CODE, 0, dialog);
  ASSERT_TRUE(dialog->WaitFor(MSG_DEVICE_FAILED));
  EXPECT_EQ(context.last_error(), "Read Key Code: OpenDevice(2)");
  EXPECT_EQ(transport->opens, opens_before);
}

TEST_F(DeviceWorkerTest, EmptyPlanCompletesWithoutTouchingTheAdapter) {
  auto dialog = std::make_shared<Collector>();
  worker->PostWrite(0, plan, dialog);
  EXPECT_EQ(dialog->WaitFor(MSG_PROGRESS), 100u);
  worker->Post(REQ_WRITE_FLASH, 0, dialog);  // no plan at all
  EXPECT_EQ(dialog->WaitFor(MSG_PROGRESS), 100u);
  EXPECT_EQ(adapter.TotalRequests(), 0u);
}

TEST_F(DeviceWorkerTest, KeyCodeComesFromThePeripheralModeOnly) {
  auto dialog = std::make_shared<Collector>();
  ASSERT_TRUE(ReadAdapter());  // working mode 1
  worker->Post(REQ_READ_KEY_CODE, 0, dialog);
  ASSERT_TRUE(ReadAdapter(2));  // served after the key request, which was dropped
  EXPECT_TRUE(dialog->results().empty());
  EXPECT_EQ(adapter.RequestCount(kCmdGetKeyCode), 0u);

  adapter.SetWorkingMode(kModePeripheral);
  ASSERT_TRUE(ReadAdapter());
  adapter.PressKey(0x2C);
  worker->Post(REQ_READ_KEY_CODE, 0, dialog);
  EXPECT_EQ(dialog->WaitFor(MSG_KEY_CODE), 0x2Cu);
  ASSERT_TRUE(ReadAdapter(3));
  EXPECT_FALSE(transport->open);
}

TEST_F(DeviceWorkerTest, PollEndsOnStopAndSwallowsTheRequestThatEndedIt) {
  adapter.SetWorkingMode(kModePeripheral);
  ASSERT_TRUE(ReadAdapter());
  auto dialog = std::make_shared<Collector>();
  worker->Post(REQ_STOP_KEY_CODE, 0, dialog);  // no poll runs: dropped
  worker->Post(REQ_READ_KEY_CODE, 0, dialog);
  worker->Post(REQ_STOP_KEY_CODE, 0, dialog);
  ASSERT_TRUE(ReadAdapter(8));

  // A read posted during a poll ends it and is lost itself.
  worker->Post(REQ_READ_KEY_CODE, 0, dialog);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  const std::size_t polls = adapter.RequestCount(kCmdGetKeyCode);
  while (adapter.RequestCount(kCmdGetKeyCode) < polls + 3 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  worker->Post(REQ_READ_CONFIG, 41, window);
  worker->Post(REQ_READ_CONFIG, 42, window);
  EXPECT_EQ(window->WaitFor(MSG_READ_DONE), 42u);
  EXPECT_TRUE(dialog->results().empty());
  EXPECT_FALSE(transport->open);
}

TEST_F(DeviceWorkerTest, ResultsForATargetThatWentAwayAreDropped) {
  adapter.SetWorkingMode(kModePeripheral);
  ASSERT_TRUE(ReadAdapter());
  adapter.PressKey(0x04);
  worker->Post(REQ_READ_KEY_CODE, 0, std::make_shared<Collector>());  // the only owner is the request
  ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedMacro), plan));
  {
    auto closed_dialog = std::make_shared<Collector>();
    worker->PostWrite(0, plan, closed_dialog);
  }
  ASSERT_TRUE(ReadAdapter(9));
  EXPECT_EQ(adapter.pending_keys(), 0u);
  EXPECT_EQ(adapter.RequestCount(kCmdWriteFlash), 316u);
}

TEST_F(DeviceWorkerTest, DestroyingTheWorkerEndsARunningPoll) {
  adapter.SetWorkingMode(kModePeripheral);
  ASSERT_TRUE(ReadAdapter());
  worker->Post(REQ_READ_KEY_CODE, 0, window);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (adapter.RequestCount(kCmdGetKeyCode) == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  worker.reset();
  EXPECT_FALSE(transport->open) << "the adapter is closed on the way out";
}

TEST_F(DeviceWorkerTest, EachReadHandsOverABufferOfItsOwn) {
  const auto flash_config = Flash(model::kConfigBlockAddress, 16384);
  // Two reads back to back: the first result is the UI's to edit while the worker fills the second.
  worker->PostRead(1, 7, window);
  worker->PostRead(2, 7, window);
  ASSERT_EQ(window->WaitFor(MSG_READ_DONE), 1u);
  const auto first = window->reads().at(0);
  while (window->reads().size() < 2) ++first->image->config.records[0].name[0];
  ASSERT_EQ(window->WaitFor(MSG_READ_DONE), 2u);
  const auto second = window->reads().at(1);
  ASSERT_NE(first->image.get(), second->image.get());
  EXPECT_EQ(ByteVector(second->image->config), flash_config);
  EXPECT_EQ(second->adapter, 7u);

  // Unplugged in between: the read in the gap fails and leaves the handed-over results alone.
  adapter.Unplug();
  worker->PostRead(3, 7, window);
  ASSERT_TRUE(window->WaitFor(MSG_DEVICE_FAILED));
  const std::uint8_t no_configurations = 0;
  adapter.LoadFlash(model::kConfigBlockAddress + 5, std::span(&no_configurations, 1));
  adapter.Plug();
  worker->PostRead(4, 8, window);
  while (window->reads().size() < 3) ++second->image->config.records[0].name[1];
  ASSERT_EQ(window->WaitFor(MSG_READ_DONE), 4u);
  const auto third = window->reads().at(2);
  EXPECT_EQ(third->adapter, 8u) << "the tag tells this plug-in from the last";
  EXPECT_EQ(third->image->config.count, 0);
  EXPECT_EQ(second->image->config.count, 1) << "an earlier result keeps what it read";
  EXPECT_EQ(second->image->config.records[0].name[0], 'R');
}

TEST_F(DeviceWorkerTest, AWriteUsesThePlanAsItWasWhenPosted) {
  ASSERT_TRUE(ReadAdapter());
  image->config.host = 4;
  ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedConfig), plan));
  const auto planned = ByteVector(image->config);
  auto dialog = std::make_shared<Collector>();
  worker->PostWrite(0, plan, dialog);
  // The caller refills its plan at once, while the worker writes.
  image->config.host = 2;
  ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedConfig | model::kUnsavedMacro), plan));
  ASSERT_TRUE(dialog->WaitUntil(
      [](const std::vector<Collector::Result>& results) { return !results.empty() && results.back().wparam == 100; }));
  EXPECT_EQ(Flash(model::kConfigBlockAddress, 16384), planned);
  EXPECT_EQ(adapter.RequestCount(kCmdWriteFlash), 316u) << "the configuration block alone";
}

TEST_F(DeviceWorkerTest, FirmwareLengthOutsideTheFlashIsNotFollowedAndCountsAsLost) {
  struct Case {
    std::uint32_t address;
    std::uint32_t length;
  } const cases[] = {
      {model::kFirmwareAddress, 0x00100000},         // far past the end of the flash
      {model::kFirmwareAddress, kFirmwareAreaSize},  // the end byte one past the last sector
      {0xFFFF0000, 0x08030000},                      // a 32-bit sum would wrap into the area
  };
  for (const Case& c : cases) {
    std::uint8_t fields[8];
    model::WriteU32(&fields[0], c.address);
    model::WriteU32(&fields[4], c.length);
    adapter.LoadFlash(model::kBootBlockAddress + 4, fields);
    const std::size_t reads_before = adapter.RequestCount(kCmdReadFlash);
    ASSERT_TRUE(ReadAdapter()) << c.address << "+" << c.length;
    EXPECT_EQ(adapter.RequestCount(kCmdReadFlash) - reads_before, 2211u) << "no read after the firmware";
    EXPECT_EQ(AdapterCheck(*image, kModeNormal).Next().text, "Firmware lost! Please restore firmware.");
  }
}

}  // namespace
}  // namespace torvane::device
