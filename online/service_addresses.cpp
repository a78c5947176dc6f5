#include "online/service_addresses.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "refdb/settings_file.h"
#include "text/ascii_case.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, kServiceCount> kSections = {
    "bazi", "names", "search", "naming", "forecast", "birthday", "marriage1", "marriage2", "marriage3", "marriage4"};

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kPlaceholderStart = "$(service:";

bool IsHostCharacter(unsigned char c) { return std::isalnum(c) || c == '.' || c == '-' || c == '_'; }

// host or host:port, or [v6]:port; nothing else.
bool IsAuthority(std::string_view text) {
  if (text.empty()) return false;
  std::size_t portColon = text.rfind(':');
  if (text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos || close < 2) return false;
    const std::string_view inside = text.substr(1, close - 1);
    if (!std::all_of(inside.begin(), inside.end(), [](unsigned char c) { return std::isxdigit(c) || c == ':' || c == '.'; })) {
      return false;
    }
    if (close + 1 == text.size()) return true;
    if (text[close + 1] != ':') return false;
    portColon = close + 1;
  } else {
    const std::string_view host = text.substr(0, portColon);
    if (host.empty() || !std::all_of(host.begin(), host.end(), IsHostCharacter)) return false;
    if (portColon == std::string_view::npos) return true;
  }
  const std::string_view port = text.substr(portColon + 1);
  if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), ::isdigit)) return false;
  return std::stoi(std::string(port)) <= 65535;
}

}  // namespace

std::string_view ServiceSection(Service service) { return kSections[static_cast<std::size_t>(service)]; }

std::optional<std::string> RemoteBase(std::string_view text) {
  if (!StartsWithNoCase(text, kHttp)) return std::nullopt;
  std::string_view authority = std::string_view(text).substr(kHttp.size());
  while (!authority.empty() && authority.back() == '/') authority.remove_suffix(1);
  if (!IsAuthority(authority)) return std::nullopt;
  // Browsers leave the default port out of the Host they send, and titles
  // that name the host must compare equal.
  if (authority.ends_with(":80")) authority.remove_suffix(3);
  return std::string(kHttp) + std::string(authority);
}

std::optional<std::string> ListeningAddress(std::string_view line) {
  constexpr std::string_view kPrefix = "listening on ";
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  if (!line.starts_with(kPrefix)) return std::nullopt;
  const std::string_view address = line.substr(kPrefix.size());
  if (!IsAuthority(address) || address.find(':') == std::string_view::npos) return std::nullopt;
  return std::string(address);
}

void ServiceAddresses::Read(const std::string& programFolder) {
  const SettingsFile file(ServiceAddressesPath(programFolder));
  for (std::size_t i = 0; i < kSections.size(); ++i) {
    const std::string section(kSections[i]);
    const std::optional<std::string> base = file.Read(section, "base");
    if (!base || *base == "local" || base->empty()) {
      remote_[i].reset();
      continue;
    }
    remote_[i] = RemoteBase(*base);
    if (!remote_[i]) {
      throw std::runtime_error("data/services.ini [" + section + "] base=" + *base +
                               " is neither local nor an address http://host[:port]");
    }
  }
}

bool ServiceAddresses::AnyLocal() const {
  return std::any_of(remote_.begin(), remote_.end(), [](const auto& remote) { return !remote; });
}

std::string ServiceAddresses::Base(Service service) const {
  if (const auto& remote = remote_[Index(service)]) return *remote;
  return localBase_.empty() ? std::string(kUnreachableBase) : localBase_;
}

std::string ServiceAddresses::FillPlaceholders(std::string page) const {
  for (std::size_t start = 0; (start = page.find(kPlaceholderStart, start)) != std::string::npos;) {
    const std::size_t close = page.find(')', start);
    if (close == std::string::npos) break;
    const std::string_view name = std::string_view(page).substr(start + kPlaceholderStart.size(),
                                                                close - start - kPlaceholderStart.size());
    const auto found = std::find(kSections.begin(), kSections.end(), name);
    if (found == kSections.end()) {
      start = close;
      continue;
    }
    const std::string base = Base(static_cast<Service>(found - kSections.begin()));
    page.replace(start, close + 1 - start, base);
    start += base.size();
  }
  return page;
}

std::string ServiceAddressesPath(const std::string& programFolder) { return programFolder + "data/services.ini"; }

}  // namespace velmora
