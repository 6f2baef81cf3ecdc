#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "model/HostType.h"
#include "model/catalogue/CatalogueData.h"
#include "model/catalogue/CataloguePreparation.h"
#include "model/catalogue/CatalogueRecords.h"
#include "model/catalogue/ResponseRecords.h"
#include "model/catalogue/WheelProfiles.h"

namespace torvane::model {
namespace {

// The six preparation steps over all 192 catalogue records. Preparing is
// idempotent, so the same records are prepared again on every iteration.
void BM_PrepareCatalogueRecords(benchmark::State& state) {
  const std::vector<WheelProfile> wheels = catalogue::BuildWheelProfiles();
  std::array<std::vector<ConfigRecord>, kHostCount> catalogues;
  std::size_t records = 0;
  for (int host = 0; host < kHostCount; ++host) {
    catalogues[static_cast<std::size_t>(host)] = catalogue::UnpreparedCatalogue(host);
    records += catalogues[static_cast<std::size_t>(host)].size();
  }
  for (auto _ : state) {
    for (auto& host_records : catalogues) {
      catalogue::PrepareCatalogueRecords(host_records, wheels);
      benchmark::DoNotOptimize(host_records.data());
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records));
}
BENCHMARK(BM_PrepareCatalogueRecords)->Unit(benchmark::kMicrosecond);

// The catalogue records from their tables, built and prepared.
void BM_BuildAndPrepareCatalogueRecords(benchmark::State& state) {
  const std::vector<WheelProfile> wheels = catalogue::BuildWheelProfiles();
  for (auto _ : state) {
    for (int host = 0; host < kHostCount; ++host) {
      std::vector<ConfigRecord> records = catalogue::UnpreparedCatalogue(host);
      catalogue::PrepareCatalogueRecords(records, wheels);
      benchmark::DoNotOptimize(records.data());
    }
  }
}
BENCHMARK(BM_BuildAndPrepareCatalogueRecords)->Unit(benchmark::kMicrosecond);

void BM_BuildDefaultResponseRecords(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<ResponseRecord> records = catalogue::BuildDefaultResponseRecords();
    benchmark::DoNotOptimize(records.data());
  }
}
BENCHMARK(BM_BuildDefaultResponseRecords)->Unit(benchmark::kMicrosecond);

// Everything PrepareCatalogue does once at start-up.
void BM_BuildCatalogueData(benchmark::State& state) {
  for (auto _ : state) {
    catalogue::CatalogueData data = catalogue::BuildCatalogueData();
    benchmark::DoNotOptimize(data.catalogues[0].data());
  }
}
BENCHMARK(BM_BuildCatalogueData)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace torvane::model
