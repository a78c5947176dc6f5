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

using PageFunction = velmora::services::Page (*)(const Query&, const velmora::services::Sources&);

// One request per iteration, going round the queries; the first is answered
// before the timing starts.
void AnswerInTurn(benchmark::State& state, PageFunction page, const std::vector<Query>& queries) {
  benchmark::DoNotOptimize(page(queries.front(), TheSources()));
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(page(queries[i++ % queries.size()], TheSources()));
}

Query Request(const char* field, const std::string& value, const std::string& surname, const char* length) {
  return Query({{"xing", surname}, {field, value}, {"zishu", length}}, "127.0.0.1:8000");
}

void BM_PersonalNamingAnswer(benchmark::State& state) {
  std::vector<Query> queries;
  for (const std::string& surname : Surnames()) {
    for (const char* sex : {"男", "女"}) {
      for (const char* length : {"3", "2"}) queries.push_back(Request("xingbie", Utf8ToGbk(sex), surname, length));
    }
  }
  AnswerInTurn(state, velmora::services::PersonalNamingAnswer, queries);
}
BENCHMARK(BM_PersonalNamingAnswer)->Unit(benchmark::kMicrosecond);

void BM_CompanyNamingAnswer(benchmark::State& state) {
  std::vector<Query> queries;
  for (const char* trade : {"农林牧渔相关业", "技术服务性行业", "住宿餐饮租赁业"}) {
    for (const std::string& surname : Surnames()) {
      for (const char* length : {"2", "3"}) queries.push_back(Request("hangye", Utf8ToGbk(trade), surname, length));
    }
  }
  AnswerInTurn(state, velmora::services::CompanyNamingPage, queries);
}
BENCHMARK(BM_CompanyNamingAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
