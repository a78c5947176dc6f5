#pragma once

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

}  // namespace velmora::testing
