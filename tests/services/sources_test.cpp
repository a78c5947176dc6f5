#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "services/sources.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

TEST(Sources, ThreadsThatNeedATableFirstAllGetTheOneTableReadOnce) {
  const Sources sources(VELMORA_PROGRAM_FOLDER "/");
  constexpr int kThreads = 8;
  std::vector<const Table*> tables(kThreads);
  std::vector<std::optional<int>> strokes(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      tables[i] = &sources.TableNamed("pinyin");
      strokes[i] = sources.StrokeCount(Utf8ToGbk("张"));
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < kThreads; ++i) {
    EXPECT_EQ(tables[i], tables[0]) << i;
    EXPECT_EQ(strokes[i], 11) << i;  // 張
  }
  EXPECT_GT(tables[0]->Rows().size(), 20000u);
  const Sources copy = sources;  // a copy reads from the same tables
  EXPECT_EQ(&copy.TableNamed("pinyin"), tables[0]);
  EXPECT_THROW(sources.TableNamed("no such table"), std::runtime_error);
}

}  // namespace
}  // namespace velmora::services
