#include <gtest/gtest.h>

#include "online/form_filling.h"
#include "readings/element_count_page.h"

namespace velmora {
namespace {

TEST(FormFilling, SetsEveryControlOfTheNameAndFindsTheFirstButton) {
  ElementCountPage page;
  SetFormField(page, "y", "1990");
  SetFormField(page, "nosuchfield", "x");  // skipped without a word
  SetFormField(page, "chart", "x");        // the form itself is no control
  const std::vector<BrowserElement> elements = page.Elements();
  EXPECT_EQ(elements[1].value, "1990");
  EXPECT_EQ(elements[0].value, "");
  EXPECT_EQ(FirstButtonInput(page), 5);
}

}  // namespace
}  // namespace velmora
