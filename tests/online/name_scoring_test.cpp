#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "online/name_scoring.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

ScoreNameParts Parts(const char* surname, const char* given) { return {Utf8ToGbk(surname), Utf8ToGbk(given)}; }

TEST(NameScoring, TheMainWindowsNameIsSplitBySurnameKind) {
  struct Case {
    const char* name;
    const char* kind;
    ScoreNameParts parts;
  };
  const Case cases[] = {
      {"欧阳明月", "复姓", Parts("欧阳", "明月")},
      {"张三", "单姓", Parts("张", "三")},
      {"张三丰", "单姓", Parts("张", "三丰")},
      {"张三丰四", "单姓", Parts("张", "三丰")},  // bytes 3..6 only
      {"司马懿", "复姓", Parts("司马", "懿")},
      {"", "单姓", Parts("", "")},
  };
  for (const Case& c : cases) EXPECT_EQ(ScorePartsOfName(Utf8ToGbk(c.name), Utf8ToGbk(c.kind)), c.parts) << c.name;
}

TEST(NameScoring, LeavingABoxCutsItOrRejectsBothBoxes) {
  struct Case {
    ScoreNameParts before;
    bool leavingSurname;
    ScoreNameParts after;
  };
  const Case cases[] = {
      {Parts("张", "三a"), false, Parts("张", "三a")},         // 3 bytes: nothing cut
      {Parts("张", "a"), false, Parts("输入", "有误")},         // 1 byte
      {Parts("张", "三丰a"), false, Parts("张", "三丰")},       // 5 bytes: cut to 4
      {Parts("a", "三丰"), true, Parts("输入", "有误")},
      {Parts("", "三丰"), true, Parts("输入", "有误")},
      {Parts("欧阳", "a"), true, Parts("欧阳", "a")},           // only the box left is checked
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScorePartsOnLeave(c.before, c.leavingSurname), c.after) << GbkToUtf8(c.before.givenName);
  }
}

TEST(NameScoring, ThePartsTravelPercentEncodedByteForByte) {
  EXPECT_EQ(NameScoreAddress("http://127.0.0.1:8000", Parts("欧阳", "明月")),
            "http://127.0.0.1:8000/ceming/cmjg-mz.asp?youname1=%C5%B7%D1%F4&youname2=%C3%F7%D4%C2");
  EXPECT_EQ(NameScoreAddress("http://h", {"a&b=c", "#% \"'<"}),
            "http://h/ceming/cmjg-mz.asp?youname1=a%26b%3Dc&youname2=%23%25%20%22%27%3C");
}

// A page of `count` lines, line i reading "line i".
std::string Page(int count) {
  std::string page;
  for (int i = 0; i < count; ++i) page += "line " + std::to_string(i) + "\r\n";
  return page;
}

TEST(NameScoring, TheScoreIsCutFromLine70ToCountMinus90) {
  LineBuffer memo1, memo2;
  memo2.Append("left over");
  CutScorePage(Page(160), memo1, memo2, "http://h");
  EXPECT_EQ(memo1.Count(), 160);
  EXPECT_EQ(memo2.Lines(), std::vector<std::string>{"line 70"});  // exactly 160 lines: line 70 alone
  CutScorePage(Page(159), memo1, memo2, "http://h");
  EXPECT_EQ(memo2.Count(), 0);
  CutScorePage(Page(200), memo1, memo2, "http://h");
  ASSERT_EQ(memo2.Count(), 41);
  EXPECT_EQ(memo2.Line(40), "line 110");
}

TEST(NameScoring, TheServicesAdvertisingIsTakenOutInOrder) {
  const std::string base = "http://127.0.0.1:8000";
  std::string page = Page(70);
  page += Utf8ToGbk("<td width=\"80\">想 改名、起名 吗？点这里申请得到一个好名>>></td>\r\n");
  page += Utf8ToGbk("另外花钱不要大手大脚的啊。点此申请：<a href=\"" + base + "/qmsq/grqmsq.asp\">点这里申请大师为您起名>>></a>\r\n");
  page += "<img src=\"" + base + "/images/201008/n6zqs.gif\" border=\"0\"><img src=\"x.gif\" width=\"4\">\r\n";
  page += Page(89);
  LineBuffer memo1, memo2;
  CutScorePage(page, memo1, memo2, base);
  std::vector<std::string> lines;
  for (const std::string& line : memo2.Lines()) lines.push_back(GbkToUtf8(line));
  EXPECT_EQ(lines, (std::vector<std::string>{"<td \"80\"></td>", "电脑算命：<a href=\"http://www.velmora.example\"></a>",
                                             "<img src=\"x.gif\" \"4\">"}));
}

TEST(NameScoring, TheCutIsWrittenFiltered) {
  testing::TestFolder folder;
  LineBuffer memo2;
  memo2.Append(Utf8ToGbk("<div onclick=\"x()\">七十七分</div><script>alert(1)</script>"));
  WriteScorePage(memo2, folder.Path() + "temp.tmp");
  std::ifstream in(folder.Path() + "temp.tmp", std::ios::binary);
  EXPECT_EQ(GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {})), "<div>七十七分</div>\r\n");
  WriteScorePage(LineBuffer(), folder.Path() + "temp.tmp");
  EXPECT_EQ(std::filesystem::file_size(folder.Path() + "temp.tmp"), 0u);  // a short answer shows an empty page
  EXPECT_THROW(WriteScorePage(memo2, folder.Path() + "nosuch/temp.tmp"), std::runtime_error);
}

}  // namespace
}  // namespace velmora
