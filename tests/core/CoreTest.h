#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Session.h"
#include "device/WritePlan.h"
#include "firmware/CarriedFirmware.h"
#include "support/RecordingHost.h"
#include "support/ScenarioRead.h"
#include "support/TempFolder.h"

namespace torvane::testing {

// A session as a front end holds it after reading a virtual adapter, its backups in a folder of the test's own,
// and the host that answers its flows.
class CoreTest : public ::testing::Test {
 protected:
  // Takes in the read of the adapter in `scenario`, as a front end does.
  void Load(const std::string& scenario) {
    const auto read = ReadScenario(scenario);
    ASSERT_TRUE(read && read->image) << scenario;
    session.TakeRead(*read->image, read->run_status);
  }
  std::string BackupRoot() const { return (folder.path() / "backups").string(); }

  // The sectors each recorded write erased, in order.
  std::vector<std::vector<std::uint8_t>> ErasedSectors() const {
    std::vector<std::vector<std::uint8_t>> all;
    for (const RecordingHost::Write& write : host.writes) {
      all.emplace_back(write.plan.sectors().begin(), write.plan.sectors().end());
    }
    return all;
  }
  // The bytes the last write puts at `address`, when an entry starts there.
  std::vector<std::uint8_t> WrittenAt(std::uint32_t address) const {
    if (host.writes.empty()) return {};
    const device::WritePlan& plan = host.writes.back().plan;
    for (const device::PlanEntry& entry : plan.entries()) {
      if (entry.address == address) return {plan.EntryBytes(entry).begin(), plan.EntryBytes(entry).end()};
    }
    return {};
  }

  TempFolder folder;
  core::Session session{BackupRoot(), firmware::CarriedFirmware};
  RecordingHost host;
};

template <class Block>
std::vector<std::uint8_t> BytesOfBlock(const Block& block) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&block);
  return {bytes, bytes + sizeof block};
}

}  // namespace torvane::testing
