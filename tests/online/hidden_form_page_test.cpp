#include <gtest/gtest.h>

#include "online/hidden_form_page.h"
#include "tests/online/fake_browser.h"

namespace velmora {
namespace {

constexpr const char* kForm = "form";
constexpr const char* kError = "error";

// What happens to the browser and the form page, in order: a command sends
// (its fill numbered by the order of sends), the program loads the page, or
// a top-level document completes with the title given.
struct Step {
  enum Kind { Send, Load, Complete } kind;
  const char* title = nullptr;
};

TEST(HiddenFormPage, ACommandAlwaysFillsTheFormOnceItIsThere) {
  struct Case {
    const char* what;
    bool backToForm;
    std::vector<Step> steps;
    int navigations;         // loads of the form page
    std::vector<int> fills;  // the fills that ran, in order
  };
  const Step loaded[] = {{Step::Load}, {Step::Complete, kForm}};  // the form page in place
  auto after = [&loaded](std::vector<Step> steps) {
    steps.insert(steps.begin(), std::begin(loaded), std::end(loaded));
    return steps;
  };
  const Case cases[] = {
      {"on the form: at once", false, after({{Step::Send}}), 1, {1}},
      {"before the form was loaded: once it has", false,
       {{Step::Send}, {Step::Complete, kForm}, {Step::Complete, kForm}}, 1, {1}},
      {"while the program loads it: no second load", false,
       {{Step::Load}, {Step::Send}, {Step::Load}, {Step::Complete, kForm}}, 1, {1}},
      {"two commands before it loaded: the later one", false,
       {{Step::Send}, {Step::Send}, {Step::Complete, kForm}}, 1, {2}},
      {"the end of the page it replaced does not run the fill", false,
       {{Step::Send}, {Step::Complete, kError}, {Step::Complete, kForm}}, 1, {1}},
      {"after an error page, the next command loads the form", false,
       after({{Step::Send}, {Step::Complete, kError}, {Step::Send}, {Step::Complete, kForm}}), 2, {1, 2}},
      {"after an error page, back to the form when asked", true,
       after({{Step::Send}, {Step::Complete, kError}, {Step::Complete, kForm}, {Step::Send}}), 2, {1, 2}},
      {"a form page that fails to load is not loaded for ever", true,
       after({{Step::Complete, kError}, {Step::Complete, kError}}), 2, {}},
      {"without being asked, an error page stays", false, after({{Step::Complete, kError}}), 1, {}},
  };
  for (const Case& c : cases) {
    FakeBrowser page;  // a new browser: no document yet
    HiddenFormPage form(page, "/p/data/ssdc.db", kForm);
    std::vector<int> fills;
    int sends = 0;
    for (const Step& step : c.steps) {
      if (step.kind == Step::Send) {
        const int number = ++sends;
        form.Send([&fills, number](Browser&) { fills.push_back(number); });
      } else if (step.kind == Step::Load) {
        form.Load();
      } else {
        page.title = step.title;
        form.Completed(c.backToForm);
      }
    }
    EXPECT_EQ(page.navigations, std::vector<std::string>(static_cast<std::size_t>(c.navigations), "/p/data/ssdc.db"))
        << c.what;
    EXPECT_EQ(fills, c.fills) << c.what;
  }
}

}  // namespace
}  // namespace velmora
