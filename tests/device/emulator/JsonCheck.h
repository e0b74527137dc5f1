#pragma once

// Whether a text is one well-formed JSON value (no trailing content).

#include <string>

namespace clavora::test {

bool IsJson(const std::string& text);

} // namespace clavora::test
