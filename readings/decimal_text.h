#pragma once
// Numbers the readings keep as decimal texts, and the error a text that is no
// number raises, worded as the user is used to seeing it.

#include <string>

namespace velmora {

// Throws std::runtime_error("'TEXT' is not a valid integer value").
int ParseDecimal(const std::string& text);

}  // namespace velmora
