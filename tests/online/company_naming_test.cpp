#include <gtest/gtest.h>

#include "online/company_naming.h"
#include "tests/expect_error.h"
#include "tests/online/answer_text.h"
#include "tests/online/fake_browser.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr const char* kDomain = "127.0.0.1:8000";

// Two forms, each with radios of the values 2 and 3, the surname and the trade.
FakeBrowser CompanyForm(const std::string& title) {
  FakeBrowser page;
  page.title = title;
  for (int form = 0; form < 2; ++form) {
    page.AddForm();
    page.AddInput("text", "xing");
    page.AddInput("select-one", "hangye");
    page.AddInput("radio", "zishu", "2");
    page.AddInput("radio", "zishu", " 3 ");
    page.EndForm();
  }
  return page;
}

TEST(CompanyNamingPage, EveryPageButTheAnswerGetsTheLengthTheSurnameAndTheTradeAndIsSubmitted) {
  for (const std::string& title : {CompanyNamingFormTitle(kDomain), std::string("出错了"_gbk), std::string()}) {
    FakeBrowser page = CompanyForm(title);
    LineBuffer answer, extract;
    answer.Append("old");
    const std::string label =
        TakeCompanyNamingPage(page, answer, extract, {1, "张"_gbk, "商品产品销售业"_gbk}, kDomain);
    EXPECT_EQ(label, CompanyNamingWaitText());
    EXPECT_EQ(answer.Count(), 0);
    std::vector<int> ticked;
    for (std::size_t i = 0; i < page.nodes.size(); ++i) {
      if (page.nodes[i].checked) ticked.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(ticked, (std::vector<int>{4, 9}));  // 三个字: every radio of value 3, compared as numbers
    EXPECT_EQ(page.nodes[1].element.value, "张"_gbk);
    EXPECT_EQ(page.nodes[6].element.value, "张"_gbk);
    EXPECT_EQ(page.nodes[2].element.value, "商品产品销售业"_gbk);
    EXPECT_EQ(page.nodes[7].element.value, "商品产品销售业"_gbk);
    EXPECT_EQ(page.submittedForms, (std::vector<int>{0, 1}));  // every form
  }
}

TEST(CompanyNamingPage, ARadioWhoseValueIsNoNumberStopsTheHandler) {
  FakeBrowser page = CompanyForm(CompanyNamingFormTitle(kDomain));
  page.nodes[3].element.value = "两个"_gbk;
  LineBuffer answer, extract;
  testing::ExpectErrorMessage(
      [&] { TakeCompanyNamingPage(page, answer, extract, {0, "张"_gbk, "商品产品销售业"_gbk}, kDomain); },
      "Could not convert variant of type (String) into type (Double): '两个'");
  EXPECT_TRUE(page.submittedForms.empty());
}

using testing::AnswerText;

TEST(CompanyNamingPage, TheAnswerIsCutAndNeverSubmittedAgain) {
  struct Case {
    std::string body;
    const char* label;
  };
  const Case cases[] = {
      // the proposals start two lines below the first marker
      {AnswerText({"标题", "vu起名网--公司字号产生器 ", "说明", "1. 鑫源", "2. 华泰", "有偿起名服务   免费测试公司名   公司起名申请请表 ", "页脚"}),
       "1. 鑫源\r\n2. 华泰\r\n"},
      // the marker without its final blank is another line: the copy starts at line 1
      {AnswerText({"标题", "vu起名网--公司字号产生器", "1. 鑫源", "有偿起名服务   免费测试公司名   公司起名申请请表 "}),
       "vu起名网--公司字号产生器\r\n1. 鑫源\r\n"},
      // no end marker: nothing
      {AnswerText({"vu起名网--公司字号产生器 ", "说明", "1. 鑫源"}), ""},
      // the end marker right after the first: nothing
      {AnswerText({"vu起名网--公司字号产生器 ", "有偿起名服务   免费测试公司名   公司起名申请请表 "}), ""},
  };
  for (const Case& c : cases) {
    FakeBrowser page = CompanyForm(CompanyNamingAnswerTitle(kDomain));
    page.bodyText = c.body;
    LineBuffer answer, extract;
    EXPECT_EQ(GbkToUtf8(TakeCompanyNamingPage(page, answer, extract, {1, "张"_gbk, "x"}, kDomain)), c.label);
    EXPECT_TRUE(page.submittedForms.empty());
    for (const FakeBrowser::Node& node : page.nodes) EXPECT_FALSE(node.checked);
  }
}

TEST(CompanyNamingEntry, ABlankSurnameBecomesLiuAndTheTradesAreTheTwelveOfTheList) {
  EXPECT_EQ(CompanySurname(""), "刘"_gbk);
  EXPECT_EQ(CompanySurname(" \t "), "刘"_gbk);
  EXPECT_EQ(CompanySurname("张"_gbk), "张"_gbk);
  ASSERT_EQ(CompanyTradeNames().size(), 12u);
  EXPECT_EQ(CompanyTradeNames().front(), "农林牧渔相关业"_gbk);
  EXPECT_EQ(CompanyTradeNames().back(), "教科文卫性行业"_gbk);
  EXPECT_EQ(GbkToUtf8(CompanyNamingWaitText()), "请检查：\r\r本功能需要在线，请确认你的机器连接上互联网\r或请稍候网络连接中...");
}

}  // namespace
}  // namespace velmora
