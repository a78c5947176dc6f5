#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

}  // namespace velmora::testing
