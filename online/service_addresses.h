#pragma once
// Where each online reading sends its requests. "data/services.ini" of the
// program folder holds one section per service with the key "base": "local"
// for the answering service bundled with the program (the default), or an
// http address (http://host[:port]) of a server that runs it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class Service { Bazi, Names, Search, Naming, Forecast, Birthday, Marriage1, Marriage2, Marriage3, Marriage4 };
inline constexpr int kServiceCount = 10;

// The section name of a service in services.ini, such as "bazi".
std::string_view ServiceSection(Service service);

// "http://host[:port]" without a trailing "/" for a usable remote base; nothing
// for a text that is not one (a path, a query, another scheme, blanks inside).
std::optional<std::string> RemoteBase(std::string_view text);

// The bundled service's address from the first line it prints,
// "listening on HOST:PORT"; nothing for any other line.
std::optional<std::string> ListeningAddress(std::string_view line);

class ServiceAddresses {
 public:
  // Every service local.
  ServiceAddresses() = default;

  // Reads "data/services.ini" of the program folder; a missing file, section or
  // key means local. Throws std::runtime_error (UTF-8 text) naming the section
  // when a base is neither "local" nor a usable http address, or when the file
  // cannot be read; the services keep what was read before the fault.
  void Read(const std::string& programFolder);

  // The bundled service's base once it listens ("http://127.0.0.1:PORT"), or
  // empty while it does not: local requests then go to an address that
  // refuses them at once, as an unreachable server would.
  void SetLocalBase(std::string base) { localBase_ = std::move(base); }
  bool LocalReady() const { return !localBase_.empty(); }

  bool IsRemote(Service service) const { return remote_[Index(service)].has_value(); }
  bool AnyLocal() const;
  std::string Base(Service service) const;
  // Every "$(service:NAME)" of a local page becomes the base of that service.
  std::string FillPlaceholders(std::string page) const;

 private:
  static std::size_t Index(Service service) { return static_cast<std::size_t>(service); }
  std::array<std::optional<std::string>, kServiceCount> remote_{};
  std::string localBase_;
};

// Where local requests go while the bundled service does not listen: a port
// on which nothing answers, so the request fails at once.
inline constexpr std::string_view kUnreachableBase = "http://127.0.0.1:9";

// The maker's web domain and address, named in answers in place of a service's own.
inline constexpr std::string_view kMakerDomain = "www.velmora.example";
inline constexpr std::string_view kMakerAddress = "http://www.velmora.example";

// "data/services.ini" in the program folder.
std::string ServiceAddressesPath(const std::string& programFolder);

}  // namespace velmora
