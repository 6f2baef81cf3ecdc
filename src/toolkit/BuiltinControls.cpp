#include "toolkit/BuiltinControls.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CChartUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CContainerUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CHorizontalLayoutUI.h"
#include "toolkit/CLabelUI.h"
#include "toolkit/CListContainerElementUI.h"
#include "toolkit/CListLabelElementUI.h"
#include "toolkit/CListUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/CProgressUI.h"
#include "toolkit/CRichEditUI.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/CTextUI.h"
#include "toolkit/CTileLayoutUI.h"
#include "toolkit/CVerticalLayoutUI.h"

namespace torvane::toolkit {

CControlUI* CreateBuiltinControl(QStringView element_name) {
  using Factory = CControlUI* (*)();
  static const std::pair<const char16_t*, Factory> kControls[] = {
      {u"Control", []() -> CControlUI* { return new CControlUI; }},
      {u"Container", []() -> CControlUI* { return new CContainerUI; }},
      {u"VerticalLayout", []() -> CControlUI* { return new CVerticalLayoutUI; }},
      {u"HorizontalLayout", []() -> CControlUI* { return new CHorizontalLayoutUI; }},
      {u"TabLayout", []() -> CControlUI* { return new CTabLayoutUI; }},
      {u"TileLayout", []() -> CControlUI* { return new CTileLayoutUI; }},
      {u"Label", []() -> CControlUI* { return new CLabelUI; }},
      {u"Text", []() -> CControlUI* { return new CTextUI; }},
      {u"Button", []() -> CControlUI* { return new CButtonUI; }},
      {u"Option", []() -> CControlUI* { return new COptionUI; }},
      {u"CheckBox", []() -> CControlUI* { return new COptionUI; }},
      {u"Edit", []() -> CControlUI* { return new CEditUI; }},
      {u"RichEdit", []() -> CControlUI* { return new CRichEditUI; }},
      {u"Combo", []() -> CControlUI* { return new CComboUI; }},
      {u"List", []() -> CControlUI* { return new CListUI; }},
      {u"ListContainerElement", []() -> CControlUI* { return new CListContainerElementUI; }},
      {u"ListLabelElement", []() -> CControlUI* { return new CListLabelElementUI; }},
      {u"Progress", []() -> CControlUI* { return new CProgressUI; }},
      {u"Chart", []() -> CControlUI* { return new CChartUI; }},
  };
  for (const auto& [name, make] : kControls) {
    if (NameIs(element_name, name)) return make();
  }
  return nullptr;
}

}  // namespace torvane::toolkit
