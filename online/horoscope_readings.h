#pragma once
// The two horoscope windows' readings: 本周星座运程 loads the forecast page of
// the chosen constellation and keeps the lines between "周运程" and the row of
// links under the forecast; 生日密码 loads the page of the birthday's month
// and day, recognises it by its title and keeps the lines from four below its
// navigation line up to "【关闭窗口】", under a heading naming the person.
// Texts are GBK.

#include <array>
#include <string>

#include "calendar/civil_date.h"
#include "online/line_buffer.h"
#include "online/online_check.h"
#include "online/service_addresses.h"
#include "platform/browser.h"

namespace velmora {

inline constexpr int kConstellationCount = 12;

// 白羊座, 金牛座, ... 双鱼座: the order of the forecast window's choices and of
// the forecast service's numbers 1..12.
const std::array<std::string, kConstellationCount>& ConstellationNames();

// What the horoscope commands say when the machine counts as offline.
const std::string& OfflineMessage();  // 你的机器可能未联接到网络\r\r本功能需要实时在线！

// True when a command must refuse: the service is a remote one and the
// machine counts as offline. The bundled service needs no network.
bool OfflineForService(const ServiceAddresses& addresses, Service service,
                       const HostAddresses& hostAddresses = ResolveOwnHostAddresses);

// base + "/yuncheng_xingzuo_new.php?type=w&xingzuo=" + (index + 1), for the
// index 0..11 of the chosen constellation.
std::string ForecastAddress(const std::string& base, int index);
const std::string& ForecastStartMarker();  // 周运程
const std::string& ForecastEndMarker();    // the row of links, ideographic spaces included

// Every completion of the forecast page: both buffers cleared, the page's
// text read into `text`, and `shown` given the lines after "周运程" (from the
// first line when it is missing) up to the end marker (nothing without it).
void TakeForecastAnswer(Browser& page, LineBuffer& text, LineBuffer& shown);

// The birthday key: month and day without leading zeros, such as "3-7".
std::string BirthdayKey(const CivilDate& date);
// "姓名:" + name + "  性别:" + sex + "  生于:" + key.
std::string BirthdayHeading(const std::string& name, const std::string& sex, const std::string& key);
// base + "/birthday/" + key + ".htm".
std::string BirthdayAddress(const std::string& base, const std::string& key);
const std::string& BirthdayPageTitle();
const std::string& BirthdayStartMarker();  // 本站首页 | 免费在线算命论坛社区 | 在线批八字算命
const std::string& BirthdayEndMarker();    // 【关闭窗口】
// What the birthday window says for a page that is not the birthday page.
const std::string& BirthdayErrorMessage();  // 网络连接错误，请确保当前已联网\r\n或请候后再试......

// A completion of the birthday page. When the title is not the birthday
// page's, returns false and changes nothing. Otherwise both buffers are
// cleared, `shown` gets an empty line, the heading, two empty lines, then the
// page's lines from four below the start marker (from line 3 without it) up
// to the end marker (none without it); returns true.
bool TakeBirthdayAnswer(Browser& page, const std::string& heading, LineBuffer& text, LineBuffer& shown);

}  // namespace velmora
