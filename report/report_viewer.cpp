#include "report/report_viewer.h"

#include <algorithm>

#include "platform/replace_file.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kMiddleTextSize = 2;

// The copy is opened by other browsers too; tell them the code page.
std::string WithCharset(std::string html) {
  const std::size_t head = html.find("<head>");
  if (html.find("charset") == std::string::npos && head != std::string::npos) {
    html.insert(head + 6, "<meta charset=\"gbk\">");
  }
  return html;
}

}  // namespace

std::string ViewerCopyPath(const std::string& programFolder) { return programFolder + "temp.html"; }

void HandleViewerLoad(Browser& viewer, const std::string& programFolder) {
  viewer.HideHorizontalOverflow();
  ReplaceFile(ViewerCopyPath(programFolder), WithCharset(viewer.DocumentHtml()));
  viewer.SetTextSizeStep(kMiddleTextSize);
}

std::string ExportViewerText(Browser& viewer, const std::string& programFolder, const std::string& nameGbk) {
  // File names on this system are UTF-8; a slash in a name must not lead out
  // of the program folder.
  std::string fileName = GbkToUtf8(nameGbk);
  std::replace(fileName.begin(), fileName.end(), '/', '_');
  const std::string path = programFolder + fileName + ".txt";
  ReplaceFile(path, viewer.BodyText() + "\r\n");
  return path;
}

}  // namespace velmora
