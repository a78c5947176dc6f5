#include <gtest/gtest.h>

#include "platform/local_page_policy.h"

namespace velmora {
namespace {

TEST(LocalPagePolicy, StandsFirstAndLeavesADocumentTypeInFront) {
  const std::string meta =
      "<meta http-equiv=\"Content-Security-Policy\" content=\"" + std::string(kLocalPagePolicy) + "\">";
  struct Case {
    std::string page;
    std::string out;
  };
  const Case cases[] = {
      {"<html>\r\n<Body bgcolor=\"white\">", meta + "<html>\r\n<Body bgcolor=\"white\">"},  // a report page
      {"", meta},
      // a declaration before it would put the page in quirks mode
      {"<!DOCTYPE html>\r\n<html>", "<!DOCTYPE html>" + meta + "\r\n<html>"},
      {"\r\n  <!doctype HTML><p>", "\r\n  <!doctype HTML>" + meta + "<p>"},
      // comments may come before the declaration
      {"<!-- c -->\n<!-- d --><!DOCTYPE html><p>", "<!-- c -->\n<!-- d --><!DOCTYPE html>" + meta + "<p>"},
      {"<!-- c --><p>", meta + "<!-- c --><p>"},
      // nothing left open may swallow it
      {"<!DOCTYPE html", meta + "<!DOCTYPE html"},
      {"<!-- c <!DOCTYPE html>", meta + "<!-- c <!DOCTYPE html>"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithLocalPagePolicy(c.page), c.out) << c.page;
}

}  // namespace
}  // namespace velmora
