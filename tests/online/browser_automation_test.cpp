#include <gtest/gtest.h>

#include <stdexcept>

#include "online/browser_automation.h"
#include "online/online_check.h"
#include "online/progress_position.h"
#include "readings/element_count_page.h"
#include "tests/online/fake_browser.h"

namespace velmora {
namespace {

TEST(BrowserAutomation, SetFormFieldSetsEveryControlOfThatNameInEveryForm) {
  FakeBrowser page;
  page.AddForm();
  page.AddInput("radio", "sex", "1");
  page.AddInput("text", "Sex");  // another name: case counts
  page.AddForm();
  page.AddInput("text", "sex");
  page.EndForm();
  page.AddInput("text", "sex");  // outside every form
  EXPECT_TRUE(SetFormField(page, "sex", "0"));
  EXPECT_EQ(page.nodes[1].element.value, "0");
  EXPECT_EQ(page.nodes[2].element.value, "");
  EXPECT_EQ(page.nodes[4].element.value, "0");
  EXPECT_EQ(page.nodes[5].element.value, "");
  EXPECT_FALSE(SetFormField(page, "nosuch", "x"));
}

TEST(BrowserAutomation, SetFormFieldOnControlsOutsideFormsSetsNothing) {
  FakeBrowser page;
  page.AddInput("text", "name");
  EXPECT_FALSE(SetFormField(page, "name", "x"));
  EXPECT_EQ(page.ValueOf("name"), "");
}

TEST(BrowserAutomation, AControlThatRefusesItsValueEndsTheScanWithTheResultSoFar) {
  FakeBrowser page;
  page.AddForm();
  page.AddInput("text", "y");
  page.AddInput("text", "y");
  page.AddInput("text", "y");
  page.nodes[2].writable = false;
  EXPECT_TRUE(SetFormField(page, "y", "1990"));
  EXPECT_EQ(page.nodes[1].element.value, "1990");
  EXPECT_EQ(page.nodes[3].element.value, "");  // never reached
}

TEST(BrowserAutomation, SubmitAllFormsSubmitsEachFormInOrder) {
  FakeBrowser page;
  page.AddForm();
  page.AddForm();
  EXPECT_TRUE(SubmitAllForms(&page));
  EXPECT_EQ(page.submittedForms, (std::vector<int>{0, 1}));
  EXPECT_FALSE(SubmitAllForms(nullptr));
  FakeBrowser empty;
  EXPECT_TRUE(SubmitAllForms(&empty));
}

TEST(BrowserAutomation, ClickFirstSubmitClicksOnlyTheFirstSubmitInDocumentOrder) {
  FakeBrowser page;
  page.AddForm();
  page.AddInput("button", "go");
  page.AddInput("text", "submit");
  page.AddForm();
  page.AddInput("submit", "named");  // index 4: the first submit, inside the second form
  page.AddInput("submit", "");       // index 5
  EXPECT_TRUE(ClickFirstSubmit(page));
  EXPECT_EQ(page.clickedElements, (std::vector<int>{4}));
  page.clickedElements.clear();
  EXPECT_TRUE(ClickFirstSubmit(page, SubmitName::MustBeEmpty));
  EXPECT_EQ(page.clickedElements, (std::vector<int>{5}));

  FakeBrowser none;
  none.AddInput("SUBMIT", "");  // the type is compared exactly
  EXPECT_FALSE(ClickFirstSubmit(none));
  EXPECT_TRUE(none.clickedElements.empty());
}

TEST(BrowserAutomation, CheckRadioByValueTicksEveryMatchingRadio) {
  FakeBrowser page;
  page.AddForm();
  page.AddInput("radio", "sex", "女");
  page.AddInput("RADIO", "sex2", "女");  // the type is compared in upper case
  page.AddInput("radio", "len", "2");
  page.AddInput("text", "other", "女");
  CheckRadioByValue(page, std::string("女"));
  EXPECT_TRUE(page.nodes[1].checked);
  EXPECT_TRUE(page.nodes[2].checked);
  EXPECT_FALSE(page.nodes[3].checked);
  EXPECT_FALSE(page.nodes[4].checked);

  FakeBrowser lengths;
  lengths.AddInput("radio", "len", "3");
  lengths.AddInput("radio", "len", "2");
  lengths.AddInput("text", "other", "x");  // not a radio: never compared
  lengths.AddInput("radio", "len", " 3 ");
  CheckRadioByValue(lengths, 3);
  EXPECT_TRUE(lengths.nodes[0].checked);
  EXPECT_FALSE(lengths.nodes[1].checked);
  EXPECT_TRUE(lengths.nodes[3].checked);  // a number with blanks around it is that number
}

TEST(BrowserAutomation, NumericRadioComparisonFailsOnARadioThatIsNoNumber) {
  FakeBrowser page;
  page.AddInput("radio", "n", "3");
  page.AddInput("radio", "sex", "男");
  page.AddInput("radio", "n", "3");
  EXPECT_THROW(CheckRadioByValue(page, 3), std::runtime_error);
  EXPECT_TRUE(page.nodes[0].checked);   // ticked before the failure
  EXPECT_FALSE(page.nodes[2].checked);  // the command stops at the failure
}

TEST(BrowserAutomation, FirstButtonInputAndTheElementCountPageForm) {
  ElementCountPage page;
  EXPECT_TRUE(SetFormField(page, "y", "1990"));
  EXPECT_FALSE(SetFormField(page, "chart", "x"));  // the form itself is no control
  EXPECT_EQ(page.Elements()[1].value, "1990");
  EXPECT_EQ(FirstButtonInput(page), 5);
}

TEST(BrowserAutomation, OnlyTheTopLevelWindowIsATopLevelCompletion) {
  FakeBrowser page;
  EXPECT_TRUE(IsTopLevelCompletion(page, FakeBrowser::kTopLevel));
  EXPECT_FALSE(IsTopLevelCompletion(page, FakeBrowser::kFrame));
}

TEST(OnlineCheck, TheLastAddressDecidesAndOnlyZeroDotZeroAfterTheFirstDotIsOffline) {
  using Addresses = std::optional<std::vector<std::string>>;
  struct Case {
    Addresses addresses;
    bool online;
  };
  const Case cases[] = {
      {Addresses({"127.0.0.1"}), false},                 // loopback: no network
      {Addresses({"192.168.1.20"}), true},
      {Addresses({"10.0.0.7"}), false},                  // "0.0" after the first dot
      {std::nullopt, true},                              // a host name that does not resolve
      {Addresses({"192.168.1.20", "127.0.0.1"}), false},  // the last one decides
      {Addresses({"127.0.0.1", "192.168.1.20"}), true},
      {Addresses(std::vector<std::string>{}), true},
  };
  for (const Case& c : cases) {
    const HostAddresses source = [&c] { return c.addresses; };
    EXPECT_EQ(IsOnline(source), c.online) << (c.addresses && !c.addresses->empty() ? c.addresses->back() : "none");
  }
  EXPECT_EQ(LocalAddressText([] { return Addresses({"1.2.3.4", "5.6.7.8"}); }), "5.6.7.8");
}

TEST(ProgressPosition, EventsAddFiveUpToTheMaximumAndNegativePositionsAreIgnored) {
  ProgressPosition bar;
  bar.Set(0);
  for (int i = 0; i < 11; ++i) bar.Advance();
  EXPECT_EQ(bar.Position(), 55);
  for (int i = 0; i < 14; ++i) bar.Advance();
  EXPECT_EQ(bar.Position(), 100);
  bar.Set(-3);
  EXPECT_EQ(bar.Position(), 100);
  bar.Set(250);
  EXPECT_EQ(bar.Position(), 100);
  ProgressPosition download;
  download.SetMaximum(20000);  // the announced length of an answer
  download.Set(12345);
  EXPECT_EQ(download.Position(), 12345);
  download.SetMaximum(0);
  EXPECT_EQ(download.Position(), 1);
}

}  // namespace
}  // namespace velmora
