// The phone reader: any text the input box can hold. Its one-pass number
// test agrees with the pattern it replaced (tried on short texts, where the
// recursive pattern match is safe and quick enough), and the only errors are
// the conversion errors the reading describes.

#include <regex>
#include <stdexcept>

#include "fuzz/fuzz_input.h"
#include "readings/phone_numerology.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  const std::string input(Bytes(data, size));
  bool number = true;
  try {
    const PhoneReading reading = ReadPhoneNumber(input);
    number = reading.outcome != PhoneReading::Outcome::NotANumber;
    Check(number == !reading.message.empty(), "a number, and only a number, gets a message");
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    Check(message.find("is not a valid integer value") != std::string::npos ||
              message.find("is not a valid floating point value") != std::string::npos,
          "only the conversion errors are raised");
  }
  if (size <= 64) {
    static const std::regex kPattern(R"(^ *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)? *$)");
    Check(number == std::regex_match(input, kPattern), "the number test agrees with the pattern");
  }
  return 0;
}
