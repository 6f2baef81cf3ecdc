#include "editor/curve/CCurveDlg.h"

#include "core/exchange/CurveExchangeFlow.h"
#include "editor/EditorHost.h"
#include "editor/curve/HeldKeys.h"
#include "model/keys/KeyCodes.h"
#include "model/params/CurveText.h"
#include "model/tables/NameText.h"
#include "toolkit/CChartUI.h"
#include "toolkit/NarrowText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <string>
#include <vector>

namespace torvane::editor {

namespace {

std::vector<QPoint> PointsOf(const model::Curve& chart_y) {
  std::vector<QPoint> points;
  points.reserve(chart_y.size());
  for (std::size_t i = 0; i < chart_y.size(); ++i) {
    points.emplace_back(static_cast<int>(i) * model::kCurveStepX, std::min<int>(chart_y[i], model::kCurveMax));
  }
  return points;
}

// A chart without all 21 points (a layout without it) reads as the neutral curve rather than as garbage.
model::Curve ChartYs(const toolkit::CChartUI* chart) {
  model::Curve ys = model::ChartFromCurve(model::NeutralCurve());
  if (chart == nullptr) return ys;
  const std::vector<QPoint>& points = chart->GetPoints();
  for (std::size_t i = 0; i < ys.size() && i < points.size(); ++i) {
    ys[i] = static_cast<std::uint8_t>(std::clamp(points[i].y(), 0, int{model::kCurveMax}));
  }
  return ys;
}

void Show(toolkit::CChartUI* chart, const model::Curve& stored) {
  if (chart != nullptr) chart->SetPoints(PointsOf(model::ChartFromCurve(stored)));
}

}  // namespace

int CCurveDlg::Run(EditorHost& host, model::ConfigRecord& record) {
  CCurveDlg dialog(host.FlowHost(), record);
  if (!dialog.Create(&host.Window(), QStringLiteral("Curve Edit"))) {
    qWarning("CurveDlg not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return 0;
  }
  return dialog.ShowModal();
}

CCurveDlg::CCurveDlg(core::Host& flow_host, model::ConfigRecord& record)
    : flow_host_(flow_host), record_(record), copy_(record) {}

CCurveDlg::~CCurveDlg() = default;

QString CCurveDlg::GetWindowClassName() const {
  return QStringLiteral("CurveDlg");
}

QString CCurveDlg::GetSkinFile() const {
  return QStringLiteral("curve_edit_dlg.xml");
}

void CCurveDlg::InitWindow() {
  held_keys_ = std::make_unique<HeldKeys>(this);
  hip_ = FindControl<toolkit::CChartUI>(u"chartHip");
  ads_ = FindControl<toolkit::CChartUI>(u"chartADS");
  // A stored value above 200 (from an adapter) opens on the top edge, and Ok stores it as 200.
  if (hip_ != nullptr) hip_->LoadCurve(copy_.hip_curve);
  if (ads_ != nullptr) ads_->LoadCurve(copy_.ads_curve);
}

model::CurvePair CCurveDlg::ChartCurves() const {
  return {ChartYs(hip_), ChartYs(ads_)};
}

void CCurveDlg::ShowChartCurves(const model::Curve& hip_chart, const model::Curve& ads_chart) {
  if (hip_ != nullptr) hip_->SetPoints(PointsOf(hip_chart));
  if (ads_ != nullptr) ads_->SetPoints(PointsOf(ads_chart));
}

model::CurvePair CCurveDlg::GameCurves() const {
  return model::PerGameCurves(copy_.game_id).value_or(model::CurvePair{model::NeutralCurve(), model::NeutralCurve()});
}

void CCurveDlg::Store() {
  const model::CurvePair charts = ChartCurves();
  record_.hip_curve = model::CurveFromChart(charts.hip);
  record_.ads_curve = model::CurveFromChart(charts.ads);
}

void CCurveDlg::Notify(toolkit::TNotifyUI& msg) {
  if (!msg.Is(toolkit::notify::kClick)) return;
  const QString& name = msg.sender_name;
  if (name == u"btnOk") {
    Store();
    msg.handled = true;
    Close(1);
  } else if (name == u"btnHipReset") {
    Show(hip_, model::NeutralCurve());
  } else if (name == u"btnAdsReset") {
    Show(ads_, model::NeutralCurve());
  } else if (name == u"btnHipGame") {
    Show(hip_, GameCurves().hip);
  } else if (name == u"btnAdsGame") {
    Show(ads_, GameCurves().ads);
  } else if (name == u"btnHipToAds") {
    if (hip_ != nullptr && ads_ != nullptr) ads_->SetPoints(hip_->GetPoints());
  } else if (name == u"btnAdsToHip") {
    if (hip_ != nullptr && ads_ != nullptr) hip_->SetPoints(ads_->GetPoints());
  } else if (name == u"btnExport") {
    const model::CurvePair charts = ChartCurves();
    core::ExportCurves(flow_host_, copy_, {charts.hip, charts.ads});
  } else if (name == u"btnImport") {
    // The charts take the file's curves; the record only with Ok.
    const core::CurveImportResult imported = core::ImportCurves(flow_host_);
    if (imported.outcome == core::ExchangeOutcome::kDone) ShowChartCurves(imported.charts.hip, imported.charts.ads);
  }
}

bool CCurveDlg::MessageFilter(QKeyEvent* event) {
  // Left Control + left Shift + F12 only: the right-hand keys are free for the player's own shortcuts.
  constexpr Qt::KeyboardModifiers kBoth = Qt::ControlModifier | Qt::ShiftModifier;
  if (event->key() == Qt::Key_F12 && (event->modifiers() & kBoth) == kBoth && held_keys_ &&
      held_keys_->IsHeld(model::kKeyLeftCtrl) && held_keys_->IsHeld(model::kKeyLeftShift)) {
    CopyToClipboard();
  }
  return WindowImplBase::MessageFilter(event);
}

void CCurveDlg::CopyToClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  // From the record as stored, not from the charts' unsaved points.
  const std::string text = model::CurvesAsText(record_.hip_curve, record_.ads_curve);
  clipboard->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace torvane::editor
