#include "model/catalogue/GameSettingsTexts.h"

#include <iterator>
#include <utility>

namespace torvane::model::catalogue {

namespace {

// The adapter turns mouse movement into full stick deflection, so the game
// should pass the stick through untouched: fastest turning, no dead zone, no
// acceleration, and no aim assist pulling against the mouse.
constexpr std::string_view kBattlefieldAiming =
    "Soldier Aim Sensitivity = 100%\r\nSoldier Zoom Sensitivity = 100%\r\nUniform Soldier Aiming = On\r\n"
    "Aim Assist Slowdown = Off\r\nAim Assist Zoom Snap = Off";
constexpr std::string_view kCallOfDutyClassic =
    "Look Sensitivity = Max\r\nAim Assist = Off\r\nLook Inversion = Disabled";
constexpr std::string_view kCallOfDutyModern =
    "Horizontal Stick Sensitivity = 20\r\nVertical Stick Sensitivity = 20\r\nADS Sensitivity Multiplier = 1.00\r\n"
    "Aim Assist = Off\r\nAim Response Curve Type = Linear\r\nLeft Stick Min Input Deadzone = 0\r\n"
    "Right Stick Min Input Deadzone = 0";
constexpr std::string_view kFarCryAiming = "Aim Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off";
constexpr std::string_view kBattlegrounds =
    "Camera Sensitivity = Max\r\nTargeting Sensitivity = Max\r\nScoping Sensitivity = Max\r\n"
    "Left Stick Deadzone = 0%\r\nRight Stick Deadzone = 0%";
constexpr std::string_view kSimpleShooter = "Look Sensitivity = Max\r\nAim Assist = Off";

constexpr std::pair<int, std::string_view> kTexts[] = {
    {0, "Look Sensitivity = 10\r\nAim Assist = Disabled\r\nLook Inversion = Disabled"},
    {8, "Controller Sensitivity = 100\r\nAim Assist = Off\r\nInvert Look = Off"},
    {9, kBattlefieldAiming},
    {11, "Look Sensitivity = Max\r\nInvert Look = Off"},
    {19, "Look Sensitivity = 10\r\nInvert Look = Off"},
    {23, kCallOfDutyClassic},
    {24,
     "Targeting Mode = Free Aim\r\nThird Person Look Sensitivity = Max\r\nThird Person Aim Sensitivity = Max\r\n"
     "Third Person Aim Dead Zone = Min\r\nFirst Person Aim Dead Zone = Min"},
    {25, kFarCryAiming},
    {27, kBattlefieldAiming},
    {29, "Look Sensitivity = Max\r\nAim Assist = Off\r\nInvert Y Axis = Off"},
    {47, "Look Sensitivity = 10\r\nCenter Dead Zone = 0\r\nLook Acceleration = 0"},
    {48, "Look Sensitivity = 10\r\nLook Acceleration = 0\r\nCenter Dead Zone = 0\r\nAxial Dead Zone = 0"},
    {49, "Soldier Aim Sensitivity = 100%\r\nZoom Sensitivity = 100%\r\nAim Assist = Off"},
    {50, kCallOfDutyClassic},
    {51, "Look Sensitivity = Max\r\nInvert Y = Off"},
    {53,
     "Horizontal Sensitivity = 100\r\nVertical Sensitivity = 100\r\nAim Down Sight = 100\r\nDeadzone = 0\r\n"
     "Aim Assist = Off"},
    {55, "Look Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off"},
    {56, "Aim Sensitivity = 100%\r\nZoom Sensitivity = 100%\r\nAim Assist = Off"},
    {57, kFarCryAiming},
    {58, "Camera Sensitivity = 100%\r\nAim Sensitivity = 100%\r\nAim Assist = Off"},
    {62,
     "Horizontal Camera Sensitivity = 10\r\nVertical Camera Sensitivity = 10\r\nAim Assist = Off\r\n"
     "Lock-On Aim = Off"},
    {63, "Look Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off"},
    {64,
     "Horizontal sensitivity = 100%\r\nVertical sensitivity = 100%\r\nAim Smoothing = 0%\r\n"
     "Aim technique = linear ramp"},
    {69, kBattlefieldAiming},
    {70,
     "Look Sensitivity = 10\r\nZoom Sensitivity = 10\r\nAim Assist = Off\r\nLook Acceleration = Off\r\n"
     "Inner Dead Zone = 0"},
    {72, "Sensitivity = Insane (8)"},
    {73, kCallOfDutyClassic},
    {75, kSimpleShooter},
    {76,
     "Camera Horizontal Sensitivity = 100\r\nCamera Vertical Sensitivity = 100\r\nAim Sensitivity = 100\r\n"
     "Aim Assist = Off"},
    {77, "Sensitivity = Max\r\nAim Assist = Off\r\nAcceleration = Off"},
    {78, "Camera Sensitivity = 10\r\nAim Sensitivity = 10\r\nAim Assist = Off"},
    {79, "Look Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off\r\nLook Acceleration = Off"},
    {80, "Camera Speed (Horizontal) = 10\r\nCamera Speed (Vertical) = 10\r\nAim Speed = 10\r\nAim Assist = Off"},
    {81, "Motion Controls = Off\r\nTV Mode Sensitivity (R Stick) = +5\r\nHandheld Mode Sensitivity (R Stick) = +5"},
    {82, "Look Sensitivity = Max\r\nADS Sensitivity Modifier = 1.0\r\nInvert Look = Off"},
    {86, kSimpleShooter},
    {91, "Camera Speed = Max\r\nAim Speed = Max\r\nAim Assist = Off"},
    {92, "Look Sensitivity = Max\r\nAim Assist = Off\r\nMotion Aim = Off"},
    {94,
     "Soldier Aim Sensitivity = 100%\r\nZoom Sensitivity = 100%\r\nUniform Soldier Aiming = On\r\nAim Assist = Off"},
    {95, kBattlegrounds},
    {97, "Aim Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off\r\nAim Acceleration = Off"},
    {98,
     "Use Advanced Options = On\r\nLook Horizontal Speed = 100%\r\nLook Vertical Speed = 100%\r\n"
     "Turning Horizontal Boost = 0%\r\nRight Stick Dead Zone = 0%\r\nLook Input Curve = Linear"},
    {99, "Look Sensitivity = Max\r\nAim Sensitivity = Max\r\nAim Assist = Off"},
    {100, "Look Sensitivity = 10\r\nAim Down Sight Look Sensitivity = 10\r\nMotion Controls = Off"},
    {105, kBattlefieldAiming},
    {107, "Sensitivity = Max\r\nAim Assist = Off"},
    {108, kCallOfDutyClassic},
    {109,
     "Targeting Mode = Free Aim\r\nFirst Person Look Sensitivity = Max\r\nFirst Person Aim Sensitivity = Max\r\n"
     "First Person Aim Dead Zone = Min"},
    {110,
     "Targeting Mode = Free Aim\r\nThird Person Look Sensitivity = Max\r\nThird Person Aim Sensitivity = Max\r\n"
     "Third Person Aim Dead Zone = Min"},
    {111, kBattlegrounds},
    {112, kSimpleShooter},
    {113,
     "Advanced Look Controls = On\r\nLook Deadzone = None\r\nOuter Threshold = 1%\r\nResponse Curve = 0\r\n"
     "Yaw Speed = 500\r\nPitch Speed = 500\r\nTurning Extra Yaw = 0\r\nTurning Ramp-up Time = 0%"},
    {114, "Look Sensitivity = Max\r\nAim Sensitivity = Max\r\nAim Assist = Off"},
    {115, "Camera Sensitivity = 100%\r\nAim Sensitivity = 100%\r\nAim Assist = Off\r\nRight Stick Dead Zone = 0%"},
    {116, kSimpleShooter},
    {118,
     "Look Sensitivity = Max\r\nAim Down Sight Sensitivity = Max\r\nAim Steering = Off\r\nAim Snap = Off\r\n"
     "Right Stick Inner Deadzone = 0"},
    {120,
     "Look Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off\r\nInner Deadzone = 0\r\n"
     "Look Acceleration = Off"},
    {126, "Camera Sensitivity = Max\r\nAim Sensitivity = Max\r\nAim Assist = Off"},
    {128, kSimpleShooter},
    {131, kCallOfDutyModern},
    {133,
     "Look Sensitivity = Max\r\nZoom Sensitivity = Max\r\nAim Assist = Off\r\nLook Acceleration = Off\r\n"
     "Right Stick Dead Zone = 0"},
    {134, "Horizontal Aim Sensitivity = Max\r\nVertical Aim Sensitivity = Max\r\nAim Acceleration = Off"},
    {135,
     "Horizontal Sensitivity = 10\r\nVertical Sensitivity = 10\r\nZoom Sensitivity Reduction = 0%\r\n"
     "Response Curve = Raw\r\nInner Dead Zone = 0%\r\nAim Assist = Off"},
    {136, kCallOfDutyModern},
};
static_assert(std::size(kTexts) == 64);

constexpr std::array<std::string_view, kGameCount> ByGameId() {
  std::array<std::string_view, kGameCount> texts{};
  for (const auto& [id, text] : kTexts) texts[static_cast<std::size_t>(id)] = text;
  return texts;
}

constexpr std::size_t CountTexts(const std::array<std::string_view, kGameCount>& texts) {
  std::size_t count = 0;
  for (std::string_view text : texts) count += text.empty() ? 0 : 1;
  return count;
}
// A repeated game id would silently drop a text.
static_assert(CountTexts(ByGameId()) == std::size(kTexts));

}  // namespace

constinit const std::array<std::string_view, kGameCount> kGameSettingsTexts = ByGameId();

}  // namespace torvane::model::catalogue
