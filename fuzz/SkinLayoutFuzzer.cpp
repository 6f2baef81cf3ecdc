// Reads a skin layout's bytes into its element tree and every attribute value
// through each of the layout value parsers. This is the Qt Core part of
// building a window; making the controls needs Qt Widgets, which the fuzz
// build leaves out to stay quick.

#include <QByteArray>

#include "Require.h"
#include "toolkit/AttributeValues.h"
#include "toolkit/LayoutParser.h"

namespace {

using namespace torvane;

void ReadValues(const toolkit::LayoutNode& node) {
  for (const auto& [name, value] : node.attributes) {
    toolkit::ParseColor(value);
    toolkit::ParseHexColor(value);
    toolkit::ParseBool(value);
    toolkit::ParseInt(value);
    toolkit::ParseIntList(value, 4);
    toolkit::ParseMargins(value);
    toolkit::ParsePos(value);
    toolkit::ParseSize(value);
    for (const auto& [inner_name, inner_value] : toolkit::ParseAttributeList(value)) {
      toolkit::ParseInt(inner_value);
    }
    node.Attribute(name);
  }
  for (const toolkit::LayoutNode& child : node.children) ReadValues(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray xml = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString error;
  const auto root = toolkit::ParseLayout(xml, &error);
  fuzz::Require(root.has_value() != !error.isEmpty(), "a result and an error together, or neither");
  if (root) ReadValues(*root);
  return 0;
}
