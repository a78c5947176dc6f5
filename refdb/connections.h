#pragma once
// Where the two encrypted databases live, relative to the program folder, and
// the passwords they were built with.

#include <string>

namespace velmora {

struct DatabaseConnection {
  std::string file;      // relative to the program folder
  std::string password;  // raw bytes, passed to the cipher unchanged
};

// The reference database: stroke counts and every reading text.
const DatabaseConnection& ReferenceDatabase();
// Simplified to traditional character pairs.
const DatabaseConnection& TraditionalFormsDatabase();
// The answering service's own read-only tables: copies of the two databases
// above and the reviewed texts of the online readings.
const DatabaseConnection& ServicesDatabase();

// The folder the program works in (see WorkingFolder): the program folder,
// or the user's data folder with copies of the two databases, which are held
// locked and written, and of the settings file. Throws std::runtime_error.
std::string ProgramWorkingFolder();

}  // namespace velmora
