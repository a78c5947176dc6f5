#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "online/marriage_pages.h"
#include "readings/year_outlook.h"
#include "report/report_page.h"
#include "tests/expect_error.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// The fixed pages as the build made them, and the servers' addresses: the
// bundled service for the first two, remote servers for the others.
class MarriagePagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(folder.Path() + "data/services.ini")
        << "[marriage3]\nbase=http://third.example:8003\n[marriage4]\nbase=http://fourth.example\n";
    addresses.Read(folder.Path());
    addresses.SetLocalBase("http://127.0.0.1:4000");
  }
  MarriagePage Compose(MarriageServer server) { return ComposeMarriagePage(server, {pageA, pageB, pageC}, addresses); }
  std::string FileText(const std::string& name) {
    std::ifstream in(folder.Path() + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += GbkToUtf8(line) + "\n";
    return text;
  }

  testing::TestFolder folder;
  ServiceAddresses addresses;
  const TextLines pageA = ReadTextLines(testing::BuiltProgramFolder() + "data/marriage_a.htm");
  const TextLines pageB = ReadTextLines(testing::BuiltProgramFolder() + "data/marriage_b.htm");
  const TextLines pageC = ReadTextLines(testing::BuiltProgramFolder() + "data/marriage_c.htm");
};

TEST_F(MarriagePagesTest, ServersTwoToFourArePageBTheAppletLineAndTheTrailer) {
  const MarriagePage page = Compose(MarriageServer::Two);
  EXPECT_EQ(page.fileName, "hpbx1.html");
  ASSERT_EQ(page.lines.size(), pageB.size() + 1 + ReportTrailer().size());
  EXPECT_TRUE(std::equal(pageB.begin(), pageB.end(), page.lines.begin()));
  EXPECT_EQ(page.lines[pageB.size()],
            "<APPLET NAME=\"hunpei\" CODE=\"hunpei\" CODEBASE=\"http://127.0.0.1:4000/138/hunpei/\" WIDTH=\"422\" "
            "HEIGHT=\"239\" ALIGN=\"Top\" ALT=\"If you had a java-enabled browser, you would see an applet here.\"></APPLET>");
  EXPECT_TRUE(std::equal(ReportTrailer().begin(), ReportTrailer().end(), page.lines.begin() + pageB.size() + 1));
  // page B has the structure of the marriage pages up to the legend
  const std::string text = Joined(pageB);
  for (const char* part : {"<title>Tessaly - 姻缘注定</title>", "src=\"ssbx.js\"", "name=\"male\"", "name=\"female\"",
                           "name=\"mname\" maxlength=\"40\"", "name=\"fname\" maxlength=\"40\"",
                           "name=\"myear\" maxlength=\"4\"", "name=\"fyear\" maxlength=\"4\"", "name=\"mmonth\"",
                           "name=\"fday\"", "value=\"马上计算姻缘指数 \" onclick=\"onClick_hunpei(document.forms[0])\"",
                           "A姻缘系数&nbsp; B成婚系数&nbsp; C性和谐系数&nbsp; D感情系数&nbsp; E健康系数&nbsp; F财运系数"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(text.find("APPLET"), std::string::npos);
}

TEST_F(MarriagePagesTest, ServersTwoAndFourWriteTheSameFileAndThreeDiffersOnlyInTheCodeBase) {
  const MarriagePage two = Compose(MarriageServer::Two);
  const MarriagePage three = Compose(MarriageServer::Three);
  EXPECT_EQ(Compose(MarriageServer::Four).lines, two.lines);
  ASSERT_EQ(three.lines.size(), two.lines.size());
  for (std::size_t i = 0; i < two.lines.size(); ++i) {
    if (i == pageB.size()) continue;
    EXPECT_EQ(three.lines[i], two.lines[i]) << i;
  }
  std::string applet = two.lines[pageB.size()];
  applet.replace(applet.find("http://127.0.0.1:4000/138/"), 26, "http://third.example:8003/suanming/");
  EXPECT_EQ(three.lines[pageB.size()], applet);

  WriteMarriagePage(folder.Path(), two);
  const std::string writtenTwo = FileText("hpbx1.html");
  WriteMarriagePage(folder.Path(), Compose(MarriageServer::Four));
  EXPECT_EQ(FileText("hpbx1.html"), writtenTwo);
  EXPECT_EQ(writtenTwo, FileForm(two.lines));  // every line followed by CR LF
  EXPECT_EQ(writtenTwo.substr(writtenTwo.size() - 2), "\r\n");
}

TEST_F(MarriagePagesTest, ServersOneAndFiveArePagesAAndCWithTheirServersAddresses) {
  const MarriagePage one = Compose(MarriageServer::One);
  EXPECT_EQ(one.fileName, "hpbx1.html");
  const std::string a = Joined(one.lines);
  // the program's own script: a server's would run in a local page
  EXPECT_NE(a.find("src=\"ssbx.js\""), std::string::npos);
  EXPECT_EQ(a.find(".js\""), a.rfind(".js\""));
  EXPECT_NE(a.find("<APPLET NAME=\"hunpeie\" CODE=\"hunpeie\" CODEBASE=\"http://127.0.0.1:4000/hunpei/java/hunpei/\" "
                   "WIDTH=\"422\" HEIGHT=\"239\""),
            std::string::npos);
  EXPECT_NE(a.find("value=\"马上计算姻缘指数 \""), std::string::npos);
  EXPECT_EQ(a.find("$(service:"), std::string::npos);

  const MarriagePage five = Compose(MarriageServer::Five);
  EXPECT_EQ(five.fileName, "hpbx5.html");
  const std::string c = Joined(five.lines);
  EXPECT_NE(c.find("src=\"ssbx.js\""), std::string::npos);
  EXPECT_EQ(c.find(".js\""), c.rfind(".js\""));
  EXPECT_NE(c.find("<applet name=\"hunpei\" code=\"hunpei\" codebase=\"http://fourth.example/java/hunpei/\" width=\"340\" "
                   "height=\"220\" align=\"Top\" alt=\"123\">"),
            std::string::npos);
  EXPECT_NE(c.find("value=\"点击这里马上测算\""), std::string::npos);
  EXPECT_NE(c.find("1.姻缘系数 2.成婚系数 3.性和谐系数 4.感情系数 5.健康系数 6.财运系数"), std::string::npos);
  // both pages end with the trailer's block
  for (const MarriagePage* page : {&one, &five}) {
    EXPECT_TRUE(std::equal(ReportTrailer().rbegin(), ReportTrailer().rend(), page->lines.rbegin()));
  }
}

TEST_F(MarriagePagesTest, ServerFiveLeavesAnEarlierPageOfTheOthersInPlace) {
  WriteMarriagePage(folder.Path(), Compose(MarriageServer::Three));
  const std::string three = FileText("hpbx1.html");
  EXPECT_EQ(WriteMarriagePage(folder.Path(), Compose(MarriageServer::Five)), folder.Path() + "hpbx5.html");
  EXPECT_EQ(FileText("hpbx1.html"), three);
  WriteMarriagePage(folder.Path(), Compose(MarriageServer::One));  // the next server's page replaces it
  EXPECT_NE(FileText("hpbx1.html"), three);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() + "hpbx5.html"));
}

TEST_F(MarriagePagesTest, AServerNamesItsOwnServiceAndAFolderThatCannotBeWrittenIsAnError) {
  EXPECT_EQ(MarriageService(MarriageServer::One), Service::Marriage1);
  EXPECT_EQ(MarriageService(MarriageServer::Three), Service::Marriage3);
  EXPECT_EQ(MarriageService(MarriageServer::Four), Service::Marriage2);
  EXPECT_EQ(MarriageService(MarriageServer::Five), Service::Marriage4);
  EXPECT_THROW(WriteMarriagePage(folder.Path() + "missing/", Compose(MarriageServer::One)), std::runtime_error);
}

}  // namespace
}  // namespace velmora
