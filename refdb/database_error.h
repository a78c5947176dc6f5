#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// An error of the database layer; its text is what the user sees.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmora
