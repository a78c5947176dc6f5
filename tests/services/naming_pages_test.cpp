#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "online/company_naming.h"
#include "online/personal_naming.h"
#include "readings/name_numerology.h"
#include "services/company_names.h"
#include "services/name_proposals.h"
#include "services/name_verdicts.h"
#include "services/naming_pages.h"
#include "services/pinyin.h"
#include "services/routes.h"
#include "services/naming_lists.h"
#include "tests/online/fake_browser.h"
#include "tests/services/service_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::QueryOf;

constexpr const char* kHost = "127.0.0.1:8000";

std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

// The text lines of a page as a browser shows them: one per <div>, <h3> or
// form row, tags dropped, entities left alone.
std::vector<std::string> TextLines(const Page& page) {
  std::vector<std::string> lines;
  const std::string html = Utf8(page.body);
  static const std::regex kLine("<(div|h3)[^>]*>(.*?)</(div|h3)>");
  static const std::regex kTag("<[^>]*>");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), kLine); it != std::sregex_iterator(); ++it) {
    lines.push_back(std::regex_replace((*it)[2].str(), kTag, ""));
  }
  return lines;
}

// A browser that has loaded a page of these text lines.
FakeBrowser BrowserShowing(const std::string& title, const std::vector<std::string>& utf8Lines) {
  FakeBrowser browser;
  browser.title = title;
  for (const std::string& line : utf8Lines) browser.bodyText += Utf8ToGbk(line) + "\r\n";
  return browser;
}

std::string Title(const Page& page) {
  const std::string html = Utf8(page.body);
  const std::size_t from = html.find("<title>") + 7;
  return html.substr(from, html.find("</title>") - from);
}

Page PersonalAnswer(const std::string& surname, const std::string& sex = "男", const std::string& length = "3") {
  return PersonalNamingAnswer(QueryOf({{"xing", surname}, {"xingbie", sex}, {"zishu", length}}, kHost),
                              ProgramSources());
}

// The proposal lines between the answer's markers.
std::vector<std::string> ProposalLines(const Page& page, const std::string& start, const std::string& end) {
  const std::vector<std::string> lines = TextLines(page);
  const auto first = std::find(lines.begin(), lines.end(), start);
  const auto last = std::find(lines.begin(), lines.end(), end);
  if (first == lines.end() || last == lines.end() || last < first) return {};
  return {first + 1, last};
}

// The numbered lines between the personal answer's markers.
std::vector<std::string> PersonalProposals(const Page& page) {
  std::vector<std::string> names;
  for (const std::string& line : ProposalLines(page, Utf8(PersonalNamingStartMarker()), Utf8(PersonalNamingEndMarker()))) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) names.push_back(line);
  }
  return names;
}

// "12. 刘宇轩　天格..." -> 刘宇轩
std::string NameOf(const std::string& line) {
  const std::size_t from = line.find(". ") + 2;
  return line.substr(from, line.find("　", from) - from);
}

std::size_t Characters(const std::string& utf8) { return DecodeUtf8(utf8).size(); }

TEST(PersonalNamingPages, FormCarriesTheControlsTheWindowDrivesUnderTheTitleOfTheHost) {
  const Page page = PersonalNamingForm(QueryOf({}, "example.org:81"), ProgramSources());
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(Title(page), "五格数理起名,在线宝宝取名-[vu姓名网]example.org:81");
  const std::string html = Utf8(page.body);
  for (const char* control : {
           R"(<input type="radio" name="xingbie" value="男" checked>)", R"(<input type="radio" name="xingbie" value="女">)",
           R"(<input type="radio" name="zishu" value="3" checked>)", R"(<input type="radio" name="zishu" value="2">)",
           R"(<input type="text" name="xing")", R"(<input type="submit" value="开始起名">)",
           R"(<input type="button" name="qingkong")",  // named, but no submit control
           R"(<form name="qiming" action="/chest/ming.asp" method="post">)"}) {
    EXPECT_NE(html.find(control), std::string::npos) << control;
  }
  // a named submit control comes first, so only the rule "first unnamed" finds the right one
  EXPECT_LT(html.find(R"(type="submit" name="gongsi")"), html.find(R"(<input type="submit" value="开始起名">)"));
}

TEST(PersonalNamingPages, AnswerHoldsTheIntroductionTheHomeAddressAndTwentyOrMoreNamesBetweenTheMarkers) {
  const Page page = PersonalAnswer("刘");
  EXPECT_EQ(Title(page), "三才五格起名,在线宝宝取名-[vu起名网]127.0.0.1:8000");
  const std::vector<std::string> lines = TextLines(page);
  const auto home = std::find(lines.begin(), lines.end(), "http://127.0.0.1:8000");
  ASSERT_NE(home, lines.end());
  EXPECT_GE(home - lines.begin(), 2);  // line 0 is the heading, the introduction follows it
  EXPECT_EQ(lines[1], "为刘姓男孩取的三字姓名 24 个。");
  EXPECT_EQ(*(home + 1), "三才五格起名返回");
  const std::vector<std::string> names = PersonalProposals(page);
  ASSERT_EQ(names.size(), std::size_t{kNameProposals});
  // (a Chinese character is three bytes of UTF-8 here)
  const std::regex kLine(R"(\d+\. 刘.{6}　(甲|乙|丙|丁)等　天格\d+ 人格\d+（吉） 地格\d+（(吉|半吉|中吉|凶|吉带凶|凶带吉)） 外格\d+(（(吉|半吉|中吉|凶|吉带凶|凶带吉)）)? 总格\d+（吉）　三才.{9}（(大吉|吉|中吉|半吉|凶|大凶)）　评分\d+　.{3}：.+；.{3}：.+)");
  for (const std::string& line : names) EXPECT_TRUE(std::regex_match(line, kLine)) << line;
}

