#pragma once

#include <vector>

namespace velmora::tools {

// Every ideograph that GBK encodes, as code points: the characters of GB2312
// first (its common level, then the rest), then the other GBK ideographs, each
// group in code order.
std::vector<char32_t> GbkIdeographs();

}  // namespace velmora::tools
