// The two naming pages of the answering service, one request per iteration,
// on the built services.db: the personal answer (/chest/ming.asp) and the
// company answer (/chest/gs.htm) over a round of surnames, sexes, lengths and
// trades, so that no answer is a repeat of the one before. The lists the pages
// share are read before the timing starts, as the service reads them at its
// first naming request.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "services/naming_pages.h"
#include "services/sources.h"
#include "text/gbk.h"

namespace {

using velmora::Utf8ToGbk;
using velmora::services::Query;

const velmora::services::Sources& TheSources() {
  static const velmora::services::Sources sources(VELMORA_PROGRAM_FOLDER "/");
  return sources;
}

const std::vector<std::string>& Surnames() {
  static const std::vector<std::string> surnames = [] {
    std::vector<std::string> gbk;
    for (const char* surname : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "欧", "司"}) {
      gbk.push_back(Utf8ToGbk(surname));
    }
    return gbk;
  }();
  return surnames;
}

void BM_PersonalNamingAnswer(benchmark::State& state) {
  std::vector<Query> queries;
  for (const std::string& surname : Surnames()) {
    for (const char* sex : {"男", "女"}) {
      for (const char* length : {"3", "2"}) {
        queries.emplace_back(
            std::multimap<std::string, std::string>{{"xing", surname}, {"xingbie", Utf8ToGbk(sex)}, {"zishu", length}},
            "127.0.0.1:8000");
      }
    }
  }
  benchmark::DoNotOptimize(velmora::services::PersonalNamingAnswer(queries.front(), TheSources()));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmora::services::PersonalNamingAnswer(queries[i++ % queries.size()], TheSources()));
  }
}
BENCHMARK(BM_PersonalNamingAnswer)->Unit(benchmark::kMicrosecond);

void BM_CompanyNamingAnswer(benchmark::State& state) {
  std::vector<Query> queries;
  const std::vector<std::string> trades = {Utf8ToGbk("农林牧渔相关业"), Utf8ToGbk("技术服务性行业"),
                                           Utf8ToGbk("住宿餐饮租赁业")};
  for (const std::string& surname : Surnames()) {
    for (const std::string& trade : trades) {
      for (const char* length : {"2", "3"}) {
        queries.emplace_back(
            std::multimap<std::string, std::string>{{"xing", surname}, {"hangye", trade}, {"zishu", length}},
            "127.0.0.1:8000");
      }
    }
  }
  benchmark::DoNotOptimize(velmora::services::CompanyNamingPage(queries.front(), TheSources()));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmora::services::CompanyNamingPage(queries[i++ % queries.size()], TheSources()));
  }
}
BENCHMARK(BM_CompanyNamingAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
