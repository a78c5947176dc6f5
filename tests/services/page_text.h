#pragma once
// A service page read as the windows read it: the lines of its body text,
// and the paragraphs of a chart page's judgement.
// The pages put every line of text in an element of its own, so a line of the
// body without its tags and entities is one line of the text.

#include <string>
#include <vector>

#include "services/page.h"

namespace velmora::services::testing {

// The body's lines with text, in UTF-8.
std::vector<std::string> PageTextLines(const Page& page);

// The texts (UTF-8) of the lines that hold an element of class "prose": the
// paragraphs of a chart page's judgement.
std::vector<std::string> ProseParagraphs(const Page& page);

// The index of the first line equal to the text; -1 when there is none.
int IndexOfLine(const std::vector<std::string>& lines, const std::string& line);

// The lines from `skip` lines after the start line up to the end line; empty
// when either is missing.
std::vector<std::string> LinesBetween(const std::vector<std::string>& lines, const std::string& start,
                                      const std::string& end, int skip = 1);

}  // namespace velmora::services::testing
