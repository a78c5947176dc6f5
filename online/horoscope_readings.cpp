#include "online/horoscope_readings.h"

#include "online/browser_automation.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kBirthdayTextOffset = 4;

}  // namespace

const std::array<std::string, kConstellationCount>& ConstellationNames() {
  static const std::array<std::string, kConstellationCount> names = {
      "白羊座"_gbk, "金牛座"_gbk, "双子座"_gbk, "巨蟹座"_gbk, "狮子座"_gbk, "处女座"_gbk,
      "天秤座"_gbk, "天蝎座"_gbk, "射手座"_gbk, "摩羯座"_gbk, "水瓶座"_gbk, "双鱼座"_gbk,
  };
  return names;
}

const std::string& OfflineMessage() { return "你的机器可能未联接到网络\r\r本功能需要实时在线！"_gbk; }

bool OfflineForService(const ServiceAddresses& addresses, Service service, const HostAddresses& hostAddresses) {
  return addresses.IsRemote(service) && !IsOnline(hostAddresses);
}

std::string ForecastAddress(const std::string& base, int index) {
  return base + "/yuncheng_xingzuo_new.php?type=w&xingzuo=" + std::to_string(index + 1);
}

const std::string& ForecastStartMarker() { return "周运程"_gbk; }
const std::string& ForecastEndMarker() { return "　　　昨日星运　　　明日星运　　　本周星运　　　本月星运"_gbk; }

void TakeForecastAnswer(Browser& page, LineBuffer& text, LineBuffer& shown) {
  shown.Clear();
  text.Clear();
  text.Append(ReadBodyText(page));
  const int first = text.Find(ForecastStartMarker()) + 1;
  const int end = text.Find(ForecastEndMarker());
  shown.AppendLines(text, first, end - 1);
}

std::string BirthdayKey(const CivilDate& date) { return std::to_string(date.month) + "-" + std::to_string(date.day); }

std::string BirthdayHeading(const std::string& name, const std::string& sex, const std::string& key) {
  return "姓名:"_gbk + name + "  性别:"_gbk + sex + "  生于:"_gbk + key;
}

std::string BirthdayAddress(const std::string& base, const std::string& key) {
  return base + "/birthday/" + key + ".htm";
}

const std::string& BirthdayPageTitle() {
  return "元亨利贞网-生日密码运程解析-免费在线算命-星相命理-占卜星座运程-起名取名改名-四柱八字算命-周易八卦六爻风水奇门遁甲-看相测字解梦紫微斗数--大六壬金口诀太乙神数等"_gbk;
}
const std::string& BirthdayStartMarker() { return "本站首页 | 免费在线算命论坛社区 | 在线批八字算命"_gbk; }
const std::string& BirthdayEndMarker() { return "【关闭窗口】"_gbk; }
const std::string& BirthdayErrorMessage() { return "网络连接错误，请确保当前已联网\r\n或请候后再试......"_gbk; }

bool TakeBirthdayAnswer(Browser& page, const std::string& heading, LineBuffer& text, LineBuffer& shown) {
  if (ReadTitle(page) != BirthdayPageTitle()) return false;
  shown.Clear();
  text.Clear();
  for (const std::string& line : {std::string(), heading, std::string(), std::string()}) shown.Append(line);
  text.Append(ReadBodyText(page));
  const int first = text.Find(BirthdayStartMarker()) + kBirthdayTextOffset;
  const int end = text.Find(BirthdayEndMarker());
  shown.AppendLines(text, first, end - 1);
  return true;
}

}  // namespace velmora
