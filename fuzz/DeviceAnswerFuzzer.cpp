// The flash protocol against an adapter whose answers are fuzzer bytes: the
// reads a connection makes, the key-code poll, and a write with its erase and
// read-back. An operation byte picks each next step until the input runs out.

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "AnswerTransport.h"
#include "Require.h"
#include "device/CompatibilityRules.h"
#include "device/FlashProtocol.h"
#include "device/RunStatus.h"
#include "device/WritePlan.h"
#include "model/FlashImage.h"
#include "model/RegionBytes.h"

namespace {

using namespace torvane;

// What an operation must leave: a text for every failure.
void Settle(const device::FlashProtocol& protocol, int result) {
  fuzz::Require(result == 0 || !protocol.last_error().empty(), "a failure without a text");
}

device::WritePlan PlanFrom(FuzzedDataProvider& input) {
  device::WritePlan plan;
  const auto sectors = input.ConsumeIntegralInRange<int>(0, 3);
  for (int i = 0; i < sectors; ++i) plan.AddSector(input.ConsumeIntegral<std::uint8_t>());
  // One entry: a second one starts a slot of 128 KiB further on, which would cost more than the exchanges.
  const auto address = input.ConsumeIntegral<std::uint32_t>();
  auto bytes = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(1, 160));
  if (bytes.empty()) bytes.push_back(0);
  plan.AddEntry(address, bytes);
  return plan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  fuzz::AnswerTransport transport(input);
  device::FlashProtocol protocol(transport);
  // Kept from input to input and cleared, which costs less than a new one.
  static const auto image = model::MakeFlashImage();
  image->info = {};
  image->boot = {};
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 6)) {
      case 0: {
        device::RunStatus status;
        Settle(protocol, protocol.GetSysRunStatus(status));
        device::IsAcceptedWorkingMode(status.working_mode());
        break;
      }
      case 1: {
        Settle(protocol, protocol.ReadFlash(model::BytesOf(image->info), model::kInfoBlockAddress));
        device::OldGenerationKind(image->info);
        break;
      }
      case 2: {
        // The boot block and then the byte after the firmware it names, as a connection reads them.
        const int result = protocol.ReadFlash(model::BytesOf(image->boot), model::kBootBlockAddress);
        Settle(protocol, result);
        if (result == 0 && model::IsValid(image->boot)) {
          if (const auto end = device::FirmwareEndAddress(image->boot)) {
            Settle(protocol, protocol.ReadFlash(std::span(&image->boot.end, 1), *end));
          }
        }
        break;
      }
      case 3: {
        std::vector<std::uint8_t> bytes(input.ConsumeIntegralInRange<std::size_t>(0, 300));
        Settle(protocol, protocol.ReadFlash(bytes, input.ConsumeIntegral<std::uint32_t>()));
        break;
      }
      case 4: {
        std::uint8_t code = 0;
        Settle(protocol, protocol.GetKeyCode(code));
        break;
      }
      case 5: {
        const device::WritePlan plan = PlanFrom(input);
        Settle(protocol, protocol.EraseFlash(plan));
        break;
      }
      default: {
        const device::WritePlan plan = PlanFrom(input);
        int last = 0;
        const auto progress = [&last](int percent) {
          fuzz::Require(percent > last && percent <= 100, "progress out of order");
          last = percent;
        };
        int result = protocol.WriteFlash(plan, progress);
        Settle(protocol, result);
        if (result == 0) {
          last = 0;
          result = protocol.VerifyPlan(plan, progress);
          Settle(protocol, result);
        }
        break;
      }
    }
  }
  return 0;
}
