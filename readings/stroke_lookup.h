#pragma once

#include <string>

#include "refdb/reference_db.h"

namespace velmora {

// The stroke count of one GBK character as the name readings look it up in
// 汉字笔划, a decimal text; empty for an empty character or one not found.
std::string LookupStrokeCount(ReferenceDb& db, const std::string& character);

}  // namespace velmora
