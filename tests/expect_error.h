#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace velmora::testing {

// Runs `action` and checks that it fails with exactly this message.
template <typename Action>
void ExpectErrorMessage(Action action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no error; expected: " << message;
  } catch (const std::exception& error) {
    EXPECT_EQ(error.what(), message);
  }
}

}  // namespace velmora::testing
