#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <bitset>
#include <cstdint>

namespace torvane::editor {

// The keys held down while a window has the keyboard, by adapter key code, so that a shortcut can tell the left
// Control key from the right one (Qt's modifiers cannot). Forgets everything when the window loses activation,
// since releases elsewhere never reach it.
class HeldKeys : public QObject {
 public:
  explicit HeldKeys(QWidget* window);
  ~HeldKeys() override;

  bool IsHeld(std::uint8_t code) const { return held_.test(code); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  std::bitset<256> held_;
};

}  // namespace torvane::editor
