#pragma once
// The answers of the two online chart readings, computed by the chart engine:
//   /bazi/sizhu.asp      the full four-pillar reading (fields china95_year,
//                        china95_month, china95_day, china95_time, sex "1"/"0")
//   /chest/bz/bazi.asp   the chart with its score out of 100 (fields name, sex
//                        "男"/"女", y, m, d, h) and its element bars, whose
//                        pictures lie under /chest/bz/images/.
// Both take the optional minute and place (or longitude) fields of
// services/birth_fields.h and show the whole chart with its judgement
// (strength, 格局, 用神 to 闲神 and the prose of services/bazi_judgement_text.h,
// each paragraph in an element of class "prose"). Both pages keep the
// readings where the program cuts them: the four-pillar reading between its
// two marker lines, the score in body lines 5..108 and 113..(count - 28) as
// the browser writes the body out (the birth's date and place open the chart
// table; the prose and the whole chart follow the bars).

#include <vector>

#include "services/routes.h"

namespace velmora::services {

std::vector<Route> BaziRoutes();

Page SizhuPage(const Query& query, const Sources& sources);
Page BaziScorePage(const Query& query, const Sources& sources);

// The body lines of the score page before the chart table, in the table,
// between the tables and after the bars, as the program's cut expects them.
inline constexpr int kScoreLinesBefore = 5;
inline constexpr int kScoreTableLines = 104;
inline constexpr int kScoreLinesBetween = 4;
inline constexpr int kScoreLinesAfter = 27;

}  // namespace velmora::services
