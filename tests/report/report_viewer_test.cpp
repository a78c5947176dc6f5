#include <gtest/gtest.h>

#include "report/report_viewer.h"
#include "tests/online/fake_browser.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {


TEST(ReportViewer, EveryLoadHidesOverflowSavesACopyAndSetsTheMiddleTextSize) {
  testing::TestFolder folder;
  FakeBrowser viewer;
  viewer.title = "t";
  viewer.documentHtml = Utf8ToGbk("<html><head><title>t</title></head><body>正文</body></html>");
  HandleViewerLoad(viewer, folder.Path());
  EXPECT_TRUE(viewer.overflowHidden);
  EXPECT_EQ(viewer.textSize, 2);
  EXPECT_EQ(testing::ReadFile(ViewerCopyPath(folder.Path())),
            Utf8ToGbk("<html><head><meta charset=\"gbk\"><title>t</title></head><body>正文</body></html>"));
}

TEST(ReportViewer, TextExportIsNamedAfterThePerson) {
  testing::TestFolder folder;
  FakeBrowser viewer;
  struct Case {
    std::string name, text, file, content;
  };
  const Case cases[] = {
      {"张三", "第一行\r\n第二行", "张三.txt", "第一行\r\n第二行\r\n"},
      {"", "", ".txt", "\r\n"},  // an empty body gives CR LF only
      {"输入有误", "x", "输入有误.txt", "x\r\n"},
      {"a/../b", "y", "a_.._b.txt", "y\r\n"},  // never leaves the program folder
  };
  for (const Case& c : cases) {
    viewer.bodyText = Utf8ToGbk(c.text);
    const std::string path = ExportViewerText(viewer, folder.Path(), Utf8ToGbk(c.name));
    EXPECT_EQ(path, folder.Path() + c.file);
    EXPECT_EQ(testing::ReadFile(path), Utf8ToGbk(c.content)) << c.file;
  }
}

}  // namespace
}  // namespace velmora
