#include "readings/name_picker.h"

#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {

std::vector<std::string> StrokePairCodes(const std::string& text) {
  std::vector<std::string> codes;
  for (int p = 1; p < static_cast<int>(text.size()); p += 5) codes.push_back(BytesAt(text, p, 4));
  return codes;
}

std::optional<std::vector<std::string>> StrokePairListFor(ReferenceDb& db, const std::string& name,
                                                          ValueLabels& labels) {
  db.Lookup("select * from 汉字笔划 where 汉字 like \"%"_gbk + BytesAt(name, 1, 2) + "%\"");
  if (!name.empty() && db.RecordCount() == 0) return std::nullopt;
  labels.Set("Label38", name.empty() ? std::string() : db.FieldText("数字"_gbk));
  db.Lookup("select * from 起名笔划 where 姓氏 = \""_gbk + labels.Get("Label38") + "\"");
  return StrokePairCodes(db.FieldText("内容"_gbk));
}

std::vector<std::string> CharacterGridCells(ReferenceDb& db, int strokeCount) {
  db.Lookup("select * from 汉字笔划 where 数字 = \""_gbk + std::to_string(strokeCount) + "\"");
  const std::string characters = db.FieldText("汉字"_gbk);
  std::vector<std::string> cells;
  for (int cell = 0; cell < kGridColumns * kGridRows; ++cell) cells.push_back(BytesAt(characters, 1 + 2 * cell, 2));
  return cells;
}

std::string ComposePickedName(const std::string& name, const std::string& surnameKind, const std::string& first,
                              const std::string& second) {
  const int surnameBytes = surnameKind == "单姓"_gbk ? 2 : 4;
  return BytesAt(name, 1, surnameBytes) + first + second;
}

}  // namespace velmora
