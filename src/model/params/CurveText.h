#pragma once

#include <string>

#include "model/ConfigRecord.h"

namespace torvane::model {

// Both stored curves as two C array initialisers of hex bytes, hip first:
// "{0x00,0x0a,...,0xc8},\r\n{0x00,...,0xc8}", ready to paste into a table.
std::string CurvesAsText(const Curve& hip, const Curve& ads);

}  // namespace torvane::model
