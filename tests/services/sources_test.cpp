#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "services/sources.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

// A value derived from the tables, counted so that a second build shows.
struct RowCount {
  explicit RowCount(const Sources& sources) : rows(sources.TableNamed("pinyin").Rows().size()) {}
  std::size_t rows;
};

TEST(Sources, ThreadsThatNeedATableFirstAllGetTheOneTableReadOnce) {
  const Sources sources(VELMORA_PROGRAM_FOLDER "/");
  constexpr int kThreads = 8;
  std::vector<const Table*> tables(kThreads);
  std::vector<std::optional<int>> strokes(kThreads);
  std::vector<const RowCount*> derived(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      tables[i] = &sources.TableNamed("pinyin");
      strokes[i] = sources.StrokeCount(Utf8ToGbk("张"));
      derived[i] = &sources.Derived<RowCount>();
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < kThreads; ++i) {
    EXPECT_EQ(tables[i], tables[0]) << i;
    EXPECT_EQ(strokes[i], 11) << i;  // 張
    EXPECT_EQ(derived[i], derived[0]) << i;
  }
  EXPECT_GT(tables[0]->Rows().size(), 20000u);
  EXPECT_EQ(derived[0]->rows, tables[0]->Rows().size());
  const Sources copy = sources;  // a copy reads from the same tables and shares what was derived
  EXPECT_EQ(&copy.TableNamed("pinyin"), tables[0]);
  EXPECT_EQ(&copy.Derived<RowCount>(), derived[0]);
  const Sources other(VELMORA_PROGRAM_FOLDER "/");  // other sources derive their own
  EXPECT_NE(&other.Derived<RowCount>(), derived[0]);
  EXPECT_THROW(sources.TableNamed("no such table"), std::runtime_error);
}

}  // namespace
}  // namespace velmora::services
