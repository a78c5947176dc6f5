#pragma once
// The name pages of the service: the score of a name (/ceming/cmjg-mz.asp),
// the 形家 reading the name-test form sends for (/xingjia/test.asp), and the
// name detail the name reading searches for (/s). Each page keeps the lines
// its reader cuts where the reader looks for them:
//   score   lines 70 .. count-90 of the page's file hold the score;
//   test    titled "Document Title", the two 680x115 pictures and the heading
//           the reader replaces, and a table 700 wide;
//   detail  titled with the name and "的姓名测试结果"; in the body's text the
//           marker "按下面方式开始测试" stands at line k, and lines 15..k-4 and
//           k+5..count-8 hold the detail.
// Names are GBK, escaped wherever they stand in a page.

#include <vector>

#include "services/routes.h"

namespace velmora::services {

// First line of the score in the score page, and the lines that follow it.
inline constexpr int kScoreFirstLine = 70;
inline constexpr int kScoreTrailingLines = 89;
// Lines of the detail page's text before the detail, and after it.
inline constexpr int kDetailLeadingLines = 15;
inline constexpr int kDetailTrailingLines = 7;

// youname1 (the surname), youname2 (the given name).
Page NameScorePage(const Query& query, const Sources& sources);
// R1 (1 male, 2 female), Name1 (the surname), Name2 (the given name), in traditional characters.
Page XingjiaTestPage(const Query& query, const Sources& sources);
// word (the whole name); st, FrontType and submit1 are the search form's own.
Page NameDetailPage(const Query& query, const Sources& sources);

std::vector<Route> NameRoutes();

}  // namespace velmora::services
