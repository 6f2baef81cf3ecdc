#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "model/RegionBytes.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/DigestField.h"

namespace torvane::model {
namespace {

ConfigRecord SampleRecord() {
  ConfigRecord record{};
  const char name[] = "Call of Duty: WWII";
  std::copy(std::begin(name), std::end(name), record.name.begin());
  record.game_id = 5;
  record.button_count = kDefaultButtonCount;
  record.hip_sensitivity = 100;
  for (std::size_t j = 0; j < kDefaultButtonCount; ++j) record.mapping[0][j] = static_cast<std::uint8_t>(4 + j);
  return record;
}

// Export: the 864-byte image with its digest.
void BM_BuildConfigFile(benchmark::State& state) {
  const ConfigRecord record = SampleRecord();
  for (auto _ : state) {
    std::optional<ConfigFile> file = BuildConfigFile(record);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kConfigFileSize));
}
BENCHMARK(BM_BuildConfigFile);

// Import's first step: checking a file's digest without touching its bytes.
void BM_VerifyConfigFile(benchmark::State& state) {
  const std::optional<ConfigFile> file = BuildConfigFile(SampleRecord());
  const std::vector<std::uint8_t> bytes(BytesOf(*file).begin(), BytesOf(*file).end());
  for (auto _ : state) {
    bool ok = VerifyDigest(bytes, offsetof(ConfigFile, digest));
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kConfigFileSize));
}
BENCHMARK(BM_VerifyConfigFile);

}  // namespace
}  // namespace torvane::model
