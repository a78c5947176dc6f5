#include "report/temporary_files.h"

#include <cstdio>

namespace velmora {

const std::vector<std::string>& CloseCleanupList() {
  static const std::vector<std::string> files = {"ssbx.htm1", "ssbx.dcu",   "hpbx.dcu", "hpbx.html", "hpbx1.html",
                                                 "hpbx2.html", "wnl.htm", "temp.html", "tem.tmp"};
  return files;
}

void DeleteTemporaryFiles(const std::string& programFolder) {
  for (const std::string& file : CloseCleanupList()) std::remove((programFolder + file).c_str());
}

}  // namespace velmora
