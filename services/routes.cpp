#include "services/routes.h"

#include "services/bazi_api.h"
#include "services/bazi_pages.h"
#include "services/horoscope_pages.h"
#include "services/name_pages.h"
#include "services/naming_pages.h"
#include "services/static_files.h"

namespace velmora::services {
namespace {

// What a load balancer asks to learn that this copy is serving.
Page HealthPage(const Query&, const Sources&) { return {200, "ok\n", "text/plain; charset=us-ascii"}; }

}  // namespace

const std::vector<Route>& RouteTable() {
  // One family of routes per group of readings.
  static const std::vector<Route> routes = [] {
    std::vector<Route> all = {{"/health", HealthPage}};
    for (const std::vector<Route>& family :
         std::initializer_list<std::vector<Route>>{BaziRoutes(), HoroscopeRoutes(), NamingRoutes(), NameRoutes(),
                                                   ApiRoutes()}) {
      all.insert(all.end(), family.begin(), family.end());
    }
    return all;
  }();
  return routes;
}

std::optional<std::string> MatchRoute(const std::string& pattern, const std::string& path) {
  const std::size_t hole = pattern.find("{}");
  if (hole == std::string::npos) return pattern == path ? std::optional<std::string>("") : std::nullopt;
  const std::string_view prefix(pattern.data(), hole);
  const std::string_view suffix = std::string_view(pattern).substr(hole + 2);
  if (path.size() <= prefix.size() + suffix.size() || !path.starts_with(prefix) || !path.ends_with(suffix)) {
    return std::nullopt;
  }
  std::string part = path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
  if (part.find('/') != std::string::npos) return std::nullopt;
  return part;
}

Page Answer(const std::string& path, std::multimap<std::string, std::string> parameters, const std::string& host,
            const Sources& sources) {
  for (const Route& route : RouteTable()) {
    std::optional<std::string> part = MatchRoute(route.pattern, path);
    if (!part) continue;
    const Query query(std::move(parameters), host, {std::move(*part)});
    try {
      return route.page(query, sources);
    } catch (const BadRequest& bad) {
      return ErrorPage(400, bad.what());
    }
  }
  if (std::optional<Page> file = StaticFile(sources.Folder(), path)) return std::move(*file);
  return ErrorPage(404, "没有这个页面：" + path);
}

}  // namespace velmora::services
