// The name reading from command to written page: strokes, grids, verdicts,
// page, the report file and the settings write, on the built database; the
// full bazi chart of one birth, as the answering service computes it, and the
// service's JSON answer of a whole chart; the judgement of its pillars
// (strength, 格局, 用神); finding a birthplace in the installed place table;
// and the service's two 八字 pages.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "readings/bazi_chart.h"
#include "readings/birth_places.h"
#include "readings/judgement.h"
#include "readings/name_numerology.h"
#include "services/bazi_api.h"
#include "services/bazi_pages.h"
#include "refdb/settings_file.h"
#include "text/gbk.h"

namespace {

void BM_NameReadingToWrittenPage(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "data");
  std::filesystem::copy_file(VELMORA_PROGRAM_FOLDER "/data/ssdb.db", folder / "data/ssdb.db",
                             std::filesystem::copy_options::overwrite_existing);
  const std::string programFolder = folder.string() + "/";
  velmora::ReferenceDb db(programFolder, velmora::ReferenceDatabase());
  db.Open();
  velmora::BirthProfile profile;
  profile.name = velmora::Utf8ToGbk("欧阳娜娜");
  profile.sex = velmora::Utf8ToGbk("女");
  profile.surnameKind = velmora::Utf8ToGbk("复姓");
  profile.birthDate = {{1990, 5, 27}};
  velmora::ValueLabels labels;
  velmora::ReportPage page;
  const velmora::SettingsFile settings(velmora::SettingsFilePath(programFolder));
  for (auto _ : state) {
    velmora::BuildNamePage(page, velmora::NameReading(db, profile, labels));
    page.WriteTo(programFolder + "ssbx.htm1");
    settings.Write("setup", "name", profile.name);
  }
  std::filesystem::remove_all(folder);
}

BENCHMARK(BM_NameReadingToWrittenPage)->Unit(benchmark::kMillisecond);

// A birth to the minute at a place: the true-solar correction, 神煞, relations
// and the luck timeline all run.
velmora::BirthInput WholeChartBirth() {
  velmora::BirthInput birth;
  birth.clock = {{2000, 11, 3}, 12, 30};
  birth.hasMinute = true;
  birth.longitude = 75.99;
  birth.sex = velmora::Sex::Female;
  return birth;
}

void BM_BaziChartOfOneBirth(benchmark::State& state) {
  velmora::BirthInput birth;
  birth.clock = {{1990, 5, 27}, 11};
  birth.sex = velmora::Sex::Female;
  for (auto _ : state) benchmark::DoNotOptimize(velmora::ChartOf(birth, 2025));
}
BENCHMARK(BM_BaziChartOfOneBirth)->Unit(benchmark::kMicrosecond);

void BM_JudgementOfOneChart(benchmark::State& state) {
  const velmora::FourPillars pillars = velmora::FourPillarsOf({1990, 5, 27}, 11);
  for (auto _ : state) benchmark::DoNotOptimize(velmora::JudgementOf(pillars));
}
BENCHMARK(BM_JudgementOfOneChart)->Unit(benchmark::kMicrosecond);

// A namesake narrowed by province, the common case of a chart with a place.
void BM_FindBirthPlace(benchmark::State& state) {
  const velmora::BirthPlaces& places = velmora::BirthPlaces::Installed(VELMORA_PROGRAM_FOLDER);
  const std::string name = velmora::Utf8ToGbk("朝阳区");
  const std::string province = velmora::Utf8ToGbk("吉林");
  for (auto _ : state) benchmark::DoNotOptimize(places.Find(name, province));
}
BENCHMARK(BM_FindBirthPlace)->Unit(benchmark::kNanosecond);

void BM_WholeBaziChartAtAPlace(benchmark::State& state) {
  const velmora::BirthInput birth = WholeChartBirth();
  for (auto _ : state) benchmark::DoNotOptimize(velmora::ChartOf(birth, 2026));
}
BENCHMARK(BM_WholeBaziChartAtAPlace)->Unit(benchmark::kMicrosecond);

// The service's answer to GET /api/bazi for that birth: reading the fields,
// the chart and its JSON.
void BM_BaziJsonAnswer(benchmark::State& state) {
  const velmora::services::Sources sources(VELMORA_PROGRAM_FOLDER "/");
  const velmora::services::Query query(
      {{"birth", "2000-11-03"}, {"time", "12:30"}, {"sex", "女"}, {"place", "喀什"}}, "127.0.0.1");
  for (auto _ : state) benchmark::DoNotOptimize(velmora::services::BaziJsonPage(query, sources));
}
BENCHMARK(BM_BaziJsonAnswer)->Unit(benchmark::kMicrosecond);

// The service's two 八字 pages for a birth without minute and place, as their
// forms send it: the chart with its judgement, the prose of services.db and
// the page.
void BM_SizhuPage(benchmark::State& state) {
  const velmora::services::Sources sources(VELMORA_PROGRAM_FOLDER "/");
  const velmora::services::Query query({{"china95_year", "1990"}, {"china95_month", "5"}, {"china95_day", "27"},
                                        {"china95_time", "11"}, {"sex", "1"}},
                                       "127.0.0.1");
  for (auto _ : state) benchmark::DoNotOptimize(velmora::services::SizhuPage(query, sources));
}
BENCHMARK(BM_SizhuPage)->Unit(benchmark::kMicrosecond);

void BM_BaziScorePage(benchmark::State& state) {
  const velmora::services::Sources sources(VELMORA_PROGRAM_FOLDER "/");
  const velmora::services::Query query(
      {{"name", velmora::Utf8ToGbk("张三")}, {"sex", velmora::Utf8ToGbk("男")}, {"y", "1990"}, {"m", "5"}, {"d", "27"}, {"h", "11"}},
      "127.0.0.1");
  for (auto _ : state) benchmark::DoNotOptimize(velmora::services::BaziScorePage(query, sources));
}
BENCHMARK(BM_BaziScorePage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
