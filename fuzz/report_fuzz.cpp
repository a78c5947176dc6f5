// The report page buffer under any sequence of operations (one byte picks
// each, the pieces between NUL bytes are their texts): a paragraph adds each
// of its lines, without its line break, and a "<p>" after it, and the file
// form is every line followed by CR LF.

#include "fuzz/fuzz_input.h"
#include "report/report_page.h"
#include "text/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  ReportPage page;
  const std::vector<std::string> pieces = Pieces(Bytes(data, size));
  // Longer runs of operations repeat what shorter ones do and only cost time.
  constexpr size_t kMostOperations = 32;
  for (size_t i = 0; i < pieces.size() && i < kMostOperations; ++i) {
    const std::string& piece = pieces[i];
    const std::string text = piece.empty() ? std::string() : piece.substr(1);
    const size_t before = page.Lines().size();
    switch (piece.empty() ? 0 : static_cast<unsigned char>(piece[0]) % 5) {
      case 0:
        page.BeginPage(text, i + 1 < pieces.size() ? pieces[i + 1] : std::string());
        Check(page.Lines().size() == 4, "a new page starts with four lines");
        break;
      case 1:
        page.AddParagraph(text);
        Check(page.Lines().size() == before + 2 * SplitLines(text).size(), "a paragraph adds a line and <p> per line");
        for (size_t line = before; line < page.Lines().size(); line += 2) {
          Check(page.Lines()[line].find('\n') == std::string::npos, "a paragraph line holds no line break");
          Check(page.Lines()[line + 1] == "<p>", "each paragraph line is followed by <p>");
        }
        break;
      case 2:
        page.AddTrailer();
        Check(page.Lines().size() == before + ReportTrailer().size(), "the trailer adds its lines");
        break;
      case 3:
        page.ClosePage();
        Check(page.Lines().back() == "</BODY></HTML>", "the page closes");
        break;
      default:
        page.AddRaw(text);
        Check(page.Lines().back() == text, "a raw line is added as it is");
        break;
    }
  }
  std::string expected;
  for (const std::string& line : page.Lines()) expected += line + "\r\n";
  Check(page.FileText() == expected && FileForm(page.Lines()) == expected, "the file form is each line and CR LF");
  return 0;
}
