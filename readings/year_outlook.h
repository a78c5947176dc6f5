#pragma once
// The yearly outlooks of the zodiac animals and the star signs: long texts
// made of sections, each between a line holding its key and a line holding the
// key followed by "。".

#include <string>
#include <vector>

#include "readings/birth_profile.h"
#include "readings/value_labels.h"
#include "report/report_page.h"

namespace velmora {

using TextLines = std::vector<std::string>;

// The lines between the first line equal to key and the first line equal to
// key + "。", empty lines included; nothing when they do not enclose any line.
TextLines SectionLines(const TextLines& text, const std::string& key);

// The outlook texts of the installation, GBK lines, in the program folder.
std::string AnimalYearTextsPath(const std::string& programFolder);
std::string StarSignYearTextsPath(const std::string& programFolder);
// Reads a text file into lines (CR LF or LF); a missing file gives no lines.
TextLines ReadTextLines(const std::string& path);

// 属相运程: the animal of the birth (Spring Festival boundary) and its section.
// Texts without that section (a missing, empty or damaged file) throw
// std::runtime_error naming the file; the labels and the page stay as they were.
void AnimalYearReading(const TextLines& animalYearTexts, const BirthProfile& profile, ValueLabels& labels,
                       ReportPage& page);
// 星座运程: the star sign of the birth date and its section; throws as above.
void StarSignYearReading(const TextLines& starSignYearTexts, const BirthProfile& profile, ValueLabels& labels,
                         ReportPage& page);

}  // namespace velmora