TEST(PersonalNamingPages, AShortStrictListIsExplainedInOneSentenceAndTheWindowStillCutsTheLongerAnswer) {
  // 李 has 7 strokes: no single given character makes 人格, 地格, 总格 and 三才 all good
  const Page page = PersonalAnswer("李", "女", "2");
  const std::vector<std::string> lines = TextLines(page);
  const auto why = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("单名的人格与总格同数"); });
  ASSERT_NE(why, lines.end());
  EXPECT_EQ(*why, "单名的人格与总格同数、地格只由名字一字的笔划定，常用字中与李姓7划相配而人格、地格、总格皆吉且三才吉或大吉的笔划只有0种"
                  "（同一人格、地格或总格至多取8个），所以没有甲等名字，其后依次以乙、丙、丁等补足。");
  // the window's cut keeps the introduction with the sentence and every name
  FakeBrowser browser = BrowserShowing(PersonalNamingAnswerTitle(kHost), lines);
  LineBuffer answer, extract;
  const auto label = TakePersonalNamingPage(browser, answer, extract, {"女"_gbk, "2", "李"_gbk}, NamingServiceAt(std::string("http://") + kHost));
  ASSERT_TRUE(label);
  const std::string shown = Utf8(*label);
  EXPECT_NE(shown.find(*why), std::string::npos);
  for (const std::string& name : PersonalProposals(page)) EXPECT_NE(shown.find("\r\n\r\n" + name + "\r\n"), std::string::npos) << name;
  // a strict list that is long enough needs no sentence
  for (const std::string& line : TextLines(PersonalAnswer("刘"))) EXPECT_FALSE(line.starts_with("常用字中")) << line;
}

// The grids, three talents and verdicts of a name as the name reading of the
// program computes them from the reference database.
struct Reading {
  std::string grids;  // 天 人 地 外 总 三才
  std::string person, earth, total, talents;  // verdicts
};

class NameReadingCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    velmora::testing::CopyBuiltDatabases(folder_);
    db_.Open();
  }
  std::string Verdict(const std::string& table, const std::string& key, const std::string& keyColumn,
                      const std::string& textColumn) {
    db_.Lookup(Utf8ToGbk("select * from " + table + " where " + keyColumn + " = \"") + key + "\"");
    const std::string text = Utf8(db_.FieldText(Utf8ToGbk(textColumn)));
    const std::size_t open = text.rfind("（");
    return open == std::string::npos ? "" : text.substr(open + 3, text.size() - open - 6);
  }
  Reading Read(const std::string& utf8Name) {
    BirthProfile profile;
    profile.name = Utf8ToGbk(utf8Name);
    profile.sex = "男"_gbk;
    profile.surnameKind = "单姓"_gbk;
    profile.birthDate = {{1990, 5, 27}};
    ValueLabels labels;
    NameReading(db_, profile, labels);
    Reading reading;
    for (const char* label : {"Label14", "Label15", "Label16", "Label17", "Label18"}) reading.grids += labels.Get(label) + " ";
    reading.grids += Utf8(labels.Get("Label20"));
    reading.person = Verdict("八十一划", labels.Get("Label15"), "数字", "内容");
    reading.earth = Verdict("八十一划", labels.Get("Label16"), "数字", "内容");
    reading.total = Verdict("八十一划", labels.Get("Label18"), "数字", "内容");
    reading.talents = Verdict("三才吉凶", labels.Get("Label20"), "三才", "吉凶");
    return reading;
  }

 private:
  velmora::testing::TestFolder folder_;
  ReferenceDb db_{folder_.Path(), ReferenceDatabase()};
};

// The tier a name meets by its verdicts, as the page's introduction states the ladder.
std::string ExpectedTier(const Reading& reading) {
  const auto good = [](const std::string& v) { return v == "吉"; };
  const auto half = [](const std::string& v) { return v == "半吉" || v == "中吉" || v == "吉带凶"; };
  const bool goodTalents = reading.talents == "吉" || reading.talents == "大吉";
  const bool middling = reading.talents == "中吉" || reading.talents == "半吉";
  if (!good(reading.person) || !good(reading.total)) return "none";
  if (good(reading.earth) && goodTalents) return "甲等";
  if (half(reading.earth) && goodTalents) return "乙等";
  if ((good(reading.earth) || half(reading.earth)) && middling) return "丙等";
  return "丁等";
}

