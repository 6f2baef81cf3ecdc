#include "model/catalogue/CatalogueData.h"

#include "model/catalogue/CataloguePreparation.h"
#include "model/catalogue/CatalogueRecords.h"
#include "model/catalogue/WheelProfiles.h"

namespace torvane::model::catalogue {

CatalogueData BuildCatalogueData() {
  CatalogueData data;
  data.wheels = BuildWheelProfiles();
  for (int host = 0; host < kHostCount; ++host) {
    auto& records = data.catalogues[static_cast<std::size_t>(host)];
    records = UnpreparedCatalogue(host);
    PrepareCatalogueRecords(records, data.wheels);
  }
  return data;
}

}  // namespace torvane::model::catalogue
