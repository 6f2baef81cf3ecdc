#include "model/exchange/ConfigExchange.h"

#include <cstring>

#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/exchange/DigestField.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {

std::optional<ConfigFile> BuildConfigFile(const ConfigRecord& record) {
  ConfigFile file{};
  file.manager_version = kManagerVersion;
  file.config_format_version = kConfigFormatVersion;
  file.record = record;
  if (!StampDigest(BytesOf(file), offsetof(ConfigFile, digest))) return std::nullopt;
  return file;
}

ConfigImport ImportConfigFile(FlashImage& image, std::span<const std::uint8_t> bytes, const GameKnownFn& game_known,
                              const DefaultResponseFn& default_response, const ConfirmOccupiedFn& confirm) {
  const int host = image.config.host;
  if (!IsKnownHost(host)) return {ExchangeResult::kIgnored};
  if (bytes.size() != kConfigFileSize) return {ExchangeResult::kWrongSize};
  if (!VerifyDigest(bytes, offsetof(ConfigFile, digest))) return {ExchangeResult::kVerifyFailed};

  ConfigFile file{};
  std::memcpy(&file, bytes.data(), sizeof file);
  ConfigRecord& record = file.record;
  // A file's name may lack its terminator and its count may exceed the groups; the table holds neither.
  StoreName(record.name, ReadName(record.name), kNewConfigNameChars);
  record.button_count = static_cast<std::uint8_t>(record.used_buttons());

  if (const std::uint8_t key = FindOccupiedKey(image.config, record); key != 0) {
    if (!confirm || !confirm(key)) return {ExchangeResult::kDeclined};
  }
  const bool newer_format = CompareVersion(kConfigFormatVersion, file.config_format_version) == kVersionNewer;
  if (record.host_type() != host) return {ExchangeResult::kWrongConsole};
  if (FindConfigIndex(image.config, ReadName(record.name), host) >= 0) return {ExchangeResult::kDuplicateConfig};
  if (newer_format || !game_known || !game_known(host, record.game_id)) {
    return {ExchangeResult::kNeedsNewerManager};
  }

  record.hotkey = PickFreeHotkey(image.config, record);
  record.color = PickFreeColor(image.config, host);
  if (record.color == 0u) return {ExchangeResult::kNoFreeColor};
  record.set_startup(false);

  const ResponseRecord* response = default_response ? default_response(record.curve_id) : nullptr;
  if (!AddConfig(image, record, response)) return {ExchangeResult::kConfigTableFull};
  return {ExchangeResult::kOk, image.config.count - 1, kUnsavedConfig | kUnsavedResponse};
}

}  // namespace torvane::model