// The stop word a name holds or reads like: a run of its characters, or of
// two or more of its readings (the surname read as a surname), tone marks
// compared where the list writes them.
std::string StopWordOf(const std::string& utf8Name, const Sources& sources) {
  const std::vector<char32_t> name = DecodeUtf8(utf8Name);
  std::vector<std::string> readings;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const std::string character = Utf8ToGbk(EncodeUtf8(name[i]));
    const std::vector<std::string>* own = i == 0 ? sources.TableNamed("surname_readings").Find(character) : nullptr;
    readings.push_back(Utf8(own ? own->at(1) : sources.TableNamed("pinyin").Text(character, "拼音"_gbk)));
  }
  const auto bare = [](const std::string& marked) {
    const std::optional<Syllable> syllable = ParseSyllable(Utf8ToGbk(marked));
    return syllable ? syllable->letters : marked;
  };
  for (const auto& row : sources.TableNamed("naming_stop_words").Rows()) {
    const std::string word = Utf8(row[0]);
    if (utf8Name.find(word) != std::string::npos) return word;
    if (row[1] == "-") continue;
    std::vector<std::string> syllables;
    std::istringstream in(Utf8(row[1]));
    for (std::string syllable; in >> syllable;) syllables.push_back(syllable);
    for (std::size_t from = 0; from + syllables.size() <= readings.size(); ++from) {
      bool same = true;
      for (std::size_t i = 0; same && i < syllables.size(); ++i) {
        const bool toneless = bare(syllables[i]) == syllables[i];
        same = toneless ? bare(readings[from + i]) == syllables[i] : readings[from + i] == syllables[i];
      }
      if (same) return word;
    }
  }
  return "";
}

TEST_F(NameReadingCheck, EveryProposedNameOfTheHundredCommonestSurnamesReadsAsThePageSaysInTheProgramsOwnNameReading) {
  // the hundred commonest surnames, and the first characters of compound ones (欧阳, 司马, 诸葛, 上官), as the window sends them
  const char* const surnames[] = {
      "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "罗",
      "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田", "董", "袁", "潘", "于", "蒋", "蔡",
      "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚", "卢", "姜", "崔", "钟", "谭", "陆", "汪", "范", "金",
      "石", "廖", "贾", "夏", "韦", "付", "方", "白", "邹", "孟", "熊", "秦", "邱", "江", "尹", "薛", "闫", "段", "雷", "侯",
      "龙", "史", "陶", "黎", "贺", "顾", "毛", "郝", "龚", "邵", "万", "钱", "严", "覃", "武", "戴", "莫", "孔", "向", "汤",
      "欧", "司", "诸", "上"};
  const std::regex kGrids(R"(　(.{3}等)　天格(\d+) 人格(\d+)（(.+?)） 地格(\d+)（(.+?)） 外格(\d+)(?:（.+?）)? 总格(\d+)（(.+?)）　三才(.{9})（(.+?)）)");
  for (const char* surname : surnames) {
    for (const char* sex : {"男", "女"}) {
      for (const char* length : {"3", "2"}) {
        const Page page = PersonalAnswer(surname, sex, length);
        EXPECT_EQ(page.body, PersonalAnswer(surname, sex, length).body) << surname;  // deterministic
        const std::vector<std::string> lines = PersonalProposals(page);
        EXPECT_GE(lines.size(), 20u) << surname << sex << length;
        std::map<std::string, int> persons, earths, totals;
        for (const std::string& line : lines) {
          const std::string name = NameOf(line);
          ASSERT_EQ(name.rfind(surname, 0), 0u) << line;
          ASSERT_EQ(Characters(name), std::string(length) == "3" ? 3u : 2u) << line;
          EXPECT_EQ(StopWordOf(name, ProgramSources()), "") << line;
          std::smatch grids;
          ASSERT_TRUE(std::regex_search(line, grids, kGrids)) << line;
          const Reading reading = Read(name);
          EXPECT_EQ(reading.grids, grids[2].str() + " " + grids[3].str() + " " + grids[5].str() + " " + grids[7].str() +
                                       " " + grids[8].str() + " " + grids[10].str())
              << line;
          EXPECT_EQ(reading.person, grids[4].str()) << line;
          EXPECT_EQ(reading.earth, grids[6].str()) << line;
          EXPECT_EQ(reading.total, grids[9].str()) << line;
          EXPECT_EQ(reading.talents, grids[11].str()) << line;
          EXPECT_EQ(ExpectedTier(reading), grids[1].str()) << line;
          ++persons[grids[3].str()];
          ++earths[grids[5].str()];
          ++totals[grids[8].str()];
        }
        // no grid number on more than a third of the list
        for (const auto* counts : {&persons, &earths, &totals}) {
          for (const auto& [number, count] : *counts) EXPECT_LE(count * 3, static_cast<int>(lines.size())) << surname << sex << length << " " << number;
        }
      }
    }
  }
}

