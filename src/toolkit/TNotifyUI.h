#pragma once

#include <QPointer>
#include <QString>

#include <cstdint>

namespace torvane::toolkit {

class CControlUI;

// Type words of the notifications controls send to their window.
namespace notify {
inline constexpr char16_t kClick[] = u"click";
inline constexpr char16_t kRightClick[] = u"rclick";
inline constexpr char16_t kSetFocus[] = u"setfocus";
inline constexpr char16_t kKillFocus[] = u"killfocus";
inline constexpr char16_t kItemSelect[] = u"itemselect";
inline constexpr char16_t kItemClick[] = u"itemclick";
inline constexpr char16_t kItemActivate[] = u"itemactivate";
inline constexpr char16_t kSelectChanged[] = u"selectchanged";
inline constexpr char16_t kTextChanged[] = u"textchanged";
inline constexpr char16_t kReturn[] = u"return";
}  // namespace notify

// One notification: what happened (type word), which control sent it, that control's name and user data at the
// moment of sending, and two numbers whose meaning depends on the type (for "itemselect": new and old index).
struct TNotifyUI {
  QString type;
  QPointer<CControlUI> sender;  // null once the sender is destroyed
  QString sender_name;
  QString sender_user_data;
  std::intptr_t wparam = 0;
  std::intptr_t lparam = 0;
  // A window's own handling sets this to keep the notification from the toolkit's default handling.
  bool handled = false;

  bool Is(const char16_t* word) const { return type == QStringView(word); }
};

}  // namespace torvane::toolkit
