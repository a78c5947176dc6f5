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

}  // namespace velmora
