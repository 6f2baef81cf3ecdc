#include "model/params/CurveText.h"

#include <cstdio>

namespace torvane::model {

namespace {

void AppendCurve(std::string& text, const Curve& curve) {
  text += '{';
  for (std::size_t i = 0; i < curve.size(); ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, i + 1 < curve.size() ? "0x%02x," : "0x%02x}", curve[i]);
    text += hex;
  }
}

}  // namespace

std::string CurvesAsText(const Curve& hip, const Curve& ads) {
  std::string text;
  AppendCurve(text, hip);
  text += ",\r\n";
  AppendCurve(text, ads);
  return text;
}

}  // namespace torvane::model
