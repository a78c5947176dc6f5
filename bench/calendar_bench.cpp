// Conversion speed of the lunar engine against ICU's Chinese calendar over the
// same days, the cost of filling one month grid of the calendar control, and
// the cost of the four pillars of one birth with the solar-term moments of
// libnova (cached per year, and one year's 24 moments computed afresh), and the
// true solar time of a birth at a place.

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calendar/day_facts.h"
#include "calendar/day_number.h"
#include "calendar/four_pillars.h"
#include "calendar/term_moments.h"
#include "calendar/true_solar_time.h"
#include "calendar/lunar_conversion.h"

namespace {

using velmora::CivilDate;

const std::vector<CivilDate>& AllDays() {
  static const std::vector<CivilDate> days = [] {
    std::vector<CivilDate> all;
    for (velmora::DayNumber n = velmora::DayNumberOf(1901, 1, 1), last = velmora::DayNumberOf(2100, 12, 31);
         n <= last; ++n) {
      all.push_back(*velmora::DateOfDayNumber(n));
    }
    return all;
  }();
  return days;
}

void BM_SolarToLunar(benchmark::State& state) {
  const auto& days = AllDays();
  for (auto _ : state) {
    for (const CivilDate& day : days) benchmark::DoNotOptimize(velmora::SolarToLunar(day));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * days.size()));
}

void BM_IcuChineseCalendar(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone("GMT+08:00"));
  // The "chinese" calendar keyword gives icu::ChineseCalendar behind the Calendar interface.
  std::unique_ptr<icu::Calendar> calendar(
      icu::Calendar::createInstance(zone->clone(), icu::Locale("zh_CN@calendar=chinese"), status));
  if (U_FAILURE(status) || std::string(calendar->getType()) != "chinese") {
    state.SkipWithError("ICU Chinese calendar unavailable");
    return;
  }
  const auto& days = AllDays();
  constexpr double kMillisPerDay = 86400000.0;
  // Midnight UTC+8 of 1901-01-01, in ICU's milliseconds since 1970.
  const double first = (velmora::DayNumberOf(1901, 1, 1) - velmora::DayNumberOf(1970, 1, 1)) * kMillisPerDay -
                       8 * 3600000.0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < days.size(); ++i) {
      calendar->setTime(first + static_cast<double>(i) * kMillisPerDay, status);
      benchmark::DoNotOptimize(calendar->get(UCAL_EXTENDED_YEAR, status));
      benchmark::DoNotOptimize(calendar->get(UCAL_MONTH, status));
      benchmark::DoNotOptimize(calendar->get(UCAL_IS_LEAP_MONTH, status));
      benchmark::DoNotOptimize(calendar->get(UCAL_DATE, status));
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * days.size()));
}

// What the month calendar does on every date change: six weeks of cells.
void BM_FillMonthGrid(benchmark::State& state) {
  const velmora::DayNumber gridStart = velmora::DayNumberOf(2027, 1, 31);
  velmora::TChnCal record;
  for (auto _ : state) {
    for (int cell = 0; cell < 42; ++cell) {
      velmora::FillDayFacts(record, velmora::DateTime{*velmora::DateOfDayNumber(gridStart + cell)});
    }
    benchmark::DoNotOptimize(record);
  }
}

// The four pillars of one birth, as 八字起名 and the bazi chart ask for them.
void BM_FourPillarsOfOneBirth(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(velmora::FourPillarsOf({1990, 5, 27}, 11));
}

// 2200 lies outside the cached years, so every call solves the year's 24
// moments anew: what the first chart of a year costs.
void BM_TermMomentsOfAFreshYear(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(velmora::TermMoment(2200, 1));
}

// The true solar time of a birth in 喀什 (China's own rule) and in New York
// (the tz database's offset and daylight saving at that date).
void BM_TrueSolarTimeInChina(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmora::TrueSolarTimeOf({{2000, 11, 3}, 12, 30}, 75.99, velmora::kChinaZone));
  }
}
void BM_TrueSolarTimeAbroad(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmora::TrueSolarTimeOf({{2024, 7, 4}, 12, 0}, -74.0064, "America/New_York"));
  }
}

BENCHMARK(BM_SolarToLunar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IcuChineseCalendar)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FillMonthGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourPillarsOfOneBirth)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_TermMomentsOfAFreshYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueSolarTimeInChina)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_TrueSolarTimeAbroad)->Unit(benchmark::kNanosecond);

// Keeps the conversion rates so that their ratio can be printed after the run.
class RateReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto found = run.counters.find("items_per_second");
      if (found != run.counters.end()) rates_[run.benchmark_name()] = found->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Rate(const std::string& name) const {
    for (const auto& [benchmark, rate] : rates_) {
      if (benchmark.rfind(name, 0) == 0) return rate;
    }
    return 0;
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RateReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double engine = reporter.Rate("BM_SolarToLunar");
  const double icu = reporter.Rate("BM_IcuChineseCalendar");
  std::printf("SolarToLunar: %.0f conversions/s\nICU ChineseCalendar: %.0f conversions/s\n", engine, icu);
  if (engine > 0 && icu > 0) std::printf("ratio: %.1f times faster than ICU\n", engine / icu);
  benchmark::Shutdown();
  return 0;
}
