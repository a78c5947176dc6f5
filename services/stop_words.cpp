#include "services/stop_words.h"

#include <sstream>
#include <stdexcept>

#include "text/gbk.h"

namespace velmora::services {

StopWords::StopWords(const Table& table) {
  const std::size_t readingColumn = table.Column("读音"_gbk);
  for (const std::vector<std::string>& row : table.Rows()) {
    const std::string& word = row.at(0);
    words_.insert(word);
    if (row.at(readingColumn) == "-") continue;
    std::istringstream syllables(row.at(readingColumn));
    std::string letters;
    Reading reading{{}, word};
    for (std::string marked; syllables >> marked;) {
      const std::optional<Syllable> syllable = ParseSyllable(marked);
      if (!syllable) throw std::runtime_error("naming_stop_words: no syllable " + GbkToUtf8(marked));
      letters += (letters.empty() ? "" : " ") + syllable->letters;
      reading.tones.push_back(syllable->tone);
    }
    readings_[letters].push_back(std::move(reading));
  }
}

std::optional<std::string> StopWords::WordIn(const std::vector<std::string>& characters,
                                             const std::vector<std::optional<Syllable>>& readings,
                                             std::size_t fixed) const {
  for (std::size_t from = 0; from < characters.size(); ++from) {
    std::string run;
    std::string letters;
    bool readable = true;
    for (std::size_t to = from; to < characters.size(); ++to) {
      run += characters[to];
      const bool chosen = to >= fixed;
      if (chosen && words_.count(run)) return run;
      readable = readable && to < readings.size() && readings[to];
      if (!readable) continue;
      letters += (to == from ? "" : " ") + readings[to]->letters;
      if (to == from || !chosen) continue;
      const auto found = readings_.find(letters);
      if (found == readings_.end()) continue;
      for (const Reading& reading : found->second) {
        bool same = true;
        for (std::size_t i = 0; same && i < reading.tones.size(); ++i) {
          same = reading.tones[i] == 5 || reading.tones[i] == readings[from + i]->tone;
        }
        if (same) return reading.word;
      }
    }
  }
  return std::nullopt;
}

}  // namespace velmora::services
