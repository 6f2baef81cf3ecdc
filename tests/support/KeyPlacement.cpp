#include "support/KeyPlacement.h"

#include <algorithm>

#include "model/FlashImage.h"

namespace torvane::testing {

void RemoveKeyEverywhere(model::FlashImage& image, std::uint8_t code) {
  auto clear = [code](std::uint8_t& value) {
    if (value == code) value = 0;
  };
  for (model::ConfigRecord& record : image.config.records) {
    for (model::MappingGroup& group : record.mapping) std::replace(group.begin(), group.end(), code, std::uint8_t{0});
    for (std::uint8_t* field : {&record.hotkey, &record.stick_swap_key, &record.left_stick_hotkey,
                                &record.right_stick_hotkey, &record.turn_assist_key, &record.touchpad_key}) {
      clear(*field);
    }
  }
  for (model::MacroRecord& macro : image.macro.records) clear(macro.macro_hotkey);
  auto& globals = image.config.global_hotkeys;
  std::replace(globals.begin(), globals.end(), code, std::uint8_t{0});
}

}  // namespace torvane::testing
