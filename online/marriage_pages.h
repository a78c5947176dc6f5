#pragma once
// 姻缘速配: each of the five servers of the command's menu has its marriage
// page: a fixed page (A for server one, C for server five) or the base page B
// followed by the applet line of the server's code base and the report
// trailer (servers two to four). The page is written into the program folder
// and shown in the marriage window; the program's own script beside it
// (ssbx.js, for every server) computes and draws the match, and the servers
// are named only in the applets' code bases. Texts are GBK.

#include <string>
#include <vector>

#include "online/service_addresses.h"

namespace velmora {

enum class MarriageServer { One, Two, Three, Four, Five };

// The fixed pages held by the main window, with "$(service:NAME)" where a
// server's address stands.
struct MarriagePageTexts {
  const std::vector<std::string>& pageA;
  const std::vector<std::string>& pageB;
  const std::vector<std::string>& pageC;
};

struct MarriagePage {
  std::string fileName;  // hpbx1.html, or hpbx5.html for server five
  std::vector<std::string> lines;
};

// The service whose address the server's page names: server four names the
// second server's, server five the fourth's.
Service MarriageService(MarriageServer server);

// The applet element of pages A and B, 422 x 239, such as code "hunpei" for
// the line appended to page B.
std::string MarriageAppletLine(const std::string& code, const std::string& codeBase);

// The server's page with the addresses filled in.
MarriagePage ComposeMarriagePage(MarriageServer server, const MarriagePageTexts& texts,
                                 const ServiceAddresses& addresses);

// Writes the page into the program folder (a path ending in "/"), every line
// followed by CR LF, replacing the file; returns its path. Throws
// std::runtime_error (UTF-8) naming the file when it cannot be written.
std::string WriteMarriagePage(const std::string& programFolder, const MarriagePage& page);

}  // namespace velmora
