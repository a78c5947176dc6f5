#pragma once
// The horoscope pages of the service.
//
// /yuncheng_xingzuo_new.php?type=w&xingzuo=N (N 1..12, 白羊座 .. 双鱼座): the
// forecast of the current week (Monday to Sunday, UTC+8) for that sign,
// computed from the sky of the week (week_sky.h, week_forecast.h) and told in
// the reviewed prose of data/services/forecast_*.tsv. Its text holds the line
// "周运程", the facts used, the ratings with their reasons and the days, and
// then the row of links "　　　昨日星运　　　明日星运　　　本周星运　　　本月星运".
//
// /birthday/M-D.htm (the 366 days of a leap year): the birthday code of that
// day under the birthday page's title: four lines below the navigation line
// "本站首页 | 免费在线算命论坛社区 | 在线批八字算命" the sign, decan and ruling
// planet, the birthday number, the month's birthstone and flower, the day's
// own sentence, the portrait, strengths and weaknesses, love, career, health,
// the best matches, lucky number and colour, from the reviewed prose of
// data/services/birthday_*.tsv; then the line "【关闭窗口】". Any other day
// gets the 404 page.

#include <vector>

#include "services/routes.h"

namespace velmora::services {

std::vector<Route> HoroscopeRoutes();

// The two handlers; the forecast throws BadRequest for a type other than "w"
// or a number outside 1..12.
Page ForecastPage(const Query& query, const Sources& sources);
Page BirthdayPage(const Query& query, const Sources& sources);

}  // namespace velmora::services
