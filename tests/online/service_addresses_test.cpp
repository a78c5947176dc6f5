#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "online/service_addresses.h"
#include "tests/test_folder.h"

namespace velmora {
namespace {

TEST(ServiceAddresses, RemoteBasesAreHttpAddressesOfAHostAndAPort) {
  struct Case {
    const char* text;
    const char* base;  // nullptr: not usable
  };
  const Case cases[] = {
      {"http://fortune.example.com", "http://fortune.example.com"},
      {"http://10.1.2.3:8080/", "http://10.1.2.3:8080"},  // a trailing slash is dropped
      {"HTTP://Host:80", "http://Host"},  // the default port, as a browser's Host header leaves it out
      {"http://host:8080", "http://host:8080"},
      {"http://[::1]:8080", "http://[::1]:8080"},
      {"http://host/path", nullptr},
      {"http://host:99999", nullptr},
      {"http://ho st", nullptr},
      {"ftp://host", nullptr},
      {"https://host", nullptr},  // the service speaks plain HTTP
      {"host:80", nullptr},
      {"http://", nullptr},
      {"http://host:", nullptr},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> base = RemoteBase(c.text);
    if (c.base) {
      EXPECT_EQ(base, std::string(c.base)) << c.text;
    } else {
      EXPECT_FALSE(base) << c.text;
    }
  }
}

TEST(ServiceAddresses, TheListeningLineNamesTheAddress) {
  EXPECT_EQ(ListeningAddress("listening on 127.0.0.1:41234\n"), "127.0.0.1:41234");
  EXPECT_FALSE(ListeningAddress("listening on 127.0.0.1"));
  EXPECT_FALSE(ListeningAddress("error: address in use"));
  EXPECT_FALSE(ListeningAddress(""));
}

TEST(ServiceAddresses, ReadsTheFileAndFillsLocalPages) {
  testing::TestFolder folder;
  std::filesystem::create_directories(folder.Path() + "data");
  std::ofstream(ServiceAddressesPath(folder.Path()))
      << "[bazi]\r\nbase=local\r\n[forecast]\r\nbase = http://stars.example.org:8000/\r\n[names]\r\n";
  ServiceAddresses addresses;
  addresses.Read(folder.Path());
  EXPECT_FALSE(addresses.IsRemote(Service::Bazi));
  EXPECT_FALSE(addresses.IsRemote(Service::Names));  // no key: local
  EXPECT_TRUE(addresses.IsRemote(Service::Forecast));
  EXPECT_TRUE(addresses.AnyLocal());
  EXPECT_EQ(addresses.Base(Service::Forecast), "http://stars.example.org:8000");
  EXPECT_EQ(addresses.Base(Service::Bazi), kUnreachableBase);  // the bundled service does not listen yet
  addresses.SetLocalBase("http://127.0.0.1:5000");
  EXPECT_EQ(addresses.Base(Service::Bazi), "http://127.0.0.1:5000");
  EXPECT_EQ(addresses.FillPlaceholders("<form action=\"$(service:bazi)/bazi/sizhu.asp\">$(service:nosuch) $(service:forecast"),
            "<form action=\"http://127.0.0.1:5000/bazi/sizhu.asp\">$(service:nosuch) $(service:forecast");
}

TEST(ServiceAddresses, AMissingFileMeansLocalAndABadBaseIsAnError) {
  testing::TestFolder folder;
  ServiceAddresses addresses;
  addresses.Read(folder.Path());
  EXPECT_FALSE(addresses.IsRemote(Service::Marriage4));
  std::filesystem::create_directories(folder.Path() + "data");
  std::ofstream(ServiceAddressesPath(folder.Path())) << "[names]\nbase=somewhere\n";
  try {
    addresses.Read(folder.Path());
    FAIL() << "a bad base must be reported";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "data/services.ini [names] base=somewhere is neither local nor an address http://host[:port]");
  }
}

}  // namespace
}  // namespace velmora
