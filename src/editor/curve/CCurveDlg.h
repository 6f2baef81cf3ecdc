#pragma once

#include <memory>

#include "model/ConfigRecord.h"
#include "model/params/ResponseCurves.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::toolkit {
class CChartUI;
}

namespace torvane::core {
class Host;
}

namespace torvane::editor {

class EditorHost;
class HeldKeys;

// The hip and ADS response curves of one configuration on two charts. The charts are the only unsaved state:
// Ok writes both curves into the record, every other way out leaves the record as it was.
class CCurveDlg : public toolkit::WindowImplBase {
 public:
  // Runs the dialog over the main window; the modal result (1 after Ok, Escape or the close button).
  static int Run(EditorHost& host, model::ConfigRecord& record);

  // `flow_host` runs the curve files' export and import.
  CCurveDlg(core::Host& flow_host, model::ConfigRecord& record);
  ~CCurveDlg() override;

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;
  bool MessageFilter(QKeyEvent* event) override;

  // The charts' points as chart coordinates (200 minus the stored value), as a curve file carries them.
  model::CurvePair ChartCurves() const;
  // Shows curves given as chart coordinates (an imported file's); the record changes only on Ok.
  void ShowChartCurves(const model::Curve& hip_chart, const model::Curve& ads_chart);

  toolkit::CChartUI* HipChart() const { return hip_; }
  toolkit::CChartUI* AdsChart() const { return ads_; }

 private:
  void Store();
  void CopyToClipboard();
  // The curves this configuration's game starts with (neutral for most games).
  model::CurvePair GameCurves() const;

  core::Host& flow_host_;
  model::ConfigRecord& record_;
  const model::ConfigRecord copy_;
  toolkit::CChartUI* hip_ = nullptr;
  toolkit::CChartUI* ads_ = nullptr;
  std::unique_ptr<HeldKeys> held_keys_;
};

}  // namespace torvane::editor
