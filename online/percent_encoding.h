#pragma once
// Texts placed into the query of a web address. A name may hold anything a
// user can type or paste ("&", "%", "#", blanks, quotes), so every byte but
// the unreserved ones travels as %XX and reaches the service unchanged.

#include <string>

namespace velmora {

// GBK (or any bytes) in; letters, digits and "-", "_", ".", "~" stay, every
// other byte becomes %XX with upper-case hex digits.
std::string PercentEncoded(const std::string& bytes);

}  // namespace velmora
