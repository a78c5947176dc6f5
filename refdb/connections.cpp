#include "refdb/connections.h"

#include "platform/program_folder.h"
#include "platform/working_folder.h"
#include "refdb/settings_file.h"

namespace velmora {

const DatabaseConnection& ReferenceDatabase() {
  static const DatabaseConnection connection{"data/ssdb.db", "k4rt9vx2mq7wz3ny8bp5"};
  return connection;
}

const DatabaseConnection& TraditionalFormsDatabase() {
  // One letter and five control characters, so the password cannot be typed.
  static const DatabaseConnection connection{"data/ssdh.db", std::string("h\x03\x11\x1a\x1d\x7f", 6)};
  return connection;
}

const DatabaseConnection& ServicesDatabase() {
  static const DatabaseConnection connection{"data/services.db", "s7wq2hd9xk4rm6vt3cpa"};
  return connection;
}

std::string ProgramWorkingFolder() {
  return WorkingFolder(ProgramFolder(),
                       {ReferenceDatabase().file, TraditionalFormsDatabase().file, SettingsFilePath(std::string())});
}

}  // namespace velmora
