#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "report/report_page.h"
#include "report/temporary_files.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {


TEST(ReportPage, FileFormIsGbkWithCrLfAfterEveryLine) {
  ReportPage page;
  page.BeginPage(PageTitleLine("姓名测算"_gbk), PlainSeparator());
  page.AddRaw("raw");
  page.AddParagraph("第一行\r\n第二行"_gbk);
  page.AddParagraph("");
  page.AddTrailer();
  page.ClosePage();
  const std::vector<std::string>& lines = page.Lines();
  ASSERT_EQ(lines.size(), 4u + 1 + 4 + 2 + 51 + 1);
  EXPECT_EQ(lines[0], "<html>");
  EXPECT_EQ(lines[1], "<Body bgcolor=\"white\">");
  EXPECT_NE(GbkToUtf8(lines[2]).find("Velmora - 姓名测算"), std::string::npos);
  EXPECT_EQ(lines[3], "<Hr width=\"80%\"><BR>");
  EXPECT_EQ(GbkToUtf8(lines[5]), "第一行");
  EXPECT_EQ(lines[6], "<p>");
  EXPECT_EQ(GbkToUtf8(lines[7]), "第二行");
  EXPECT_EQ(lines[9], "");  // an empty paragraph
  EXPECT_EQ(lines[10], "<p>");
  EXPECT_EQ(GbkToUtf8(lines[11]), "<!--你可以更改以下的颜色代码-->");
  EXPECT_EQ(GbkToUtf8(lines[61]), "<body style=\"font-size: 10pt; font-family: 宋体\"></body>");
  EXPECT_EQ(lines.back(), "</BODY></HTML>");

  const std::string text = page.FileText();
  EXPECT_EQ(text.substr(0, 8), "<html>\r\n");
  EXPECT_EQ(text.substr(text.size() - 16), "</BODY></HTML>\r\n");
  EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos);  // no byte-order mark
  std::size_t bareNewlines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) bareNewlines += text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
  EXPECT_EQ(bareNewlines, 0u);
}

TEST(ReportPage, TrailerLinesKeepTheirBlanks) {
  const std::vector<std::string>& trailer = ReportTrailer();
  ASSERT_EQ(trailer.size(), 51u);
  EXPECT_EQ(trailer[17], " ");
  EXPECT_EQ(trailer[18], "if (window.Event) ");
  EXPECT_EQ(trailer[19], "  document.captureEvents(Event.MOUSEUP); ");
  EXPECT_EQ(trailer[34], "   return false;");
  EXPECT_EQ(trailer[13], "");
  EXPECT_EQ(trailer[49], "");
}

TEST(ReportPage, SeparatorsAndTheFiveElementTitle) {
  EXPECT_EQ(SmallFontSeparator(), "<Hr width=\"80%\"><font size=\"2\"><BR>");
  EXPECT_EQ(GbkToUtf8(FiveElementTitleLine()),
            "<p style=\"margin-bottom: 0\" align=\"center\"><b><font size=\"5\">Velmora - 八字起名</font></b></P>");
}

TEST(ReportPage, WritingReplacesTheFileOrReportsTheError) {
  testing::TestFolder folder;
  ReportPage page;
  page.BeginPage("t", "s");
  page.WriteTo(folder.Path() + "ssbx.htm1");
  page.ClosePage();
  page.WriteTo(folder.Path() + "ssbx.htm1");
  EXPECT_EQ(testing::ReadFile(folder.Path() + "ssbx.htm1"), page.FileText());

  try {
    page.WriteTo(folder.Path() + "missing/blocked.htm1");
    ADD_FAILURE() << "a blocked write succeeded";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("blocked.htm1"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "missing"));
}

TEST(TemporaryFiles, CloseDeletesTheListAndNothingElse) {
  testing::TestFolder folder;
  for (const char* file : {"ssbx.htm1", "temp.html", "temp.htm1", "张三.txt", "hpbx5.html"}) {
    std::ofstream(folder.Path() + file) << "x";
  }
  DeleteTemporaryFiles(folder.Path());
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "ssbx.htm1"));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "temp.html"));
  for (const char* kept : {"temp.htm1", "张三.txt", "hpbx5.html"}) {
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + kept)) << kept;
  }
  DeleteTemporaryFiles(folder.Path());  // nothing left to delete: no error
  EXPECT_EQ(CloseCleanupList().size(), 9u);
}

}  // namespace
}  // namespace velmora
