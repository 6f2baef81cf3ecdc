#include "model/keys/ControllerButton.h"

#include <array>

#include "model/HostType.h"
#include "model/keys/KeyName.h"

namespace torvane::model {

namespace {

using NameList = std::array<std::string_view, kHostButtonSlots>;

constexpr std::string_view kNone = kNoKeyName;

constexpr std::array<NameList, kHostCount> kHostButtonNames{{
    // PS4
    {kNone,      "L1",        "L2",      "L3",      "R1",       "R2",    "R3",       "DpadUp",  "DpadDown",
     "DpadLeft", "DpadRight", "Options", "Share",   "PS",       "Touch", "Triangle", "Cross",   "Square",
     "Circle",   "LS_Up",     "LS_Down", "LS_Left", "LS_Right", "RS_Up", "RS_Down",  "RS_Left", "RS_Right"},
    // Xbox One
    {kNone,      "LB",        "LT",      "L",        "RB",    "RT",      "R",       "DpadUp",   "DpadDown",
     "DpadLeft", "DpadRight", "Menu",    "View",     "Guide", "Y",       "A",       "X",        "B",
     "LS_Up",    "LS_Down",   "LS_Left", "LS_Right", "RS_Up", "RS_Down", "RS_Left", "RS_Right", ""},
    // PS3
    {kNone,      "L1",        "L2",      "L3",       "R1",    "R2",       "R3",      "DpadUp",   "DpadDown",
     "DpadLeft", "DpadRight", "Start",   "Select",   "PS",    "Triangle", "Cross",   "Square",   "Circle",
     "LS_Up",    "LS_Down",   "LS_Left", "LS_Right", "RS_Up", "RS_Down",  "RS_Left", "RS_Right", ""},
    // Xbox 360: the face buttons follow the Switch order, not the Xbox One one.
    {kNone,      "LB",        "LT",      "L",        "RB",    "RT",      "R",       "DpadUp",   "DpadDown",
     "DpadLeft", "DpadRight", "Start",   "Back",     "Guide", "X",       "B",       "Y",        "A",
     "LS_Up",    "LS_Down",   "LS_Left", "LS_Right", "RS_Up", "RS_Down", "RS_Left", "RS_Right", ""},
    // Switch
    {kNone,      "L",         "ZL",      "L3",      "R",        "ZR",      "R3",      "DpadUp",  "DpadDown",
     "DpadLeft", "DpadRight", "Plus",    "Minus",   "Home",     "Capture", "X",       "B",       "Y",
     "A",        "LS_Up",     "LS_Down", "LS_Left", "LS_Right", "RS_Up",   "RS_Down", "RS_Left", "RS_Right"},
}};

}  // namespace

std::string_view HostButtonName(int host, int slot) {
  if (!IsKnownHost(host) || slot < 0 || slot >= kHostButtonSlots) return {};
  return kHostButtonNames[static_cast<std::size_t>(host)][static_cast<std::size_t>(slot)];
}

int HostButtonListLength(int host) {
  return host == kHostPS4 ? kHostButtonSlots : kHostButtonSlots - 1;
}

}  // namespace torvane::model
