#pragma once

#include "toolkit/CLabelUI.h"

namespace torvane::toolkit {

// A progress bar: "min", "max", "value", "hor" (horizontal, the default). The filled part shows "foreimage"
// stretched over it, or the accent colour; without a "bkimage" to show, a rounded track is drawn behind it.
class CProgressUI : public CLabelUI {
 public:
  explicit CProgressUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  int GetMinValue() const { return min_; }
  void SetMinValue(int min);
  int GetMaxValue() const { return max_; }
  void SetMaxValue(int max);
  int GetValue() const { return value_; }
  void SetValue(int value);
  bool IsHorizontal() const { return horizontal_; }
  void SetHorizontal(bool horizontal);
  QString GetForeImage() const { return fore_image_; }
  void SetForeImage(const QString& image);

  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  void PaintBkImage(QPainter& painter) override;
  void PaintStatusImage(QPainter& painter) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  bool horizontal_ = true;
  QString fore_image_;
};

}  // namespace torvane::toolkit
