#include <gtest/gtest.h>

#include <fstream>

#include "online/name_testing.h"
#include "tests/online/fake_browser.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(NameTesting, TheNameBoxRefusesPrintableAsciiButTheApostrophe) {
  for (const char32_t refused : {U' ', U'!', U'&', U'(', U'0', U'A', U'z', U'~'}) {
    EXPECT_TRUE(IsRejectedTestNameKey(refused)) << static_cast<int>(refused);
  }
  for (const char32_t kept : {U'\'', U'\b', U'\x7F', U'张', U'·'}) {
    EXPECT_FALSE(IsRejectedTestNameKey(kept)) << static_cast<int>(kept);
  }
}

TEST(NameTesting, LeavingTheNameBoxCutsOrRejectsTheName) {
  struct Case {
    const char* name;
    const char* kind;
    const char* left;
  };
  const Case cases[] = {
      {"张三a", "复姓", "输入有误"},          // 5 bytes are too few for a compound surname
      {"张三a", "单姓", "张三a"},             // but enough for a single one
      {"张a", "单姓", "输入有误"},            // 3 bytes
      {"欧阳娜娜明", "复姓", "欧阳娜娜"},     // cut to 8 bytes
      {"'欧阳明月", "单姓", "'欧阳明"},       // pasted with a one-byte character: never cut inside 月
      {"张三丰'李", "单姓", "张三丰'"},       // the same at the end
      {"", "单姓", "输入有误"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(TestNameOnLeave(Utf8ToGbk(c.name), Utf8ToGbk(c.kind))), c.left) << c.name << c.kind;
  }
}

TEST(NameTesting, TheNameIsConvertedCharacterByCharacter) {
  testing::TestFolder folder;
  testing::CopyBuiltDatabases(folder);
  ReferenceDb hz(folder.Path(), TraditionalFormsDatabase());
  hz.Open();
  struct Case {
    const char* name;
    const char* kind;
    const char* surname;
    const char* given;
  };
  const Case cases[] = {
      {"张晓明", "单姓", "張", "曉明"},        // one surname character, two given
      {"欧阳娜娜", "复姓", "歐陽", "娜娜"},    // two and two
      {"王明", "单姓", "王", "明"},             // characters that keep their form
      {"张ab明", "单姓", "張", "明"},           // a character without a row drops out
      {"输入有误", "单姓", "輸", "入有誤"},     // the box's own complaint, converted like any name
      {"张\"\"", "单姓", "張", ""},             // quotes are a key like any other
      {"李", "单姓", "李", ""},
      {"欧阳", "复姓", "歐陽", ""},
  };
  for (const Case& c : cases) {
    const TraditionalName name = ConvertToTraditional(hz, Utf8ToGbk(c.name), Utf8ToGbk(c.kind));
    EXPECT_EQ(GbkToUtf8(name.surname), c.surname) << c.name;
    EXPECT_EQ(GbkToUtf8(name.givenName), c.given) << c.name;
  }
}

// The form page the window holds: R1 male and female, Name1, Name2, a submit control.
FakeBrowser FormPage(const char* title = "阳宅四格") {
  FakeBrowser page;
  page.title = Utf8ToGbk(title);
  page.AddForm();
  page.AddInput("radio", "R1", "1");
  page.AddInput("radio", "R1", "2");
  page.AddInput("text", "Name1");
  page.AddInput("text", "Name2");
  page.AddInput("submit", "", "开始论断");
  page.EndForm();
  return page;
}

TEST(NameTesting, TheFormIsFilledOnTheFormPageOnly) {
  const TraditionalName name{Utf8ToGbk("張"), Utf8ToGbk("曉明")};
  FakeBrowser male = FormPage();
  FillNameTestForm(male, "男"_gbk, name);
  EXPECT_TRUE(male.nodes[1].checked);
  EXPECT_FALSE(male.nodes[2].checked);
  EXPECT_EQ(male.ValueOf("Name1"), name.surname);
  EXPECT_EQ(male.ValueOf("Name2"), name.givenName);
  FakeBrowser female = FormPage();
  FillNameTestForm(female, "女"_gbk, name);
  EXPECT_FALSE(female.nodes[1].checked);
  EXPECT_TRUE(female.nodes[2].checked);
  FakeBrowser answer = FormPage("Document Title");
  FillNameTestForm(answer, "女"_gbk, name);
  EXPECT_FALSE(answer.nodes[2].checked);
  EXPECT_EQ(answer.ValueOf("Name1"), "");
}

TEST(NameTesting, TheAnswerLosesTheServicesBannersAndIsWrittenFiltered) {
  testing::TestFolder folder;
  FakeBrowser page;
  page.title = "Document Title";
  page.bodyHtml = Utf8ToGbk(
      "<body><center><img src=\"1.jpg\" width=\"680\" height=\"115\">\r\n"
      "<table width=\"700\"><tr><td><b>超準形家姓名學論斷</b></td></tr>\r\n"
      "<tr><td onclick=\"steal()\">人格27</td></tr></table><script>steal()</script>\r\n"
      "<img border=\"0\" src=\"23.jpg\" width=\"680\" height=\"115\"></center></body>");
  LineBuffer html;
  TakeNameTestAnswer(page, html, folder.Path() + "temp.htm");
  std::ifstream in(folder.Path() + "temp.htm", std::ios::binary);
  EXPECT_EQ(GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {})),
            "<body><center>\r\n"
            "<table width=\"580\"><tbody><tr><td><b>Oskarn姓名数理形家论断</b></td></tr>\r\n"
            "<tr><td>人格27</td></tr></tbody></table>\r\n"
            "Oskarn工作室 中国年度优秀软件 经典强大权威</center>\r\n</body>");
  EXPECT_THROW(TakeNameTestAnswer(page, html, folder.Path() + "nosuch/temp.htm"), std::runtime_error);
}

}  // namespace
}  // namespace velmora
