#pragma once
// What the report viewer does after each load, and the text export of the
// 输出打印 menu. Both work on the browser interface, so they run without a display.

#include <string>

#include "platform/browser.h"

namespace velmora {

// After every completed load: no sideways scrolling, a copy of the document
// as "temp.html" in the program folder, and the middle text size. Throws
// std::runtime_error when the copy cannot be written.
void HandleViewerLoad(Browser& viewer, const std::string& programFolder);

// The document's text as name + ".txt" in the program folder (GBK, CR LF at
// the end; the file name in UTF-8, a "/" in the name written as "_");
// returns the path written. Throws std::runtime_error on failure.
std::string ExportViewerText(Browser& viewer, const std::string& programFolder, const std::string& nameGbk);

// The copy of the viewer's last loaded document.
std::string ViewerCopyPath(const std::string& programFolder);

}  // namespace velmora
