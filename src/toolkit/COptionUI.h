#pragma once

#include "toolkit/CButtonUI.h"

namespace torvane::toolkit {

// A button with a selected state. Without a "group" a click toggles it (a check box); options sharing a "group"
// within one window are exclusive (radio buttons) and a click selects. A click sends "click" and then, when the
// state changed, "selectchanged". "selected", "selectedimage", "selectedhotimage", "selectedtextcolor" and
// "selectedbkcolor" style the selected state; without images a check box or radio mark is drawn before the text.
class COptionUI : public CButtonUI {
 public:
  explicit COptionUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  bool IsSelected() const { return selected_; }
  // Changes the state; `trigger_event` sends "selectchanged". Selecting one of a group clears the others.
  void Selected(bool selected, bool trigger_event = false);
  QString GetGroup() const { return group_; }
  void SetGroup(const QString& group);

  bool Activate() override;
  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  QString StateImage() const override;
  void PaintBkColor(QPainter& painter) override;
  void PaintStatusImage(QPainter& painter) override;
  void PaintBorder(QPainter& painter) override;
  QColor StateTextColor() const override;
  bool ShowsAccentFill() const override;

 private:
  void ClearGroupPeers();
  bool DrawsMark() const;

  bool selected_ = false;
  QString group_;
  QString selected_image_;
  QString selected_hot_image_;
  std::uint32_t selected_text_color_ = 0;
  std::uint32_t selected_bk_color_ = 0;
};

}  // namespace torvane::toolkit
