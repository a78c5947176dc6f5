#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace velmora::testing {

// Runs `body` in a child process, as a second running program would, and
// returns the status it exits with (-1 when it did not exit normally).
template <typename Body>
int InChildProcess(Body body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs `body` in a child process that may not write files larger than
// `bytes`: a write past the limit fails as on a full disk, even for root.
template <typename Body>
int WithFileSizeLimit(rlim_t bytes, Body body) {
  return InChildProcess([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return body();
  });
}

// Runs `body` in a child process as an ordinary user, whose file modes are
// not overridden as root's are: as root, the child becomes "nobody" and the
// paths named are handed to that user first; otherwise the child runs as the
// user running the tests. Returns 99 when the user cannot be changed.
template <typename Body>
int AsOrdinaryUser(const std::vector<std::string>& owned, Body body) {
  constexpr uid_t kNobody = 65534;
  const bool root = ::geteuid() == 0;
  for (const std::string& path : owned) {
    if (root && ::chown(path.c_str(), kNobody, kNobody) != 0) return 99;
  }
  return InChildProcess([&] {
    if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 99;
    return body();
  });
}

}  // namespace velmora::testing
