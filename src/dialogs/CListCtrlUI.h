#pragma once

#include "dialogs/ListCtrlEntries.h"
#include "dialogs/SmoothWheelScroll.h"
#include "toolkit/CDialogBuilder.h"
#include "toolkit/CListOwnerUI.h"
#include "toolkit/CTileLayoutUI.h"

#include <QBasicTimer>
#include <QElapsedTimer>

#include <optional>

namespace torvane::toolkit {
class CPaintManagerUI;
}

namespace torvane::dialogs {

// The program's list control: a grid of item cards ("columns" per row) with one selected card, used for the
// configurations of the home page, the macros of the macro manager and the games of the game selection dialog.
// Layouts create it as <ListCtrl>; the "item..." attributes style the cards' states.
//
// Cards are built from an item template of the skin archive, parsed on the first card of its kind and reused.
// The wheel scrolls smoothly (SmoothWheelScroll). From the keyboard, the arrows move the selection by a card or
// a row (the first arrow selects the focused card), Home and End go to the first and last card, Space selects the
// focused card, Enter activates it, and typing the start of a card's name selects the next card with that name.
class CListCtrlUI : public toolkit::CListOwnerUI<toolkit::CTileLayoutUI> {
 public:
  static constexpr char16_t kConfigItemTemplate[] = u"listctrl_item.xml";
  static constexpr char16_t kMacroItemTemplate[] = u"macro_manager_listctrl_item.xml";
  // User data of the cards, by which windows tell an activated card's kind.
  static constexpr char16_t kConfigItemData[] = u"ListCtrlItem";
  static constexpr char16_t kMacroItemData[] = u"ListCtrlMacroItem";
  // How long typed letters add up to one name prefix.
  static constexpr int kTypeAheadMs = 1000;

  // `manager` is the paint manager of the window whose layout holds the list; the cards are built for it.
  explicit CListCtrlUI(toolkit::CPaintManagerUI* manager, QWidget* parent = nullptr);
  ~CListCtrlUI() override;
  QString GetClass() const override;

  // Cards take their place in the window's Tab order.
  bool AddAt(toolkit::CControlUI* control, int index) override;
  // Selecting also scrolls the card into view.
  bool SelectItem(int index, bool take_focus = false) override;
  // Activating a card selects it first, so the window acts on the card the player activated.
  void ActivateItem(int index) override;
  // Scrolls so that the card at `index` is inside the visible area.
  void EnsureVisible(int index);

  // Builds a card from its template and appends it; false (and nothing added) when the template cannot be read.
  bool AddConfigItem(const ConfigItemEntry& entry);
  bool AddMacroItem(const MacroItemEntry& entry);

  const SmoothWheelScroll& GetWheelScroll() const { return wheel_; }

 protected:
  int RowStep() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  toolkit::CControlUI* BuildItem(std::optional<toolkit::CDialogBuilder>& builder, const QString& file);
  bool AppendItem(toolkit::CControlUI* item, const QString& user_data, const QString& name, const QString& description);
  // Selects the next card whose name starts with the letters typed lately.
  void TypeAhead(const QString& text);
  // The card that has the keyboard focus, or -1.
  int FocusedIndex() const;

  toolkit::CPaintManagerUI* manager_;
  std::optional<toolkit::CDialogBuilder> config_template_;
  std::optional<toolkit::CDialogBuilder> macro_template_;
  SmoothWheelScroll wheel_;
  QBasicTimer scroll_timer_;
  int wheel_rest_ = 0;  // wheel movement short of a whole notch
  QString typed_;
  QElapsedTimer typed_at_;
};

}  // namespace torvane::dialogs
