#include "readings/value_labels.h"

#include "text/gbk.h"

namespace velmora {

ValueLabels::ValueLabels() {
  for (const char* stroke : {"Label5", "Label6", "Label7", "Label8"}) texts_[stroke] = "00";
  for (const char* grid : {"Label14", "Label15", "Label16", "Label17", "Label18"}) texts_[grid] = "000";
  texts_["Label20"] = "000000";
  texts_["Label47"] = "甲子年"_gbk;
  texts_["Label48"] = "羊"_gbk;
  texts_["Label49"] = "子时"_gbk;
  texts_["Label53"] = "腊月"_gbk;
  texts_["Label54"] = "初五"_gbk;
  texts_["lbl7"] = "55";
}

const std::string& ValueLabels::Get(const std::string& label) const {
  static const std::string empty;
  const auto found = texts_.find(label);
  return found == texts_.end() ? empty : found->second;
}

void ValueLabels::Set(const std::string& label, std::string text) { texts_[label] = std::move(text); }

}  // namespace velmora
