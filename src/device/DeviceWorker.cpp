#include "device/DeviceWorker.h"

#include <system_error>
#include <utility>

#include "device/CompatibilityRules.h"
#include "device/DeviceMessages.h"
#include "device/TextFormat.h"
#include "model/RegionBytes.h"

namespace torvane::device {

using model::BytesOf;

DeviceWorker::DeviceWorker(std::unique_ptr<Transport> transport, DeviceContext& context,
                           std::weak_ptr<ResultTarget> owner)
    : transport_(std::move(transport)), protocol_(*transport_), context_(context), owner_(std::move(owner)) {}

DeviceWorker::~DeviceWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  transport_->Close();
}

int DeviceWorker::Start() {
  if (thread_.joinable()) return 0;
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error& error) {
    return error.code().value();
  }
  return 0;
}

void DeviceWorker::Post(int request, std::uint32_t wparam, std::weak_ptr<ResultTarget> target) {
  Enqueue(Request{request, wparam, std::move(target), 0, nullptr});
}

void DeviceWorker::PostRead(std::uint32_t wparam, std::uint64_t adapter, std::weak_ptr<ResultTarget> target) {
  Enqueue(Request{REQ_READ_CONFIG, wparam, std::move(target), adapter, nullptr});
}

void DeviceWorker::PostWrite(std::uint32_t wparam, const WritePlan& plan, std::weak_ptr<ResultTarget> target) {
  Enqueue(Request{REQ_WRITE_FLASH, wparam, std::move(target), 0, std::make_unique<const WritePlan>(plan)});
}

void DeviceWorker::Enqueue(Request request) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(request));
  }
  wake_.notify_one();
}

void DeviceWorker::Run() {
  Request request;
  while (NextRequest(request)) {
    switch (request.message) {
      case REQ_READ_CONFIG:
        ReadConfig(request);
        break;
      case REQ_WRITE_FLASH:
        WriteFlash(request);
        break;
      case REQ_READ_KEY_CODE:
        ReadKeyCode(request);
        break;
      default:  // REQ_STOP_KEY_CODE outside a poll, and anything unknown
        break;
    }
  }
}

bool DeviceWorker::NextRequest(Request& request) {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
  if (stopping_) return false;
  request = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

bool DeviceWorker::DiscardWaitingRequest() {
  std::lock_guard lock(mutex_);
  if (stopping_) return true;
  if (queue_.empty()) return false;
  queue_.pop_front();
  return true;
}

void DeviceWorker::Deliver(const std::weak_ptr<ResultTarget>& target, int message, std::uint32_t wparam,
                           ResultPayload payload) {
  if (auto receiver = target.lock()) receiver->Deliver(message, wparam, std::move(payload));
}

void DeviceWorker::Fail(const Request& request, int code, std::string text) {
  transport_->Close();
  context_.set_last_error(text);
  Deliver(request.target, MSG_DEVICE_FAILED, 0, DeviceFailure{code, std::move(text)});
}

void DeviceWorker::FailInProtocol(const Request& request, int code) {
  Fail(request, code, protocol_.last_error());
}

void DeviceWorker::ReadConfig(const Request& request) {
  auto read = std::make_shared<ReadResult>();
  read->adapter = request.adapter;
  read->image = model::MakeFlashImage();
  model::FlashImage& image = *read->image;
  if (int result = transport_->Open(context_.device_path()); result != 0) {
    return Fail(request, result, FormatText("Read Config: OpenDevice(%d)", result));
  }
  // Percent of the five regions read; the byte after the firmware is too small to count.
  const bool report = report_read_progress_;
  const std::size_t total = sizeof(model::InfoBlock) + sizeof(model::BootBlock) + sizeof(model::MacroBlock) +
                            sizeof(model::ConfigBlock) + sizeof(model::ResponseBlock);
  std::size_t done = 0;
  int last_posted = 0;
  const ChunkCallback chunk_read = [&](std::size_t bytes) {
    if (!report) return;
    done += bytes;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == last_posted || percent >= 100) return;
    last_posted = percent;
    Deliver(request.target, MSG_PROGRESS, static_cast<std::uint32_t>(percent));
  };
  if (const int result = protocol_.GetSysRunStatus(read->run_status); result != 0) {
    return FailInProtocol(request, result);
  }
  run_status_ = read->run_status;
  if (const int result = protocol_.ReadFlash(BytesOf(image.info), model::kInfoBlockAddress, chunk_read); result != 0) {
    return FailInProtocol(request, result);
  }
  if (const std::uint32_t kind = OldGenerationKind(image.info); kind != 0) {
    transport_->Close();
    return Deliver(owner_, MSG_INCOMPATIBLE, kind, std::move(read));
  }
  const struct {
    std::span<std::uint8_t> bytes;
    std::uint32_t address;
  } blocks[] = {
      {BytesOf(image.boot), model::kBootBlockAddress},
      {BytesOf(image.macro), model::kMacroBlockAddress},
      {BytesOf(image.config), model::kConfigBlockAddress},
      {BytesOf(image.response), model::kResponseBlockAddress},
  };
  for (const auto& block : blocks) {
    if (const int result = protocol_.ReadFlash(block.bytes, block.address, chunk_read); result != 0) {
      return FailInProtocol(request, result);
    }
  }
  // An upgrade writes 0xAA right after the firmware; the byte found there
  // replaces the boot block's end marker, so an interrupted upgrade shows as
  // lost firmware. A length that points outside the firmware area is not
  // followed: the checks count that firmware as lost all the same.
  if (model::IsValid(image.boot)) {
    if (const auto end = FirmwareEndAddress(image.boot)) {
      if (const int result = protocol_.ReadFlash(std::span(&image.boot.end, 1), *end); result != 0) {
        return FailInProtocol(request, result);
      }
    }
  }
  transport_->Close();
  if (report) Deliver(request.target, MSG_PROGRESS, 100);
  Deliver(owner_, MSG_READ_DONE, request.wparam, std::move(read));
}

