#include "platform/working_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace velmora {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what, const fs::path& path, const std::error_code& error) {
  throw std::runtime_error("Cannot " + what + " " + path.string() + ": " + error.message());
}

bool IsWritable(const std::string& programFolder) {
  const std::string data = programFolder + "data";
  return ::access(programFolder.c_str(), W_OK) == 0 && (::access(data.c_str(), F_OK) != 0 || ::access(data.c_str(), W_OK) == 0);
}

// Copies through a file of its own name that is then linked into place, so
// two programs starting at once never see half a copy, and an existing copy
// (the user's) is never replaced.
void CopyOnce(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::symlink_status(to, error).type() != fs::file_type::not_found) return;
  const fs::path part = to.string() + "." + std::to_string(::getpid()) + ".part";
  if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, error)) Fail("copy to", part, error);
  if (::link(part.c_str(), to.c_str()) != 0 && errno != EEXIST) {
    const std::error_code linkError(errno, std::generic_category());
    fs::remove(part, error);
    Fail("copy to", to, linkError);
  }
  fs::remove(part, error);
}

// A link at `to` leading to `from`; a link that leads elsewhere is replaced,
// anything else at `to` is the user's and stays.
void LinkTo(const fs::path& from, const fs::path& to) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(to, error);
  if (fs::is_symlink(status)) {
    if (fs::read_symlink(to, error) == from) return;
    fs::remove(to, error);
  } else if (status.type() != fs::file_type::not_found) {
    return;
  }
  fs::create_symlink(from, to, error);
  if (error && error != std::errc::file_exists) Fail("link", to, error);
}

// Links left from files the installation no longer has.
void RemoveDanglingLinks(const fs::path& folder) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::error_code ignored;
    if (entry.is_symlink(ignored) && !fs::exists(entry.path(), ignored) &&
        fs::read_symlink(entry.path(), ignored).filename() == entry.path().filename()) {
      fs::remove(entry.path(), ignored);
    }
  }
}

class Mirror {
 public:
  Mirror(fs::path program, fs::path user, const std::vector<std::string>& ownCopies)
      : program_(std::move(program)), user_(std::move(user)), ownCopies_(ownCopies) {}

  // The entries of one folder, `relative` to the program folder ("" or "data/").
  void Update(const std::string& relative) {
    std::error_code error;
    fs::create_directories(user_ / relative, error);
    if (error) Fail("create", user_ / relative, error);
    for (const fs::directory_entry& entry : fs::directory_iterator(program_ / relative, error)) {
      const std::string path = relative + entry.path().filename().string();
      std::error_code ignored;
      if (IsOwnCopy(path)) {
        CopyOnce(entry.path(), user_ / path);
      } else if (entry.is_directory(ignored) && HoldsOwnCopy(path + "/")) {
        Update(path + "/");
      } else {
        LinkTo(entry.path(), user_ / path);
      }
    }
    if (error) Fail("read", program_ / relative, error);
    RemoveDanglingLinks(user_ / relative);
  }

  // Folders that hold copies exist even when the installation ships none.
  void CreateFoldersOfCopies() {
    for (const std::string& copy : ownCopies_) {
      std::error_code error;
      fs::create_directories((user_ / copy).parent_path(), error);
      if (error) Fail("create", (user_ / copy).parent_path(), error);
    }
  }

 private:
  bool IsOwnCopy(const std::string& path) const {
    return std::find(ownCopies_.begin(), ownCopies_.end(), path) != ownCopies_.end();
  }
  bool HoldsOwnCopy(const std::string& folder) const {
    return std::any_of(ownCopies_.begin(), ownCopies_.end(),
                       [&](const std::string& copy) { return copy.rfind(folder, 0) == 0; });
  }

  fs::path program_, user_;
  const std::vector<std::string>& ownCopies_;
};

}  // namespace

std::string UserDataFolder() {
  const auto folder = [](const fs::path& path) { return path.lexically_normal().string() + "/"; };
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && dataHome[0] == '/') return folder(fs::path(dataHome) / "velmora");
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : nullptr;
  }
  if (!home || home[0] != '/') throw std::runtime_error("Cannot find the home folder for the user's data folder");
  return folder(fs::path(home) / ".local/share/velmora");
}

std::string WorkingFolder(const std::string& programFolder, const std::vector<std::string>& ownCopies) {
  if (IsWritable(programFolder)) return programFolder;
  const std::string user = UserDataFolder();
  Mirror mirror(fs::path(programFolder), fs::path(user), ownCopies);
  mirror.CreateFoldersOfCopies();
  mirror.Update("");
  return user;
}

}  // namespace velmora
