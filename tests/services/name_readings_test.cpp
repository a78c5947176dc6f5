#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "services/name_chart.h"
#include "services/name_pages.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"
#include "text/utf8.h"
#include "tools/refdb/gbk_ideographs.h"

namespace velmora {
namespace {

// The tone of a kMandarin reading, read from its marks without the service's table.
int ToneOfMarked(const std::string& reading) {
  static const std::string kTones[4] = {"āēīōūǖ", "áéíóúǘḿń", "ǎěǐǒǔǚň", "àèìòùǜǹ"};
  for (const char32_t c : DecodeUtf8(reading)) {
    for (int tone = 0; tone < 4; ++tone) {
      for (const char32_t marked : DecodeUtf8(kTones[tone])) {
        if (c == marked) return tone + 1;
      }
    }
  }
  return 5;
}

TEST(NameReadings, EveryGb2312CharacterHasItsUnihanTone) {
  std::ifstream in(VELMORA_UNIHAN_FOLDER "/Unihan_Readings.txt");
  ASSERT_TRUE(in);
  std::map<char32_t, std::string> unihan;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string codePoint, field, reading;
    if (!(fields >> codePoint >> field >> reading) || field != "kMandarin") continue;
    unihan[static_cast<char32_t>(std::stoul(codePoint.substr(2), nullptr, 16))] = reading;
  }
  const std::vector<char32_t> ideographs = tools::GbkIdeographs();
  constexpr std::size_t kGb2312Characters = 6763;
  std::size_t checked = 0;
  for (std::size_t i = 0; i < kGb2312Characters; ++i) {
    const std::string character = Utf8ToGbk(EncodeUtf8(ideographs[i]));
    const services::NameChart chart = services::ChartName("", character, services::testing::ProgramSources());
    ASSERT_TRUE(unihan.count(ideographs[i])) << GbkToUtf8(character);
    ASSERT_TRUE(chart.characters.at(0).reading) << GbkToUtf8(character);
    EXPECT_EQ(chart.characters[0].reading->tone, ToneOfMarked(unihan[ideographs[i]])) << GbkToUtf8(character);
    ++checked;
  }
  EXPECT_EQ(checked, kGb2312Characters);
}

TEST(NameReadings, ACharacterWithoutAReadingShowsAQuestionMark) {
  const std::string character = Utf8ToGbk("兙");  // in GBK, without a kMandarin reading
  EXPECT_FALSE(services::ChartName("", character, services::testing::ProgramSources()).characters.at(0).reading);
  const services::Page page =
      services::NameDetailPage(services::testing::QueryOf({{"word", "李兙"}}), services::testing::ProgramSources());
  EXPECT_NE(GbkToUtf8(page.body).find("　　兙 ? ?"), std::string::npos);
}

}  // namespace
}  // namespace velmora