TEST(PersonalNamingProposals, KeepTheRulesOfCharactersAndTones) {
  const Sources& sources = ProgramSources();
  for (const char* surname : {"刘", "赵", "欧", "龚"}) {
    for (const bool girl : {false, true}) {
      const std::vector<ProposedName> names = ProposeNames(sources, {Utf8ToGbk(surname), girl, 3});
      ASSERT_GE(names.size(), 20u) << surname;
      // ranked by tier, then by score
      EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const ProposedName& a, const ProposedName& b) {
        return a.tier != b.tier ? a.tier < b.tier : a.score > b.score;
      }));
      std::map<std::string, int> uses;
      for (const ProposedName& name : names) {
        std::set<std::string> characters;
        std::set<int> tones;
        for (std::size_t i = 0; i < name.name.size(); i += 2) {
          const std::string character = name.name.substr(i, 2);
          characters.insert(character);
          tones.insert(ToneOf(sources, character).value_or(0));
          if (i > 0) {
            EXPECT_TRUE(IsCommonCharacter(character)) << Utf8(name.name);
            ++uses[character];
          }
        }
        EXPECT_EQ(characters.size(), 3u) << Utf8(name.name);  // no character twice
        const NamingLists& lists = sources.Derived<NamingLists>();
        const std::string first = name.name.substr(2, 2), second = name.name.substr(4, 2);
        EXPECT_NE(lists.Radical(first), lists.Radical(second)) << Utf8(name.name);  // no radical twice
        EXPECT_NE(lists.Reading(first)->letters, lists.Reading(second)->letters) << Utf8(name.name);  // nor a syllable
        EXPECT_GE(tones.size(), 2u) << Utf8(name.name);       // the tones are not all the same
        EXPECT_GE(name.score, 87);
        EXPECT_LE(name.score, 100);
      }
      for (const auto& [character, count] : uses) EXPECT_LE(count, 2) << Utf8(character);
      EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                                 [](const ProposedName& a, const ProposedName& b) { return a.score > b.score; }));
    }
  }
}

TEST(PersonalNamingProposals, AreTheSameForTheSameRequestAndDifferForTwentySurnames) {
  EXPECT_EQ(PersonalAnswer("刘").body, PersonalAnswer("刘").body);
  std::set<std::vector<std::string>> lists;
  const char* const surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                  "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "罗"};
  for (const char* surname : surnames) {
    std::vector<std::string> given;  // the names without their surname
    for (const ProposedName& name : ProposeNames(ProgramSources(), {Utf8ToGbk(surname), false, 3})) {
      given.push_back(name.name.substr(2));
    }
    EXPECT_GE(given.size(), 20u) << surname;
    EXPECT_TRUE(lists.insert(given).second) << surname;
  }
}

TEST(PersonalNamingProposals, ScoreAddsTheOuterGridTheThreeTalentsAndTheTones) {
  struct Case {
    const char* outer;
    const char* talents;
    std::vector<int> tones;
    int score;
    const char* earth = "吉";
    const char* person = "吉";
  };
  const Case cases[] = {
      {"吉", "大吉", {2, 4, 1}, 100},   // everything
      {"吉", "吉", {2, 4, 1}, 97},      // 三才 吉 only
      {"半吉", "大吉", {2, 4, 1}, 97},  // a half-good outer grid
      {"吉带凶", "吉", {1, 3}, 94},
      {"凶", "大吉", {2, 4, 1}, 94},    // a bad outer grid adds nothing
      {"吉", "大吉", {1, 2, 1}, 96},    // level tones only
      {"吉", "大吉", {3, 4, 5}, 96},    // oblique and neutral only
      {"凶", "吉", {5, 5, 1}, 87},      // the least a strict name scores
      {"吉", "大吉", {2, 4, 1}, 96, "半吉"},        // a half-good earth grid
      {"吉", "中吉", {2, 4, 1}, 95},                // middling three talents
      {"吉", "半吉", {2, 4, 1}, 91, "吉带凶"},      // both: 60 + 8 + 4 + 8 + 6 + 1 + 4
      {"吉", "大凶", {2, 4}, 86, "凶"},             // bad earth and talents add nothing
      {"凶", "凶", {1, 1}, 68, "凶", "凶"},         // only the total grid is good
  };
  for (const Case& c : cases) {
    ProposedName name;
    name.personVerdict = Utf8ToGbk(c.person);
    name.earthVerdict = Utf8ToGbk(c.earth);
    name.totalVerdict = "吉"_gbk;
    name.outerVerdict = Utf8ToGbk(c.outer);
    name.talentsVerdict = Utf8ToGbk(c.talents);
    EXPECT_EQ(NameScore(name, c.tones), c.score) << c.outer << " " << c.talents << " " << c.earth;
  }
}

TEST(PersonalNamingProposals, TheTierIsTheFirstWhoseRuleTheVerdictsMeet) {
  struct Case {
    const char* person;
    const char* earth;
    const char* total;
    const char* talents;
    std::optional<NameTier> tier;
  };
  const Case cases[] = {
      {"吉", "吉", "吉", "大吉", NameTier::First},     // the strict rule
      {"吉", "吉", "吉", "吉", NameTier::First},
      {"吉", "半吉", "吉", "吉", NameTier::Second},    // a half-good earth grid
      {"吉", "吉带凶", "吉", "大吉", NameTier::Second},
      {"吉", "吉", "吉", "中吉", NameTier::Third},     // middling three talents
      {"吉", "半吉", "吉", "半吉", NameTier::Third},
      {"吉", "凶带吉", "吉", "大吉", NameTier::Fourth},  // a mostly bad earth grid
      {"吉", "吉", "吉", "凶", NameTier::Fourth},      // bad three talents
      {"吉", "凶", "吉", "大凶", NameTier::Fourth},
      {"半吉", "吉", "吉", "大吉", std::nullopt},      // 人格 must be 吉
      {"吉", "吉", "吉带凶", "大吉", std::nullopt},    // and so must 总格
      {"", "", "", "", std::nullopt},                  // numbers the table lacks
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TierOf(Utf8ToGbk(c.person), Utf8ToGbk(c.earth), Utf8ToGbk(c.total), Utf8ToGbk(c.talents)), c.tier)
        << c.person << c.earth << c.total << c.talents;
  }
  EXPECT_EQ(Utf8(TierName(NameTier::First)), "甲等");
  EXPECT_EQ(Utf8(TierName(NameTier::Fourth)), "丁等");
}

