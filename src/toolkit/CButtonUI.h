#pragma once

#include "toolkit/CLabelUI.h"

namespace torvane::toolkit {

// A clickable label. A left click (press and release inside) or Space / Enter while it has the focus sends
// "click"; a right click sends "rclick". State images ("normalimage", "hotimage", "pushedimage", "focusedimage",
// "disabledimage") and state colours ("hottextcolor", "pushedtextcolor", "hotbkcolor", "pushedbkcolor") come from
// the layout; without images the button is drawn in the theme's "appearance": "raised" (default), "primary",
// "outline" (the primary button drawn as an accent outline on the window colour, for a text colour that does not
// read on the accent), "flat", "link", "close" (a cross) or "none". "glow" suits a drawing given as the background
// image: hover and keyboard focus put a soft rounded accent glow around it, a press darkens it. It shows hover and
// pressed states and, when reached by the keyboard, a focus ring.
class CButtonUI : public CLabelUI {
 public:
  enum class Appearance { kRaised, kPrimary, kOutline, kFlat, kLink, kClose, kNone, kGlow };

  explicit CButtonUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  Appearance GetAppearance() const { return appearance_; }
  void SetAppearance(Appearance appearance);
  void SetNormalImage(const QString& image);
  QString GetNormalImage() const { return normal_image_; }
  void SetHotImage(const QString& image);
  void SetPushedImage(const QString& image);
  void SetDisabledImage(const QString& image);

  bool IsHot() const { return hot_; }
  bool IsPushed() const { return pushed_; }
  bool HasKeyboardFocus() const { return keyboard_focus_ && hasFocus(); }

  // What a click does: sends "click". False when the button is disabled.
  virtual bool Activate();

  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  void PaintBkColor(QPainter& painter) override;
  void PaintStatusImage(QPainter& painter) override;
  void PaintBorder(QPainter& painter) override;
  QColor StateTextColor() const override;

  // The image for the present state, or empty; subclasses add their own states.
  virtual QString StateImage() const;
  // Draws the theme's shape when the layout gives no images or colours.
  void PaintThemeShape(QPainter& painter, bool selected) const;
  bool UsesThemeShape() const;
  // True while the theme fills the button with the accent colour (the focus ring then turns light).
  virtual bool ShowsAccentFill() const;
  void PaintGlow(QPainter& painter) const;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Appearance appearance_ = Appearance::kRaised;
  QString normal_image_;
  QString hot_image_;
  QString pushed_image_;
  QString focused_image_;
  QString disabled_image_;
  std::uint32_t hot_text_color_ = 0;
  std::uint32_t pushed_text_color_ = 0;
  std::uint32_t focused_text_color_ = 0;
  std::uint32_t hot_bk_color_ = 0;
  std::uint32_t pushed_bk_color_ = 0;
  bool hot_ = false;
  bool pushed_ = false;
  bool right_pushed_ = false;
  bool keyboard_focus_ = false;
};

}  // namespace torvane::toolkit
