#include "online/name_scoring.h"

#include "online/html_filter.h"
#include "online/percent_encoding.h"
#include "online/service_addresses.h"
#include "platform/replace_file.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

constexpr int kFirstScoreLine = 70;
constexpr int kDroppedTail = 90;
constexpr std::size_t kLongestPart = 4;
constexpr std::size_t kShortestPart = 2;

}  // namespace

ScoreNameParts ScorePartsOfName(const std::string& name, const std::string& surnameKind) {
  if (surnameKind == "单姓"_gbk) return {BytesAt(name, 1, 2), BytesAt(name, 3, 4)};
  return {BytesAt(name, 1, 4), BytesAt(name, 5, 4)};
}

ScoreNameParts ScorePartsOnLeave(ScoreNameParts parts, bool leavingSurname) {
  std::string& left = leavingSurname ? parts.surname : parts.givenName;
  if (left.size() > kLongestPart) left.resize(kLongestPart);
  if (left.size() < kShortestPart) return {"输入"_gbk, "有误"_gbk};
  return parts;
}

std::string NameScoreAddress(const std::string& base, const ScoreNameParts& parts) {
  return base + "/ceming/cmjg-mz.asp?youname1=" + PercentEncoded(parts.surname) + "&youname2=" +
         PercentEncoded(parts.givenName);
}

void CutScorePage(const std::string& body, LineBuffer& memo1, LineBuffer& memo2, const std::string& serviceBase) {
  memo1.Clear();
  memo2.Clear();
  memo1.SetText(body);
  memo2.AppendLines(memo1, kFirstScoreLine, memo1.Count() - kDroppedTail);
  memo2.ReplaceAll("width=", "");
  memo2.ReplaceAll("想 改名、起名 吗？点这里申请得到一个好名>>>"_gbk, "");
  memo2.ReplaceAll("另外花钱不要大手大脚的啊。"_gbk, "");
  memo2.ReplaceAll("点此申请"_gbk, "电脑算命"_gbk);
  memo2.ReplaceAll("点这里申请大师为您起名>>>"_gbk, "");
  memo2.ReplaceAll(serviceBase + "/qmsq/grqmsq.asp", std::string(kMakerAddress));
  memo2.ReplaceAll("<img src=\"" + serviceBase + "/images/201008/n6zqs.gif\" border=\"0\">", "");
}

void WriteScorePage(const LineBuffer& memo2, const std::string& path) {
  ReplaceFile(path, memo2.Count() == 0 ? std::string() : FilterAnswerHtml(memo2.Text()));
}

}  // namespace velmora
