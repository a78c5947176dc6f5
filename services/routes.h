#pragma once
// The one table of the service's addresses and what answers them. A route's
// pattern is an exact path or a path with one "{}" that captures a part
// without "/" (such as "/birthday/{}.htm"). Addresses no route claims are
// looked up among the static files of the program folder's "www" folder
// (pictures, scripts), and anything else is a 404 page. "/health" answers
// "ok" while the service serves, for load balancers.

#include <map>
#include <string>
#include <vector>

#include "services/page.h"
#include "services/query.h"
#include "services/sources.h"

namespace velmora::services {

using PageFunction = Page (*)(const Query& query, const Sources& sources);

struct Route {
  std::string pattern;
  PageFunction page;
};

// Every route of the service, in the order they are tried.
const std::vector<Route>& RouteTable();

// The part "{}" of the pattern stands for in the path; nothing when the path
// does not match.
std::optional<std::string> MatchRoute(const std::string& pattern, const std::string& path);

// The answer to a request for the path with those decoded parameters, sent to
// the host; a request the route cannot read gets the 400 page.
Page Answer(const std::string& path, std::multimap<std::string, std::string> parameters, const std::string& host,
            const Sources& sources);

}  // namespace velmora::services
