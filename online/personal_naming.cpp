#include "online/personal_naming.h"

#include "online/browser_automation.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// Blanks and control characters off both ends, as the edit box trims.
std::string Trimmed(const std::string& text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && isBlank(text[first])) ++first;
  while (end > first && isBlank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

// Characters of a GBK text, a lead byte and its follower counting once.
std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    i += static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
  }
  return count;
}

}  // namespace

NamingService NamingServiceAt(const std::string& base) {
  const std::size_t slashes = base.find("//");
  return {base, slashes == std::string::npos ? base : base.substr(slashes + 2)};
}

std::string PersonalNamingFormTitle(const std::string& serviceDomain) {
  return "五格数理起名,在线宝宝取名-[vu姓名网]"_gbk + serviceDomain;
}

std::string PersonalNamingAnswerTitle(const std::string& serviceDomain) {
  return "三才五格起名,在线宝宝取名-[vu起名网]"_gbk + serviceDomain;
}

const std::string& PersonalNamingStartMarker() { return "三才五格起名返回"_gbk; }

const std::string& PersonalNamingEndMarker() {
  return "·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！"_gbk;
}

const std::string& PersonalNamingErrorText() {
  return "出现错误，请检查：\r\r1、输入的汉字可能不是中华民族有效姓氏。\r\n2、请重新校对你的输入是否准确无误。\r\n3、本功能需要在线，请确认你的机器连接上互联网"_gbk;
}

const std::string& EnterChineseMessage() { return "请输入汉字"_gbk; }

SurnameEntry CheckSurnameEntry(const std::string& text) {
  SurnameEntry entry{Trimmed(text)};
  entry.rejected = CharacterCount(entry.text) * 2 != entry.text.size();
  if (entry.rejected) entry.text.clear();
  return entry;
}

std::optional<std::string> NamingSurname(const std::string& text) {
  if (Trimmed(text).empty()) return std::nullopt;
  return text.size() > 2 ? text.substr(0, 2) : text;
}

std::optional<std::string> TakePersonalNamingPage(Browser& page, LineBuffer& answer, LineBuffer& extract,
                                                  const PersonalNamingRequest& request, const NamingService& service) {
  const std::string title = ReadTitle(page);
  if (title == PersonalNamingFormTitle(service.domain)) {
    answer.Clear();
    extract.Clear();
    CheckRadioByValue(page, request.sex);
    CheckRadioByValue(page, request.length);
    SetFormField(page, kNamingSurnameField, request.surname);
    if (ClickFirstSubmit(page, SubmitName::MustBeEmpty)) return std::nullopt;
  }
  if (title != PersonalNamingAnswerTitle(service.domain)) return PersonalNamingErrorText();
  answer.Append(ReadBodyText(page));
  const int home = answer.Find(service.homeAddress);
  if (home > 1) extract.AppendLines(answer, 1, home - 1);
  const int first = answer.Find(PersonalNamingStartMarker()) + 1;
  const int end = answer.Find(PersonalNamingEndMarker());
  for (int i = first; i < end; ++i) {
    extract.Append("");
    extract.Append(answer.Line(i));
  }
  return extract.Text();
}

}  // namespace velmora
