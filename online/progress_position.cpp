#include "online/progress_position.h"

#include <algorithm>

namespace velmora {

void ProgressPosition::Set(int position) {
  if (position < 0) return;
  position_ = std::min(position, maximum_);
}

void ProgressPosition::SetMaximum(int maximum) {
  maximum_ = std::max(maximum, 1);
  position_ = std::min(position_, maximum_);
}

}  // namespace velmora
