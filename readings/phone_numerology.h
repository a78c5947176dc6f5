#pragma once
// Phone-number numerology: the last four digits of a mobile number reduced by
// 80 pick one of 81 fixed phrases with their verdicts.

#include <string>

namespace velmora {

// Entry 1..81 of the phrase table (GBK): phrase, full-width space, verdict.
const std::string& PhoneNumberPhrase(int number);

struct PhoneReading {
  enum class Outcome { NotANumber, TooShort, Verdict };
  Outcome outcome;
  std::string message;  // GBK; empty when the input is no number (nothing is shown)
};

// What the input box's text gives. A remainder of 0 takes entry 80. Throws
// the conversion error when the last four characters hold a fraction.
PhoneReading ReadPhoneNumber(const std::string& input);

}  // namespace velmora