TEST(PersonalNamingProposals, EveryStrokeCountOfAGb2312CharacterGetsAFullListForBothSexesAndLengths) {
  const Sources& sources = ProgramSources();
  std::map<int, std::string> byStrokes;  // the first character of each count
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
      if (const std::optional<int> strokes = sources.StrokeCount(character)) byStrokes.emplace(*strokes, character);
    }
  }
  EXPECT_GE(byStrokes.size(), 30u);
  for (const auto& [strokes, surname] : byStrokes) {
    for (const bool girl : {false, true}) {
      for (const int length : {2, 3}) {
        EXPECT_EQ(ProposeNames(sources, {surname, girl, length}).size(), std::size_t{kNameProposals})
            << Utf8(surname) << " " << strokes << (girl ? " 女 " : " 男 ") << length;
      }
    }
  }
}

TEST(NamingStopWords, CatchWordsAndTheirHomophonesInAnyRunOfTheNameButNotInTheSurnameAlone) {
  const NamingLists& lists = ProgramSources().Derived<NamingLists>();
  struct Case {
    const char* name;
    const char* word;  // empty: the name is clean
    std::size_t fixed = 1;
  };
  const Case cases[] = {
      {"王水", "王水"},        // the word itself, surname included
      {"杨伟", "阳痿"},        // same syllables and tones
      {"杨威", ""},            // yáng wēi: another tone
      {"刘雪", ""},            // liú xuě is not 流血 liú xuè
      {"杜子腾", "肚子疼"},    // the list's toneless zi matches zǐ
      {"范统", "饭桶"},
      {"秦寿生", "禽兽"},
      {"吴良", "无良"},
      {"史珍香", "屎真香"},
      {"刘琼", ""},            // one syllable alone: 琼 is no 穷
      {"张病", "病"},          // a single character by itself
      {"癌明", ""},            // a surname nobody chooses is not held against the name
      {"癌明", "癌", 0},
      {"李明华", ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> characters;
    std::vector<std::optional<Syllable>> readings;
    for (const char32_t each : DecodeUtf8(c.name)) {
      characters.push_back(Utf8ToGbk(EncodeUtf8(each)));
      readings.push_back(characters.size() == 1 ? lists.SurnameReading(characters.back()) : lists.Reading(characters.back()));
    }
    EXPECT_EQ(Utf8(lists.Stops().WordIn(characters, readings, c.fixed).value_or("")), c.word) << c.name;
  }
}

TEST(NamingVerdicts, ReadTheTablesAsTheNameReadingDoes) {
  const Sources& sources = ProgramSources();
  EXPECT_EQ(Utf8(NumberVerdict(sources, 1)), "吉");
  EXPECT_EQ(Utf8(NumberVerdict(sources, 2)), "凶");
  EXPECT_EQ(Utf8(NumberVerdict(sources, 82)), "吉");  // 82 reads as 1
  EXPECT_EQ(NumberVerdict(sources, 0), "");
  EXPECT_EQ(NumberVerdict(sources, 163), "");  // still above 81
  EXPECT_EQ(Utf8(NumberMotto(sources, 1)), "太极之数，万物开泰");
  EXPECT_EQ(Utf8(TalentsVerdict(sources, "木木木"_gbk)), "吉");
  EXPECT_EQ(TalentsVerdict(sources, "木木"_gbk), "");
  struct Case {
    const char* character;
    int tone;
  };
  for (const Case& c : {Case{"张", 1}, Case{"刘", 2}, Case{"李", 3}, Case{"赵", 4}, Case{"吗", 5}, Case{"绿", 4}}) {
    EXPECT_EQ(ToneOf(sources, Utf8ToGbk(c.character)), c.tone) << c.character;
  }
  EXPECT_FALSE(ToneOf(sources, "ab"));
  EXPECT_TRUE(IsCommonCharacter("啊"_gbk));   // the first of level 1
  EXPECT_TRUE(IsCommonCharacter("座"_gbk));   // the last of level 1
  EXPECT_FALSE(IsCommonCharacter("亍"_gbk));  // the first of level 2
  EXPECT_FALSE(IsCommonCharacter("琪"_gbk));
  EXPECT_FALSE(IsCommonCharacter("a"));
  EXPECT_EQ(Utf8(ElementBornOf("水"_gbk)), "木");
  EXPECT_EQ(Utf8(ElementOfNumber(20)), "水");
}

TEST(NamingPages, BadRequestsGetTheServicesErrorPageWithAClearMessage) {
  const Sources& sources = ProgramSources();
  const std::string trade = "农林牧渔相关业";
  struct Case {
    std::multimap<std::string, std::string> fields;
    bool company;
    const char* message;
  };
  const std::string big(1 << 20, 'x');
  const Case cases[] = {
      {{{"xingbie", "男"}, {"zishu", "3"}}, false, "缺少参数 xing"},
      {{{"xing", ""}, {"xingbie", "男"}, {"zishu", "3"}}, false, "参数 xing 应为一个汉字的姓（复姓只填第一个字）"},
      {{{"xing", "12"}, {"xingbie", "男"}, {"zishu", "3"}}, false, "参数 xing 应为一个汉字的姓（复姓只填第一个字）"},
      {{{"xing", "欧阳"}, {"xingbie", "男"}, {"zishu", "3"}}, false, "参数 xing 应为一个汉字的姓（复姓只填第一个字）"},
      {{{"xing", "，"}, {"xingbie", "男"}, {"zishu", "3"}}, false, "参数 xing 应为一个汉字的姓（复姓只填第一个字）"},
      {{{"xing", big}, {"xingbie", "男"}, {"zishu", "3"}}, false, "参数 xing 应为一个汉字的姓（复姓只填第一个字）"},
      {{{"xing", "刘"}, {"xingbie", "男孩"}, {"zishu", "3"}}, false, "参数 xingbie 应为 男 或 女"},
      {{{"xing", "刘"}, {"xingbie", "女"}, {"zishu", "4"}}, false, "参数 zishu 应为 2 到 3 之间的整数"},
      {{{"xing", "刘"}, {"hangye", trade}, {"zishu", "1"}}, true, "参数 zishu 应为 2 到 3 之间的整数"},
      {{{"xing", "刘"}, {"zishu", "2"}}, true, "缺少参数 hangye"},
      {{{"xing", "刘"}, {"hangye", "赌场"}, {"zishu", "2"}}, true, "参数 hangye 应为所列十二个行业之一"},
      {{{"hangye", trade}, {"zishu", "2"}}, true, "缺少参数 xing"},
      {{{"xing", "欧阳锋"}, {"hangye", trade}, {"zishu", "2"}}, true, "参数 xing 应为一到两个汉字的姓"},
      {{{"xing", "Li"}, {"hangye", trade}, {"zishu", "2"}}, true, "参数 xing 应为一到两个汉字的姓"},
  };
  for (const Case& c : cases) {
    std::multimap<std::string, std::string> gbk;
    for (const auto& [name, value] : c.fields) gbk.emplace(name, Utf8ToGbk(value));
    const Page page = Answer(c.company ? "/chest/gs.htm" : "/chest/ming.asp", gbk, kHost, sources);
    EXPECT_EQ(page.status, 400) << c.message;
    EXPECT_NE(Utf8(page.body).find(c.message), std::string::npos) << Utf8(page.body);
  }
  // bytes that are no GBK text
  const Page broken = Answer("/chest/ming.asp", {{"xing", "\x81"}, {"xingbie", "男"_gbk}, {"zishu", "3"}}, kHost, sources);
  EXPECT_EQ(broken.status, 400);
  EXPECT_NE(Utf8(broken.body).find("参数 xing 不是 GBK 文字"), std::string::npos);
}

Page CompanyAnswer(const std::string& surname, const std::string& trade, const std::string& length) {
  return CompanyNamingPage(QueryOf({{"xing", surname}, {"hangye", trade}, {"zishu", length}}, kHost), ProgramSources());
}

TEST(CompanyNamingPages, WithoutFieldsTheFormWithRadiosTwoAndThreeAndTheTwelveTrades) {
  const Page page = CompanyNamingPage(QueryOf({}, kHost), ProgramSources());
  EXPECT_EQ(Title(page), "vu在线神算127.0.0.1:8000--公司起名");
  const std::string html = Utf8(page.body);
  EXPECT_NE(html.find(R"(<input type="radio" name="zishu" value="2" checked>)"), std::string::npos);
  EXPECT_NE(html.find(R"(<input type="radio" name="zishu" value="3">)"), std::string::npos);
  EXPECT_NE(html.find(R"(<input type="text" name="xing")"), std::string::npos);
  // the page offers exactly the trades of the window's list
  std::vector<std::string> offered;
  const std::regex kOption(R"re(<option value="([^"]+)")re");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), kOption); it != std::sregex_iterator(); ++it) {
    offered.push_back((*it)[1].str());
  }
  std::vector<std::string> listed;
  for (const std::string& trade : CompanyTradeNames()) listed.push_back(Utf8(trade));
  EXPECT_EQ(offered, listed);
}

TEST(CompanyNamingPages, AnswerHoldsTwentyOrMoreNamesTwoLinesBelowTheFirstMarker) {
  // founders of every element by their strokes: 刘 15 土, 王 4 火, 李 7 金, 孙 10 水, 黄 12 木, 欧阳 32 木
  for (const char* surname : {"刘", "王", "李", "孙", "黄", "欧阳"}) {
    for (const char* length : {"2", "3"}) {
      for (const std::string& trade : CompanyTradeNames()) {
        const Page page = CompanyAnswer(surname, Utf8(trade), length);
        ASSERT_EQ(Title(page), "vu在线神算127.0.0.1:8000--公司字号产生器");
        const std::vector<std::string> lines = TextLines(page);
        const auto start = std::find(lines.begin(), lines.end(), Utf8(CompanyNamingStartMarker()));
        const auto end = std::find(lines.begin(), lines.end(), Utf8(CompanyNamingEndMarker()));
        ASSERT_NE(start, lines.end());
        ASSERT_NE(end, lines.end());
        ASSERT_GE(end - start, 2 + 20) << Utf8(trade) << " " << length;
        const std::regex kLine(R"((\d+)\. (.+?)　笔划(\d+)（吉）　(.+?)合计\d+划，.+。.+属.+。.{3}字切合.+。.{3}：.+。)");
        const Table& characters = ProgramSources().TableNamed("company_name_characters");
        const std::string shortName = Utf8(ProgramSources().TableNamed("company_trades").Text(trade, "简称"_gbk));
        int number = 1;
        std::set<std::set<char32_t>> seen;
        std::map<std::string, int> sentences;
        for (auto line = start + 2; line != end; ++line) {
          std::smatch parts;
          ASSERT_TRUE(std::regex_match(*line, parts, kLine)) << *line;
          EXPECT_EQ(std::stoi(parts[1].str()), number++);
          EXPECT_EQ(parts[4].str(), parts[2].str());  // the reason speaks of the name itself
          const std::vector<char32_t> name = DecodeUtf8(parts[2].str());
          EXPECT_EQ(name.size(), std::stoul(length)) << *line;
          // no other proposal of the same characters in another order
          EXPECT_TRUE(seen.insert(std::set<char32_t>(name.begin(), name.end())).second) << *line;
          // at least one character named for the trade itself
          EXPECT_TRUE(std::any_of(name.begin(), name.end(), [&](char32_t c) {
            return Utf8(characters.Text(Utf8ToGbk(EncodeUtf8(c)), "行业"_gbk)).find(shortName) != std::string::npos;
          })) << *line;
          const std::string text = parts[0].str();
          std::size_t from = text.find("　", text.find("笔划")) + 3;
          for (std::size_t stop; (stop = text.find("。", from)) != std::string::npos; from = stop + 3) {
            ++sentences[text.substr(from, stop - from)];
          }
        }
        // no sentence on more than three lines of one list
        for (const auto& [sentence, count] : sentences) EXPECT_LE(count, 3) << sentence;
      }
    }
  }
  // the window's cut keeps every proposal of the longer answer
  const std::vector<std::string> lines = TextLines(CompanyAnswer("刘", "教科文卫性行业", "3"));
  FakeBrowser browser = BrowserShowing(CompanyNamingAnswerTitle(kHost), lines);
  LineBuffer answer, extract;
  const std::string shown = Utf8(TakeCompanyNamingPage(browser, answer, extract, {1, "刘"_gbk, "教科文卫性行业"_gbk}, kHost));
  int proposals = 0;
  for (const std::string& line : lines) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
      ++proposals;
      EXPECT_NE(shown.find(line + "\r\n"), std::string::npos) << line;
    }
  }
  EXPECT_EQ(proposals, kCompanyProposals);
}

