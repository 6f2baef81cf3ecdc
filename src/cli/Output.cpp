#include "cli/Output.h"

#include <iostream>

#include "platform/Terminal.h"

namespace torvane::cli {

namespace {

nlohmann::ordered_json Box(std::string_view title, std::string_view text) {
  return {{"title", title}, {"text", text}};
}

}  // namespace

std::string Output::Plain(std::string_view text) {
  std::string plain;
  for (const char c : text) {
    if (c != '\r') plain += c;
  }
  const std::size_t first = plain.find_first_not_of('\n');
  if (first == std::string::npos) return {};
  plain.erase(0, first);
  plain.erase(plain.find_last_not_of('\n') + 1);
  return plain;
}

void Output::Line(std::string_view text) {
  if (!json_) std::cout << platform::Utf8ToTerminal(text) << '\n';
}

void Output::Message(std::string_view title, std::string_view text) {
  if (json_) {
    data_["messages"].push_back(Box(title, text));
  } else {
    std::cout << platform::Utf8ToTerminal(std::string(title) + ": " + Plain(text)) << '\n';
  }
}

void Output::Error(std::string_view title, std::string_view text) {
  if (json_) {
    data_["error"] = Box(title, text);
  } else {
    std::cerr << platform::Utf8ToTerminal(std::string(title) + ": " + Plain(text)) << '\n';
  }
}

int Output::Finish(int exit_code) {
  if (json_) {
    data_["exit_code"] = exit_code;
    // Texts are UTF-8 (names decoded from the adapter's code page); a stray byte is replaced, never fatal.
    std::cout << data_.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  }
  std::cout.flush();
  return exit_code;
}

}  // namespace torvane::cli
