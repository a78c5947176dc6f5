#pragma once
// The one place that decides where the program reads and writes its files.
// Normally that is the program folder itself. When the program folder cannot
// be written (an installation under /opt shared by every user), it is the
// user's data folder, $XDG_DATA_HOME/velmora (by default
// ~/.local/share/velmora), made to look like the program folder: every file
// and folder of the program folder appears there as a link to the installed
// one, except the files the program writes or holds locked, of which each
// user gets a copy on first start. Pages written there find the installed
// files they refer to beside them, and an update of the installation shows
// at the next start.

#include <string>
#include <vector>

namespace velmora {

// $XDG_DATA_HOME/velmora/ when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/velmora/ (HOME from the user database when unset).
// Throws std::runtime_error when no home folder is known.
std::string UserDataFolder();

// The folder to work in, with a trailing "/": `programFolder` when it (and its
// data folder) can be written, else UserDataFolder() brought up to date with
// it. `ownCopies` are the paths, relative to the program folder, of which each
// user works on a copy; copies are made once and then kept. Throws
// std::runtime_error naming the folder or file that cannot be made.
std::string WorkingFolder(const std::string& programFolder, const std::vector<std::string>& ownCopies);

}  // namespace velmora
