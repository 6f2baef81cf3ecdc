#include "soak/ConfigEdits.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/RegionBytes.h"
#include "model/exchange/CurveExchange.h"
#include "model/params/DecimalField.h"
#include "model/params/IntegerField.h"
#include "model/params/ResponseCurves.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"

namespace torvane::soak {

namespace {

using model::ConfigRecord;

struct Field {
  const char* name;
  std::size_t offset;
  std::size_t size;
  int min;
  int max;  // below min: a hot key, chosen among the free candidates
};

constexpr std::array kFields{
    Field{"hip sensitivity", offsetof(ConfigRecord, hip_sensitivity), 2, model::kMinHundredths, model::kMaxHundredths},
    Field{"ADS sensitivity", offsetof(ConfigRecord, ads_sensitivity), 2, model::kMinHundredths, model::kMaxHundredths},
    Field{"ADS delay", offsetof(ConfigRecord, ads_delay), 2, model::kAdsDelayRange.min, model::kAdsDelayRange.max},
    Field{"joystick dead zone", offsetof(ConfigRecord, joystick_deadzone), 1, model::kJoystickDeadzoneRange.min,
          model::kJoystickDeadzoneRange.max},
    Field{"stick dead zone", offsetof(ConfigRecord, stick_deadzone), 1, model::kStickDeadzoneRange.min,
          model::kStickDeadzoneRange.max},
    Field{"vibration strength", offsetof(ConfigRecord, vibration_strength), 1, model::kVibrationStrengthRange.min,
          model::kVibrationStrengthRange.max},
    Field{"hot key", offsetof(ConfigRecord, hotkey), 1, 1, 0},
};

unsigned ValueAt(const ConfigRecord& record, std::size_t offset, std::size_t size) {
  const auto bytes = model::BytesOf(record);
  return size == 2 ? bytes[offset] | (unsigned{bytes[offset + 1]} << 8) : bytes[offset];
}

template <typename Image>
auto* Record(Image& image, const std::string& name, int host) {
  return model::FindConfig(image.config, name, host);
}

std::size_t Pick(std::mt19937_64& random, std::size_t count) {
  return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
}

// The record of a random configuration of the shown console, or nullptr.
const ConfigRecord* PickRecord(const model::FlashImage& image, std::mt19937_64& random) {
  const std::vector<std::size_t> slots = ShownSlots(image.config);
  return slots.empty() ? nullptr : &image.config.records[slots[Pick(random, slots.size())]];
}

}  // namespace

std::vector<std::size_t> ShownSlots(const model::ConfigBlock& block) {
  std::vector<std::size_t> slots;
  for (std::size_t slot = 0; slot < model::UsedConfigCount(block); ++slot) {
    if (block.records[slot].host_type() == block.host) slots.push_back(slot);
  }
  return slots;
}

std::optional<FieldEdit> PickEdit(const model::FlashImage& image, std::mt19937_64& random) {
  const ConfigRecord* record = PickRecord(image, random);
  if (record == nullptr) return std::nullopt;
  FieldEdit edit;
  edit.config = model::ReadName(record->name);
  edit.host = image.config.host;
  for (;;) {
    const Field& field = kFields[Pick(random, kFields.size())];
    edit.field = field.name;
    edit.offset = field.offset;
    edit.size = field.size;
    const unsigned current = ValueAt(*record, field.offset, field.size);
    if (field.max < field.min) {
      std::vector<std::uint8_t> free;
      for (const std::uint8_t code : model::kHotkeyCandidates) {
        if (code != current && !model::ConfigHotkeyConflict(image, edit.host, code)) free.push_back(code);
      }
      if (free.empty()) continue;
      edit.value = free[Pick(random, free.size())];
      return edit;
    }
    do {
      edit.value = static_cast<unsigned>(std::uniform_int_distribution<int>(field.min, field.max)(random));
    } while (edit.value == current);
    return edit;
  }
}

bool Apply(model::FlashImage& image, const FieldEdit& edit) {
  ConfigRecord* record = Record(image, edit.config, edit.host);
  if (record == nullptr) return false;
  const auto bytes = model::BytesOf(*record);
  bytes[edit.offset] = static_cast<std::uint8_t>(edit.value & 0xFF);
  if (edit.size == 2) bytes[edit.offset + 1] = static_cast<std::uint8_t>(edit.value >> 8);
  return true;
}

bool Holds(const model::FlashImage& image, const FieldEdit& edit) {
  const ConfigRecord* record = Record(image, edit.config, edit.host);
  return record != nullptr && ValueAt(*record, edit.offset, edit.size) == edit.value;
}

std::string Describe(const FieldEdit& edit) {
  return edit.field + std::string(" of ") + edit.config + " = " + std::to_string(edit.value);
}

std::optional<CurveChange> PickCurves(const model::FlashImage& image, std::mt19937_64& random) {
  const ConfigRecord* record = PickRecord(image, random);
  if (record == nullptr) return std::nullopt;
  std::uniform_int_distribution<int> point(0, model::kCurveMax);
  model::Curve hip{}, ads{};
  for (std::size_t i = 0; i < model::kCurvePoints; ++i) {
    hip[i] = static_cast<std::uint8_t>(point(random));
    ads[i] = static_cast<std::uint8_t>(point(random));
  }
  const std::optional<model::CurveFile> file =
      model::BuildCurveFile(model::ChartFromCurve(hip), model::ChartFromCurve(ads));
  if (!file) return std::nullopt;
  CurveChange change;
  change.config = model::ReadName(record->name);
  change.host = image.config.host;
  const auto bytes = model::BytesOf(*file);
  change.file.assign(bytes.begin(), bytes.end());
  // What an import stores is the file's charts turned back into curves.
  const model::CurveImport imported = model::ImportCurveFile(change.file);
  change.hip = model::CurveFromChart(imported.hip_chart);
  change.ads = model::CurveFromChart(imported.ads_chart);
  return change;
}

bool Apply(model::FlashImage& image, const CurveChange& change) {
  ConfigRecord* record = Record(image, change.config, change.host);
  if (record == nullptr) return false;
  record->hip_curve = change.hip;
  record->ads_curve = change.ads;
  return true;
}

bool Holds(const model::FlashImage& image, const CurveChange& change) {
  const ConfigRecord* record = Record(image, change.config, change.host);
  return record != nullptr && record->hip_curve == change.hip && record->ads_curve == change.ads;
}

}  // namespace torvane::soak
