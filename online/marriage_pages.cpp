#include "online/marriage_pages.h"

#include "platform/replace_file.h"
#include "report/report_page.h"

namespace velmora {
namespace {

std::vector<std::string> Filled(const std::vector<std::string>& page, const ServiceAddresses& addresses) {
  std::vector<std::string> lines;
  lines.reserve(page.size());
  for (const std::string& line : page) lines.push_back(addresses.FillPlaceholders(line));
  return lines;
}

// The code base under a server's address of the applet that page B names.
std::string CodeBasePath(MarriageServer server) {
  return server == MarriageServer::Three ? "/suanming/hunpei/" : "/138/hunpei/";
}

}  // namespace

Service MarriageService(MarriageServer server) {
  switch (server) {
    case MarriageServer::One: return Service::Marriage1;
    case MarriageServer::Two: return Service::Marriage2;
    case MarriageServer::Three: return Service::Marriage3;
    case MarriageServer::Four: return Service::Marriage2;
    case MarriageServer::Five: return Service::Marriage4;
  }
  return Service::Marriage1;
}

std::string MarriageAppletLine(const std::string& code, const std::string& codeBase) {
  return "<APPLET NAME=\"" + code + "\" CODE=\"" + code + "\" CODEBASE=\"" + codeBase +
         "\" WIDTH=\"422\" HEIGHT=\"239\" ALIGN=\"Top\" ALT=\"If you had a java-enabled browser, you would see an "
         "applet here.\"></APPLET>";
}

MarriagePage ComposeMarriagePage(MarriageServer server, const MarriagePageTexts& texts,
                                 const ServiceAddresses& addresses) {
  switch (server) {
    case MarriageServer::One: return {"hpbx1.html", Filled(texts.pageA, addresses)};
    case MarriageServer::Five: return {"hpbx5.html", Filled(texts.pageC, addresses)};
    default: break;
  }
  MarriagePage page{"hpbx1.html", Filled(texts.pageB, addresses)};
  page.lines.push_back(MarriageAppletLine("hunpei", addresses.Base(MarriageService(server)) + CodeBasePath(server)));
  const std::vector<std::string>& trailer = ReportTrailer();
  page.lines.insert(page.lines.end(), trailer.begin(), trailer.end());
  return page;
}

std::string WriteMarriagePage(const std::string& programFolder, const MarriagePage& page) {
  const std::string path = programFolder + page.fileName;
  ReplaceFile(path, FileForm(page.lines));
  return path;
}

}  // namespace velmora
