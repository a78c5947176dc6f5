#pragma once
// What the browser engine needs before the application object exists: the
// "velmora" scheme of the program's local pages, and the way its pages reach
// the screen. The program's pages are documents, not animations, so they are
// composed in software: the engine then starts without bringing up an OpenGL
// stack, which costs a quarter of a second at every start where no graphics
// card serves it (virtual machines, remote desktops, virtual displays) and
// buys nothing a report page shows. QT_QUICK_BACKEND or QSG_RHI_BACKEND in
// the environment still choose otherwise.

namespace velmora {

// Must run before the QApplication is created.
void PrepareBrowserEngine();

}  // namespace velmora
