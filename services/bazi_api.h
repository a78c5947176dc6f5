#pragma once
// The chart as JSON for programs: GET /api/bazi with UTF-8 parameters
//   birth      yyyy-mm-dd (years 1..2100)
//   time       H, HH, H:MM or HH:MM (default 0, no minute)
//   sex        男 or 女 (default 男)
//   place      a place of the place table, with `province` when namesakes exist;
//   longitude  or degrees east (-180..180) instead of a place
// answers the document of services/chart_json.h; a request it cannot read gets
// status 400 and {"error": {"field", "message"}} naming the field.

#include <vector>

#include "services/routes.h"

namespace velmora::services {

std::vector<Route> ApiRoutes();

Page BaziJsonPage(const Query& query, const Sources& sources);

}  // namespace velmora::services
