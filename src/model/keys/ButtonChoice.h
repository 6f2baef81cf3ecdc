#pragma once

#include <optional>
#include <string_view>

namespace torvane::model {

// A chooser of controller buttons for one host: entry 0 "< None >", then the host's buttons in controller order.
// An entry stands for a position, the controller button number plus one (0 for none). The Xbox and PS3 pads have
// no touch pad button (position 14), so their entries from 14 on stand for the position after them; hosts the
// program does not know are shown with the PS4 pad's buttons.
int ButtonChoiceCount(int host);
std::string_view ButtonChoiceName(int host, int choice);
// 0 for entry 0 and for an entry the chooser does not have.
int ButtonChoiceToPosition(int host, int choice);
// Nothing for a position the host's chooser cannot show.
std::optional<int> PositionToButtonChoice(int host, int position);

}  // namespace torvane::model
