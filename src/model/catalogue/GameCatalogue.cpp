#include "model/catalogue/GameCatalogue.h"

#include <algorithm>
#include <mutex>

#include "model/catalogue/CatalogueData.h"
#include "model/catalogue/GameSettingsTexts.h"
#include "model/catalogue/GameTitles.h"
#include "model/catalogue/ResponseRecords.h"
#include "model/catalogue/WheelProfiles.h"
#include "model/tables/NameText.h"

namespace torvane::model {

namespace {

std::once_flag g_prepared;
std::once_flag g_responses_built;
// Never freed: the device worker may still look things up while the process exits.
const catalogue::CatalogueData* g_data = nullptr;
const std::vector<ResponseRecord>* g_responses = nullptr;

const catalogue::CatalogueData& Data() {
  PrepareCatalogue();
  return *g_data;
}

bool IsGameId(int game_id) {
  return game_id >= 0 && game_id < kGameCount;
}

}  // namespace

void PrepareCatalogue() {
  std::call_once(g_prepared, [] { g_data = new catalogue::CatalogueData(catalogue::BuildCatalogueData()); });
}

std::string_view GameTitle(int game_id) {
  return IsGameId(game_id) ? catalogue::kGameInfo[static_cast<std::size_t>(game_id)].title : std::string_view{};
}

std::string_view GameImage(int game_id) {
  return IsGameId(game_id) ? catalogue::kGameInfo[static_cast<std::size_t>(game_id)].image : std::string_view{};
}

std::string_view GameSettingsText(int game_id) {
  return IsGameId(game_id) ? catalogue::kGameSettingsTexts[static_cast<std::size_t>(game_id)] : std::string_view{};
}

std::span<const ConfigRecord> Catalogue(int host) {
  if (!IsKnownHost(host)) return {};
  return Data().catalogues[static_cast<std::size_t>(host)];
}

const ConfigRecord* CatalogueRecordFor(const ConfigRecord& record) {
  const std::span<const ConfigRecord> records = Catalogue(record.host_type());
  const auto found = std::find_if(records.begin(), records.end(),
                                  [&](const ConfigRecord& entry) { return entry.game_id == record.game_id; });
  return found == records.end() ? nullptr : &*found;
}

bool IsKnownGame(int host, int game_id) {
  const std::span<const ConfigRecord> records = Catalogue(host);
  return std::any_of(records.begin(), records.end(),
                     [&](const ConfigRecord& entry) { return entry.game_id == game_id; });
}

const WheelProfile* WheelProfilesFor(const ConfigRecord& record) {
  return catalogue::FindWheelProfile(Data().wheels, record.game_id, record.host_type());
}

const WheelType* WheelTypeFor(const ConfigRecord& record) {
  const WheelProfile* profile = WheelProfilesFor(record);
  return profile ? catalogue::FindWheelType(*profile, record.wheel_type()) : nullptr;
}

std::string_view WheelTypeName(const WheelType& type) {
  return ReadName(type.name);
}

std::span<const ResponseRecord> DefaultResponseRecords() {
  std::call_once(g_responses_built,
                 [] { g_responses = new std::vector<ResponseRecord>(catalogue::BuildDefaultResponseRecords()); });
  return *g_responses;
}

const ResponseRecord* DefaultResponseRecord(std::uint16_t curve_id) {
  const std::span<const ResponseRecord> records = DefaultResponseRecords();
  const auto found = std::find_if(records.begin(), records.end(),
                                  [&](const ResponseRecord& entry) { return entry.curve_id.get() == curve_id; });
  return found == records.end() ? nullptr : &*found;
}

}  // namespace torvane::model
