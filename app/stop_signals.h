#pragma once
// SIGTERM and SIGINT end the program as closing its main window does, so the
// close clean-up runs and the bundled service ends with it.

#include <functional>

namespace velmora {

// Installs the handlers; `stop` runs on the user-interface thread once a
// signal arrives. Call once, after the application object exists.
void StopOnSignals(std::function<void()> stop);

}  // namespace velmora
