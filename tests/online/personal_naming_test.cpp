#include <gtest/gtest.h>

#include "online/personal_naming.h"
#include "tests/online/answer_text.h"
#include "tests/online/fake_browser.h"
#include "text/gbk.h"

namespace velmora {
namespace {

const NamingService kService{"http://127.0.0.1:8000", "127.0.0.1:8000"};

TEST(PersonalNamingEntry, TheSurnameBoxKeepsOnlyTwoByteCharactersWithoutBlanksAround) {
  struct Case {
    const char* typed;
    const char* kept;
    bool rejected;
  };
  const Case cases[] = {
      {" 刘 ", "刘", false},   // blanks at both ends go
      {"\t欧阳 ", "欧阳", false},
      {"", "", false},         // an empty box is no fault
      {"   ", "", false},
      {"刘a", "", true},       // a Latin letter after the surname
      {"a", "", true},
      {"刘 张", "", true},     // a blank inside
      {"１", "１", false},     // a full-width digit is two bytes
  };
  for (const Case& c : cases) {
    const SurnameEntry entry = CheckSurnameEntry(Utf8ToGbk(c.typed));
    EXPECT_EQ(GbkToUtf8(entry.text), c.kept) << c.typed;
    EXPECT_EQ(entry.rejected, c.rejected) << c.typed;
  }
  EXPECT_TRUE(CheckSurnameEntry("\xC1").rejected);  // a lead byte alone
}

TEST(PersonalNamingEntry, TheCommandSendsTheFirstCharacterAndNothingForABlankBox) {
  EXPECT_EQ(NamingSurname(Utf8ToGbk("欧阳")), Utf8ToGbk("欧"));
  EXPECT_EQ(NamingSurname(Utf8ToGbk("刘")), Utf8ToGbk("刘"));
  EXPECT_FALSE(NamingSurname(""));
  EXPECT_FALSE(NamingSurname("  "));
  EXPECT_EQ(NamingServiceAt("http://h.example:81").domain, "h.example:81");
  EXPECT_EQ(NamingServiceAt("http://h.example:81").homeAddress, "http://h.example:81");
}

// The service's form page: a named submit first, then the form with its
// radios (some values twice), the surname field and the unnamed submit.
FakeBrowser FormPage() {
  FakeBrowser page;
  page.title = PersonalNamingFormTitle(kService.domain);
  page.AddForm();
  page.AddInput("submit", "gongsi", "go");
  page.EndForm();
  page.AddForm();
  page.AddInput("text", "xing");
  page.AddInput("radio", "xingbie", "男"_gbk);
  page.AddInput("radio", "xingbie", "女"_gbk);
  page.AddInput("radio", "zishu", "3");
  page.AddInput("radio", "zishu", "2");
  page.AddInput("button", "qingkong", "x");
  page.AddInput("submit", "", "go");
  page.AddInput("radio", "again", "女"_gbk);
  page.AddInput("radio", "again", "2");
  page.EndForm();
  return page;
}

TEST(PersonalNamingPage, OnTheFormTheRadiosAreTickedTheSurnameFilledAndTheUnnamedSubmitClicked) {
  FakeBrowser page = FormPage();
  LineBuffer answer, extract;
  answer.Append("old");
  extract.Append("old");
  const auto label = TakePersonalNamingPage(page, answer, extract, {"女"_gbk, "2", "刘"_gbk}, kService);
  EXPECT_FALSE(label);  // the label stays as it is
  EXPECT_EQ(answer.Count(), 0);
  EXPECT_EQ(extract.Count(), 0);
  std::vector<std::string> ticked;
  for (const FakeBrowser::Node& node : page.nodes) {
    if (node.checked) ticked.push_back(node.element.name + "=" + GbkToUtf8(node.element.value));
  }
  EXPECT_EQ(ticked, (std::vector<std::string>{"xingbie=女", "zishu=2", "again=女", "again=2"}));
  EXPECT_EQ(page.ValueOf("xing"), "刘"_gbk);
  EXPECT_EQ(page.clickedElements, std::vector<int>{9});  // not the named submit at 1
  EXPECT_TRUE(page.submittedForms.empty());
}

TEST(PersonalNamingPage, AFormWithoutAnUnnamedSubmitShowsTheErrorText) {
  FakeBrowser page = FormPage();
  page.nodes.erase(page.nodes.begin() + 9);
  LineBuffer answer, extract;
  EXPECT_EQ(TakePersonalNamingPage(page, answer, extract, {"男"_gbk, "3", "刘"_gbk}, kService), PersonalNamingErrorText());
  EXPECT_TRUE(page.clickedElements.empty());
}

using testing::AnswerText;

TEST(PersonalNamingPage, TheAnswerGivesTheIntroductionAndEachNameAfterAnEmptyLine) {
  struct Case {
    std::string body;
    const char* label;
  };
  const Case cases[] = {
      // the usual page
      {AnswerText({"vu起名网", "介绍一", "介绍二", "http://127.0.0.1:8000", "三才五格起名返回", "1. 刘甲", "2. 刘乙",
              "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！", "公司起名"}),
       "介绍一\r\n介绍二\r\n\r\n1. 刘甲\r\n\r\n2. 刘乙\r\n"},
      // the home-address line at line 0: no introduction
      {AnswerText({"http://127.0.0.1:8000", "三才五格起名返回", "1. 刘甲", "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"}),
       "\r\n1. 刘甲\r\n"},
      // at line 1: nothing before it either
      {AnswerText({"vu起名网", "http://127.0.0.1:8000", "三才五格起名返回", "1. 刘甲", "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"}),
       "\r\n1. 刘甲\r\n"},
      // no home-address line: no introduction
      {AnswerText({"vu起名网", "介绍", "三才五格起名返回", "1. 刘甲", "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"}),
       "\r\n1. 刘甲\r\n"},
      // no start marker: the names start at line 0
      {AnswerText({"vu起名网", "http://127.0.0.1:8000", "1. 刘甲", "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"}),
       "\r\nvu起名网\r\n\r\nhttp://127.0.0.1:8000\r\n\r\n1. 刘甲\r\n"},
      // no end marker: the introduction only
      {AnswerText({"vu起名网", "介绍", "http://127.0.0.1:8000", "三才五格起名返回", "1. 刘甲"}), "介绍\r\n"},
      // the address of another service is not the home address
      {AnswerText({"vu起名网", "介绍", "http://127.0.0.1:9000", "三才五格起名返回", "1. 刘甲", "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"}),
       "\r\n1. 刘甲\r\n"},
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.title = PersonalNamingAnswerTitle(kService.domain);
    page.bodyText = c.body;
    LineBuffer answer, extract;
    const auto label = TakePersonalNamingPage(page, answer, extract, {"男"_gbk, "3", "刘"_gbk}, kService);
    ASSERT_TRUE(label);
    EXPECT_EQ(GbkToUtf8(*label), c.label) << GbkToUtf8(c.body);
    EXPECT_TRUE(page.clickedElements.empty());
  }
}

TEST(PersonalNamingPage, ASecondCompletionOfTheAnswerAppendsAgainAndOtherPagesShowTheErrorText) {
  FakeBrowser page;
  page.title = PersonalNamingAnswerTitle(kService.domain);
  page.bodyText = AnswerText({"h", "介绍", "http://127.0.0.1:8000", "三才五格起名返回", "1. 刘甲",
                         "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"});
  LineBuffer answer, extract;
  const PersonalNamingRequest request{"男"_gbk, "3", "刘"_gbk};
  TakePersonalNamingPage(page, answer, extract, request, kService);
  const auto again = TakePersonalNamingPage(page, answer, extract, request, kService);
  // the second copy finds the markers of the first text again: the extract grows
  EXPECT_EQ(GbkToUtf8(*again), "介绍\r\n\r\n1. 刘甲\r\n介绍\r\n\r\n1. 刘甲\r\n");
  for (const std::string& title : {std::string("404 Not Found"), std::string(), PersonalNamingAnswerTitle("other:1")}) {
    page.title = title;
    EXPECT_EQ(TakePersonalNamingPage(page, answer, extract, request, kService), PersonalNamingErrorText());
  }
  EXPECT_EQ(GbkToUtf8(PersonalNamingErrorText()),
            "出现错误，请检查：\r\r1、输入的汉字可能不是中华民族有效姓氏。\r\n2、请重新校对你的输入是否准确无误。\r\n"
            "3、本功能需要在线，请确认你的机器连接上互联网");
}

}  // namespace
}  // namespace velmora