TEST(CompanyNamingProposals, FollowTheSurnamesElementAndTheTradeAndCountTheirStrokes) {
  const Sources& sources = ProgramSources();
  const Table& characters = sources.TableNamed("company_name_characters");
  // 欧阳: the element of both characters' strokes (15 + 17 = 32, 木)
  EXPECT_EQ(Utf8(SurnameElement(sources, "欧阳"_gbk)), "木");
  EXPECT_EQ(CompanyAnswer("欧阳", "技术服务性行业", "2").status, 200);
  for (const char* surname : {"刘", "王", "张", "欧", "钱", "欧阳"}) {
    const std::string own = SurnameElement(sources, Utf8ToGbk(surname));
    const std::string born = ElementBornOf(own);
    for (const int length : {2, 3}) {
      const std::vector<ProposedCompanyName> names =
          ProposeCompanyNames(sources, {Utf8ToGbk(surname), "技术服务性行业"_gbk, length});
      ASSERT_EQ(names.size(), std::size_t{kCompanyProposals});
      bool allBornSeen = false;
      for (const ProposedCompanyName& name : names) {
        int strokes = 0;
        bool allBorn = true;
        std::set<std::string> seen;
        for (std::size_t i = 0; i < name.name.size(); i += 2) {
          const std::string character = name.name.substr(i, 2);
          seen.insert(character);
          strokes += sources.StrokeCount(character).value();
          allBorn = allBorn && characters.Text(character, "五行"_gbk) == born;
          const std::string& trades = characters.Text(character, "行业"_gbk);
          EXPECT_TRUE(trades.find("技术"_gbk) != std::string::npos || trades.find("各业"_gbk) != std::string::npos);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(length));
        EXPECT_EQ(name.strokes, strokes);
        EXPECT_EQ(Utf8(name.verdict), "吉");
        EXPECT_EQ(Utf8(NumberVerdict(sources, strokes)), "吉");
        // names wholly of the element born of the surname's come first
        if (!allBorn) allBornSeen = true;
        EXPECT_FALSE(allBorn && allBornSeen) << Utf8(name.name);
      }
      EXPECT_TRUE(names.front().reason.find("所生"_gbk) != std::string::npos) << Utf8(names.front().reason);
    }
  }
}