void DeviceWorker::WriteFlash(const Request& request) {
  // Nothing to write would never reach 100 percent; report it done at once.
  if (!request.plan || request.plan->empty()) return Deliver(request.target, MSG_PROGRESS, 100);
  const WritePlan& plan = *request.plan;
  if (int result = transport_->Open(context_.device_path()); result != 0) {
    return Fail(request, result, FormatText("OpenDevice(%d)", result));
  }
  if (const int result = protocol_.EraseFlash(plan); result != 0) return FailInProtocol(request, result);
  // Reading back costs as much as writing, so each phase fills half the bar
  // when both run. The final 100 waits until the adapter is closed, so "done"
  // means verified and released as well.
  const bool verify = verify_writes_;
  const int phases = verify ? 2 : 1;
  int phase = 0;
  int last_posted = 0;
  const auto progress = [&](int percent) {
    const int overall = (phase * 100 + percent) / phases;
    if (overall == last_posted || overall >= 100) return;
    last_posted = overall;
    Deliver(request.target, MSG_PROGRESS, static_cast<std::uint32_t>(overall));
  };
  if (const int result = protocol_.WriteFlash(plan, progress); result != 0) return FailInProtocol(request, result);
  phase = 1;
  if (verify) {
    if (const int result = protocol_.VerifyPlan(plan, progress); result != 0) return FailInProtocol(request, result);
  }
  transport_->Close();
  Deliver(request.target, MSG_PROGRESS, 100);
}

void DeviceWorker::ReadKeyCode(const Request& request) {
  // Only an adapter in peripheral mode reports its own inputs; otherwise no answer at all.
  if (run_status_.working_mode() != kModePeripheral) return;
  if (int result = transport_->Open(context_.device_path()); result != 0) {
    return Fail(request, result, FormatText("Read Key Code: OpenDevice(%d)", result));
  }
  for (;;) {
    std::uint8_t code = 0;
    if (const int result = protocol_.GetKeyCode(code); result != 0) return FailInProtocol(request, result);
    if (code != 0) {
      transport_->Close();
      return Deliver(request.target, MSG_KEY_CODE, code);
    }
    // Any request that arrives ends the poll and is itself dropped: the key
    // dialog sends REQ_STOP_KEY_CODE for exactly this.
    if (DiscardWaitingRequest()) {
      transport_->Close();
      return;
    }
  }
}

}  // namespace torvane::device
