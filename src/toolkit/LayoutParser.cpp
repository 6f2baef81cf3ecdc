#include "toolkit/LayoutParser.h"

#include <QXmlStreamReader>

#include <vector>

namespace torvane::toolkit {

std::optional<LayoutNode> ParseLayout(const QByteArray& xml, QString* error) {
  QXmlStreamReader reader(xml);
  std::vector<LayoutNode> stack;
  std::optional<LayoutNode> root;
  while (!reader.atEnd()) {
    const auto token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      LayoutNode node;
      node.tag = reader.name().toString();
      node.line = reader.lineNumber();
      for (const QXmlStreamAttribute& a : reader.attributes()) {
        node.attributes.append({a.name().toString(), a.value().toString()});
      }
      stack.push_back(std::move(node));
    } else if (token == QXmlStreamReader::EndElement) {
      LayoutNode done = std::move(stack.back());
      stack.pop_back();
      if (stack.empty()) {
        root = std::move(done);
      } else {
        stack.back().children.push_back(std::move(done));
      }
    }
  }
  if (reader.hasError()) {
    if (error) {
      *error = QStringLiteral("line %1, column %2: %3")
                   .arg(reader.lineNumber())
                   .arg(reader.columnNumber())
                   .arg(reader.errorString());
    }
    return std::nullopt;
  }
  if (!root) {
    if (error) *error = QStringLiteral("the layout has no element");
    return std::nullopt;
  }
  return root;
}

}  // namespace torvane::toolkit
