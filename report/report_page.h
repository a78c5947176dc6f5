#pragma once
// The shared HTML page buffer every reading writes its report into, and the
// file form of a published page: GBK, CR LF after every line, no byte-order mark.

#include <string>
#include <vector>

namespace velmora {

// The coloured title line of a reading page, such as "Velmora - 姓名测算".
std::string PageTitleLine(const std::string& topic);
// The title line of the five-element naming page (no colour).
const std::string& FiveElementTitleLine();
const std::string& PlainSeparator();      // <Hr width="80%"><BR>
const std::string& SmallFontSeparator();  // <Hr width="80%"><font size="2"><BR>
// Lines in the file form of a page: every line followed by CR LF.
std::string FileForm(const std::vector<std::string>& lines);

// The 51 lines that follow the body of most pages.
const std::vector<std::string>& ReportTrailer();

class ReportPage {
 public:
  // Empties the buffer and starts a page with a title and a separator line.
  void BeginPage(const std::string& titleLine, const std::string& separatorLine);
  void AddRaw(const std::string& line);
  // Each line of the text followed by a "<p>" line; an empty text gives an
  // empty line and "<p>".
  void AddParagraph(const std::string& text);
  void AddTrailer();
  void ClosePage();

  const std::vector<std::string>& Lines() const { return lines_; }
  // The file form: every line followed by CR LF.
  std::string FileText() const;
  // Replaces the file with the page; throws std::runtime_error with the file
  // system's error text (and leaves any old file in place) when it cannot.
  void WriteTo(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace velmora
