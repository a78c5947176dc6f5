#pragma once
// The Mandarin reading of each character as the answering service stores it:
// the first (most common) reading of Unihan's kMandarin, written in ASCII with
// its tone as a digit, so that every reading survives the trip through GBK.

#include <map>
#include <string>
#include <string_view>

namespace velmora::tools {

// "zhāng" -> "zhang1", "lǚ" -> "lv3" (v stands for ü), "de" -> "de5" (the
// neutral tone), "ḿ" -> "m2". UTF-8 in; throws std::runtime_error for a
// letter no reading uses or for two tone marks in one syllable.
std::string NumberedPinyin(std::string_view marked);

// Every kMandarin reading of a Unihan_Readings.txt, numbered; throws
// std::runtime_error when the file cannot be read or a reading not converted.
std::map<char32_t, std::string> ReadMandarinReadings(const std::string& path);

}  // namespace velmora::tools
