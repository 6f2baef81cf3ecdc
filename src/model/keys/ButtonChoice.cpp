#include "model/keys/ButtonChoice.h"

#include "model/HostType.h"
#include "model/keys/ControllerButton.h"

namespace torvane::model {

namespace {

// The pads whose name list carries a button at the touch pad's position.
bool HasTouchPosition(int host) {
  return host == kHostPS4 || host == kHostSwitch || !IsKnownHost(host);
}

constexpr int kTouchPosition = kButtonTouch + 1;

}  // namespace

int ButtonChoiceCount(int host) {
  return HasTouchPosition(host) ? kHostButtonSlots : kHostButtonSlots - 1;
}

std::string_view ButtonChoiceName(int host, int choice) {
  if (choice < 0 || choice >= ButtonChoiceCount(host)) return {};
  return HostButtonName(IsKnownHost(host) ? host : kHostPS4, choice);
}

int ButtonChoiceToPosition(int host, int choice) {
  if (choice <= 0 || choice >= ButtonChoiceCount(host)) return 0;
  return HasTouchPosition(host) || choice < kTouchPosition ? choice : choice + 1;
}

std::optional<int> PositionToButtonChoice(int host, int position) {
  if (position < 0 || position > kControllerButtonCount) return std::nullopt;
  if (HasTouchPosition(host) || position < kTouchPosition) return position;
  if (position == kTouchPosition) return std::nullopt;
  return position - 1;
}

}  // namespace torvane::model
