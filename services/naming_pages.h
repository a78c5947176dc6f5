#pragma once
// The naming service's pages: the personal naming form (/chest/ming.htm) and
// its answer (/chest/ming.asp, fields xing, xingbie 男|女, zishu 3|2), and the
// company naming page (/chest/gs.htm: the form without fields, the answer with
// xing of one or two characters, hangye, zishu 2|3). Titles name the host the request was sent to;
// the answers hold their proposals between the marker lines the naming
// windows cut at. Pages are GBK.

#include <string>
#include <vector>

#include "services/page.h"
#include "services/query.h"
#include "services/routes.h"
#include "services/sources.h"

namespace velmora::services {

std::vector<Route> NamingRoutes();

// Throws BadRequest when a field is missing or unusable.
Page PersonalNamingForm(const Query& query, const Sources& sources);
Page PersonalNamingAnswer(const Query& query, const Sources& sources);
Page CompanyNamingPage(const Query& query, const Sources& sources);

}  // namespace velmora::services
