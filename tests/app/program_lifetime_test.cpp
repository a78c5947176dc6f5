// The desktop program as a process: it starts its answering service, and the
// service never outlives it, whether the program is asked to stop (SIGTERM,
// SIGINT: the close clean-up runs too) or killed.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "tests/test_folder.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// The first child of the process whose command name starts with `name`.
std::optional<pid_t> ChildNamed(pid_t parent, const std::string& name) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, command, state;
    pid_t parentPid = 0;
    if (!(stat >> pid >> command >> state >> parentPid)) continue;
    if (parentPid == parent && command.rfind("(" + name, 0) == 0) return std::stoi(pid);
  }
  return std::nullopt;
}

// Gone, or a zombie waiting for whoever adopted it.
bool IsGone(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string id, command, state;
  return !(stat >> id >> command >> state) || state == "Z";
}

template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 50ms) {
    if (condition()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return condition();
}

class RunningProgram {
 public:
  explicit RunningProgram(const testing::TestFolder& folder) {
    const std::string program = folder.Path() + "velmora";
    pid_ = fork();
    if (pid_ == 0) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
      setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", 1);
      execl(program.c_str(), program.c_str(), nullptr);
      _exit(127);
    }
  }
  ~RunningProgram() {
    if (!exited_) {
      kill(pid_, SIGKILL);
      Wait(5s);
    }
  }
  pid_t Pid() const { return pid_; }
  // Whether it ended within the time; its exit status is then `status`.
  bool Wait(std::chrono::milliseconds limit) {
    exited_ = Eventually([this] { return waitpid(pid_, &status_, WNOHANG) == pid_; }, limit);
    return exited_;
  }
  int Status() const { return status_; }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  int status_ = 0;
};

TEST(ProgramLifetime, StopSignalsRunTheCloseCleanUpAndEndTheService) {
  for (const int stop : {SIGTERM, SIGINT}) {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    std::ofstream(folder.Path() + "ssbx.htm1") << "old page";
    std::ofstream(folder.Path() + "temp.htm1") << "kept";
    RunningProgram program(folder);
    std::optional<pid_t> service;
    ASSERT_TRUE(Eventually([&] { return (service = ChildNamed(program.Pid(), "velmora-servic")).has_value(); }, 30s));
    std::this_thread::sleep_for(1s);  // the window is up and running its event loop
    kill(program.Pid(), stop);
    ASSERT_TRUE(program.Wait(15s)) << strsignal(stop);
    EXPECT_TRUE(WIFEXITED(program.Status())) << strsignal(stop);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "ssbx.htm1"));  // the close clean-up ran
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "temp.htm1"));
    EXPECT_TRUE(Eventually([&] { return IsGone(*service); }, 5s));
  }
}

TEST(ProgramLifetime, AKilledProgramTakesItsServiceWithIt) {
  testing::TestFolder folder;
  testing::CopyBuiltProgramFolder(folder);
  RunningProgram program(folder);
  std::optional<pid_t> service;
  ASSERT_TRUE(Eventually([&] { return (service = ChildNamed(program.Pid(), "velmora-servic")).has_value(); }, 30s));
  kill(program.Pid(), SIGKILL);
  ASSERT_TRUE(program.Wait(5s));
  EXPECT_TRUE(Eventually([&] { return IsGone(*service); }, 5s));
}

TEST(ProgramLifetime, AProgramFolderWithoutTheServiceStillStarts) {
  testing::TestFolder folder;
  testing::CopyBuiltProgramFolder(folder);
  std::filesystem::remove(folder.Path() + "velmora-services");
  RunningProgram program(folder);
  std::this_thread::sleep_for(3s);
  EXPECT_FALSE(program.Wait(0ms));  // still running
  kill(program.Pid(), SIGTERM);
  EXPECT_TRUE(program.Wait(15s));
}

}  // namespace
}  // namespace velmora
