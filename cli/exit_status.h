#pragma once

namespace velmora::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kRuntimeError = 1;  // the work itself failed (files, database, output)
inline constexpr int kUsageError = 2;    // the command line was wrong

}  // namespace velmora::cli
