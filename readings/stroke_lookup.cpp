#include "readings/stroke_lookup.h"

#include "text/gbk.h"

namespace velmora {

std::string LookupStrokeCount(ReferenceDb& db, const std::string& character) {
  if (character.empty()) return {};
  db.Lookup("select * from 汉字笔划 where 汉字 like \"%"_gbk + character + "%\"");
  return db.FieldText("数字"_gbk);
}

}  // namespace velmora
