#include <benchmark/benchmark.h>
#include <sys/prctl.h>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "device/DeviceMessages.h"
#include "device/DeviceWorker.h"
#include "device/FlashProtocol.h"
#include "device/ProtocolCodes.h"
#include "emulator/VirtualTransport.h"
#include "model/FlashImage.h"
#include "model/LittleEndian.h"
#include "model/RegionBytes.h"

namespace torvane::device {
namespace {

// Request/response pairs of a full read: the run status, then 2,212 flash chunks.
constexpr double kFullReadPairs = 1 + 2212;

// Answers every read request at once from a constant buffer: what is left is the manager's own cost.
class EchoTransport final : public Transport {
 public:
  std::vector<std::string> ListAdapters() override { return {}; }
  int Open(const std::string&) override { return 0; }
  void Close() override {}
  int WriteReport(const Report& report, std::chrono::milliseconds) override {
    answer_ = report;
    answer_[kOffsetCommand] = static_cast<std::uint8_t>(kAnswerFlash);
    return 0;
  }
  int ReadReport(Report& report, std::chrono::milliseconds) override {
    report = answer_;
    return 0;
  }

 private:
  Report answer_{};
};

void BM_PairManagerOnly(benchmark::State& state) {
  EchoTransport transport;
  FlashProtocol protocol(transport);
  std::vector<std::uint8_t> chunk(kMaxChunk);
  for (auto _ : state) {
    benchmark::DoNotOptimize(protocol.ReadFlash(chunk, model::kBootBlockAddress));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PairManagerOnly);

void BM_PairVirtualAdapter(benchmark::State& state) {
  emulator::VirtualAdapter adapter;
  emulator::VirtualTransport transport(adapter);
  transport.Open(emulator::kVirtualAdapterPath);
  FlashProtocol protocol(transport);
  std::vector<std::uint8_t> chunk(kMaxChunk);
  for (auto _ : state) {
    if (protocol.ReadFlash(chunk, model::kBootBlockAddress) != 0) state.SkipWithError("read failed");
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PairVirtualAdapter);

class Done final : public ResultTarget {
 public:
  void Deliver(int message, std::uint32_t wparam, ResultPayload) override {
    std::lock_guard lock(mutex_);
    messages_.push_back({message, wparam});
    arrived_.notify_all();
  }
  // The next message, in the order delivered.
  int Wait() {
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [this] { return !messages_.empty(); });
    const auto [message, wparam] = messages_.front();
    messages_.pop_front();
    last_wparam_ = wparam;
    return message;
  }
  std::uint32_t last_wparam() const { return last_wparam_; }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::pair<int, std::uint32_t>> messages_;
  std::uint32_t last_wparam_ = 0;
};

// A full read through the worker thread against an adapter whose boot block is
// valid, so the firmware end check runs too.
template <typename MakeTransport>
void FullRead(benchmark::State& state, MakeTransport make_transport) {
  // Timed waits of the simulated link would otherwise get up to 50 us of
  // timer slack each; the worker thread inherits this setting.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  emulator::VirtualAdapter adapter;
  model::BootBlock boot{};
  boot.start = model::kStartMarker;
  boot.firmware_address = model::kFirmwareAddress;
  boot.firmware_length = 1000;
  boot.end = model::kEndMarker;
  adapter.LoadFlash(model::kBootBlockAddress, model::BytesOf(boot));

  DeviceContext context;
  context.set_device_path(emulator::kVirtualAdapterPath);
  auto done = std::make_shared<Done>();
  DeviceWorker worker(make_transport(adapter), context, done);
  worker.Start();
  for (auto _ : state) {
    worker.Post(REQ_READ_CONFIG, 0, done);
    if (done->Wait() != MSG_READ_DONE) state.SkipWithError("read failed");
  }
  state.counters["pairs"] = kFullReadPairs;
  state.counters["per_pair"] =
      benchmark::Counter(kFullReadPairs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

auto VirtualLink(std::chrono::microseconds latency) {
  return [latency](emulator::VirtualAdapter& adapter) -> std::unique_ptr<Transport> {
    auto transport = std::make_unique<emulator::VirtualTransport>(adapter);
    transport->set_latency(latency);
    return transport;
  };
}

void BM_FullReadVirtualTransport(benchmark::State& state) {
  FullRead(state, VirtualLink(std::chrono::microseconds(0)));
}
BENCHMARK(BM_FullReadVirtualTransport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 2 x 2,213 one-millisecond sleeps with no manager at all: what the
// machine's timers alone add to the link time.
void BM_LatencyFloor(benchmark::State& state) {
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  for (auto _ : state) {
    for (int i = 0; i < 2 * static_cast<int>(kFullReadPairs); ++i) {
      std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(1));
    }
  }
  state.counters["per_pair"] =
      benchmark::Counter(kFullReadPairs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LatencyFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// Each report spends 1 ms on the way: 2 ms a pair is the floor.
void BM_FullReadLatencyVirtualTransport(benchmark::State& state) {
  FullRead(state, VirtualLink(std::chrono::milliseconds(1)));
}
BENCHMARK(BM_FullReadLatencyVirtualTransport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A save of the configuration block (one erase, 316 write chunks) over a link
// where each report spends 1 ms on the way; with verification 316 read-back
// chunks follow. Argument 0: without read-back, 1: with.
void BM_SaveConfigBlockLatency(benchmark::State& state) {
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  emulator::VirtualAdapter adapter;
  DeviceContext context;
  context.set_device_path(emulator::kVirtualAdapterPath);
  auto done = std::make_shared<Done>();
  DeviceWorker worker(VirtualLink(std::chrono::milliseconds(1))(adapter), context, done);
  worker.set_verify_writes(state.range(0) != 0);
  worker.Start();
  model::ConfigBlock block{};
  block.start = model::kStartMarker;
  block.end = model::kEndMarker;
  WritePlan plan;
  plan.AddSector(model::kConfigSector);
  plan.AddEntry(model::kConfigBlockAddress, model::BytesOf(block));
  for (auto _ : state) {
    worker.PostWrite(0, plan, done);
    int message = 0;
    while ((message = done->Wait()) == MSG_PROGRESS && done->last_wparam() != 100) {
    }
    if (message != MSG_PROGRESS) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_SaveConfigBlockLatency)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace torvane::device