TEST(CompanyNamingProposals, AreTheSameForTheSameRequestAndDifferForOtherSurnames) {
  const std::string trade = "商品产品销售业";
  EXPECT_EQ(CompanyAnswer("刘", trade, "2").body, CompanyAnswer("刘", trade, "2").body);
  std::set<std::vector<std::string>> lists;
  for (const char* surname : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"}) {
    std::vector<std::string> names;
    for (const ProposedCompanyName& name : ProposeCompanyNames(ProgramSources(), {Utf8ToGbk(surname), Utf8ToGbk(trade), 2})) {
      names.push_back(name.name);
    }
    EXPECT_TRUE(lists.insert(names).second) << surname;
  }
}

TEST(NamingSources, ListsAreLongEnoughAndEveryRowCanBeUsed) {
  const Sources& sources = ProgramSources();
  const Table& personal = sources.TableNamed("personal_name_characters");
  EXPECT_EQ(personal.Columns(), (std::vector<std::string>{"汉字"_gbk, "性别"_gbk, "字义"_gbk}));
  EXPECT_GE(personal.Rows().size(), 800u);
  std::set<std::string> seen;
  for (const auto& row : personal.Rows()) {
    EXPECT_TRUE(seen.insert(row[0]).second) << Utf8(row[0]) << " twice";
    EXPECT_TRUE(IsCommonCharacter(row[0])) << Utf8(row[0]);
    EXPECT_TRUE(row[1] == "男"_gbk || row[1] == "女"_gbk || row[1] == "通"_gbk) << Utf8(row[0]);
    EXPECT_GE(row[2].size(), 8u) << Utf8(row[0]);
    EXPECT_TRUE(sources.StrokeCount(row[0])) << Utf8(row[0]);
    EXPECT_TRUE(ToneOf(sources, row[0])) << Utf8(row[0]);
  }
  const Table& company = sources.TableNamed("company_name_characters");
  EXPECT_EQ(company.Columns(), (std::vector<std::string>{"汉字"_gbk, "五行"_gbk, "行业"_gbk, "字义"_gbk}));
  EXPECT_GE(company.Rows().size(), 300u);
  std::set<std::string> shortNames = {"各业"_gbk};
  for (const auto& row : sources.TableNamed("company_trades").Rows()) shortNames.insert(row[1]);
  EXPECT_EQ(shortNames.size(), 13u);
  seen.clear();
  const std::set<std::string> elements = {"金"_gbk, "木"_gbk, "水"_gbk, "火"_gbk, "土"_gbk};
  for (const auto& row : company.Rows()) {
    EXPECT_TRUE(seen.insert(row[0]).second) << Utf8(row[0]) << " twice";
    EXPECT_TRUE(elements.count(row[1])) << Utf8(row[0]);
    EXPECT_TRUE(sources.StrokeCount(row[0])) << Utf8(row[0]);
    std::string trades = row[2];
    for (std::size_t at; (at = trades.find("、"_gbk)) != std::string::npos;) {
      EXPECT_TRUE(shortNames.count(trades.substr(0, at))) << Utf8(row[0]);
      trades = trades.substr(at + 2);
    }
    EXPECT_TRUE(shortNames.count(trades)) << Utf8(row[0]);
  }
  const Table& stops = sources.TableNamed("naming_stop_words");
  EXPECT_EQ(stops.Columns(), (std::vector<std::string>{"词语"_gbk, "读音"_gbk, "说明"_gbk}));
  EXPECT_GE(stops.Rows().size(), 200u);
  for (const char* word : {"王水", "阳痿", "饭桶", "禽兽", "死", "病", "穷", "屎"}) EXPECT_TRUE(stops.Find(Utf8ToGbk(word))) << word;
  const Table& radicals = sources.TableNamed("name_radicals");
  for (const auto* list : {&personal, &company}) {
    for (const auto& row : list->Rows()) EXPECT_TRUE(radicals.Find(row[0])) << Utf8(row[0]);
  }
  EXPECT_EQ(radicals.Text("涛"_gbk, "部首"_gbk), "85");  // 水
  const Table& pinyin = sources.TableNamed("pinyin");
  EXPECT_EQ(pinyin.Columns(), (std::vector<std::string>{"汉字"_gbk, "拼音"_gbk}));
  EXPECT_EQ(Utf8(pinyin.Text("张"_gbk, "拼音"_gbk)), "zhāng");
  EXPECT_EQ(Utf8(pinyin.Text("绿"_gbk, "拼音"_gbk)), "lǜ");
}

TEST(NamingRoutes, AnswerTheirThreeAddresses) {
  const Sources& sources = ProgramSources();
  EXPECT_EQ(Title(Answer("/chest/ming.htm", {}, "h:1", sources)), "五格数理起名,在线宝宝取名-[vu姓名网]h:1");
  EXPECT_EQ(Title(Answer("/chest/gs.htm", {}, "h:1", sources)), "vu在线神算h:1--公司起名");
  EXPECT_EQ(Answer("/chest/ming.asp", {}, "h:1", sources).status, 400);
}

}  // namespace
}  // namespace velmora::services
