#pragma once

#include <string>
#include <vector>

namespace velmora {

// The files the program deletes from its folder when the main window closes,
// in order. Exports, "temp.htm1" and the secondary windows' files stay.
const std::vector<std::string>& CloseCleanupList();

// Deletes each file of the list that exists; failures are ignored.
void DeleteTemporaryFiles(const std::string& programFolder);

}  // namespace velmora
