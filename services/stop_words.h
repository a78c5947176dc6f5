#pragma once
// The reviewed stop list of the naming pages (naming_stop_words: 词语, 读音,
// 说明): words a parent or a founder would not want a name to hold or to
// sound like — death, illness, poverty, filth, insults, chemicals, body parts,
// and the well-known comic readings of names. A name is spoiled when a run of
// its characters is such a word, or when a run of two or more of them reads
// like one: the same syllables with the same tones, where a syllable of the
// list written without a tone mark matches any tone. A word whose reading is
// "-" (every single character) is matched by its characters only, since one
// syllable sounds like too many good characters (穷 and 琼). Texts are GBK.

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "services/pinyin.h"
#include "services/sources.h"

namespace velmora::services {

class StopWords {
 public:
  // Reads the table; throws std::runtime_error naming a reading that is no
  // pinyin syllable, which only a broken build can cause.
  explicit StopWords(const Table& table);

  // The stop word that a run of the name's characters is or reads like, or
  // nothing. `readings` holds one entry per character (nothing where the
  // character has no known reading, which then matches no reading). Runs
  // within the first `fixed` characters (a surname nobody chooses) are not
  // looked at.
  std::optional<std::string> WordIn(const std::vector<std::string>& characters,
                                    const std::vector<std::optional<Syllable>>& readings, std::size_t fixed = 0) const;

 private:
  std::unordered_set<std::string> words_;
  // The words' syllables by their letters joined with blanks ("yang wei"):
  // the tones of each word that reads so, 5 for any, and the word.
  struct Reading {
    std::vector<int> tones;
    std::string word;
  };
  std::unordered_map<std::string, std::vector<Reading>> readings_;
};

}  // namespace velmora::services
