#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <future>

class QApplication;

namespace torvane::toolkit {

// The dark look every window shares. Controls fall back to these values when a layout gives none.
namespace theme {

inline constexpr std::uint32_t kWindow = 0xFF15181E;
inline constexpr std::uint32_t kWindowPushed = 0xFF0E1014;  // a pressed control that keeps the window's dark fill
inline constexpr std::uint32_t kPanel = 0xFF1E232B;
inline constexpr std::uint32_t kRaised = 0xFF2A303A;
inline constexpr std::uint32_t kRaisedHot = 0xFF343B47;
inline constexpr std::uint32_t kRaisedPushed = 0xFF242932;
inline constexpr std::uint32_t kBorder = 0xFF39414D;
inline constexpr std::uint32_t kBorderHot = 0xFF4A5361;
inline constexpr std::uint32_t kRaisedDisabled = 0xFF20252D;
inline constexpr std::uint32_t kBorderDisabled = 0xFF2F3640;
inline constexpr std::uint32_t kMarkBorder = 0xFF5C6572;  // an unchecked box or radio mark
inline constexpr std::uint32_t kText = 0xFFE6E9EF;
inline constexpr std::uint32_t kTextSecondary = 0xFF9AA3B2;
inline constexpr std::uint32_t kTextDisabled = 0xFF5C6572;
inline constexpr std::uint32_t kAccent = 0xFF007DFF;
inline constexpr std::uint32_t kAccentHot = 0xFF2B91FF;
inline constexpr std::uint32_t kAccentPushed = 0xFF0066D1;
inline constexpr std::uint32_t kDialogBorder = 0x66007DFF;  // the accent at 40 %

inline constexpr int kRadius = 4;
inline constexpr int kFocusRing = 2;
inline constexpr int kScrollBarWidth = 10;

// Font ids a layout's "font" attribute refers to when it defines none of its own.
inline constexpr int kFontBody = 0;
inline constexpr int kFontBodyBold = 1;
inline constexpr int kFontTitle = 2;
inline constexpr int kFontHeading = 3;
inline constexpr int kFontSmall = 4;

QColor Color(std::uint32_t argb);
QFont Font(int id);

// Style sheet for the Qt widgets that controls embed (line edits, combo boxes, text views). It has no
// ":disabled" rules: a window disabled as the owner of a modal dialog keeps its look, and a control that is
// itself disabled asks for the `dimmed` sheet.
QString NativeStyleSheet(bool dimmed = false);

// Fusion style, the dark palette and the body font for the whole application. The system's font list is read on
// a thread while the program goes on; the returned future waits for it, and must go before the application does.
std::future<void> Apply(QApplication& app);

}  // namespace theme
}  // namespace torvane::toolkit
