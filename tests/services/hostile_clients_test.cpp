// The service under clients that are slow, idle or send what no browser
// sends, over raw sockets. Deadlines here only keep a failing test from
// hanging; how fast the answers come is measured by scripts/hostile_clients.py.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::RunningServer;

// One raw connection to the server from a loopback address of our choice,
// with ten-second time-outs on every read and write.
class RawClient {
 public:
  RawClient(int port, const std::string& from = "127.0.0.1") : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    const timeval limit{10, 0};
    setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &address.sin_addr);
    bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    address.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    connected_ = connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawClient() { close(socket_); }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  bool Connected() const { return connected_; }
  bool Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
      const ssize_t n = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return false;
      sent += static_cast<std::size_t>(n);
    }
    return true;
  }
  // Everything the server sends until it closes (or ten seconds pass).
  std::string ReadToEnd() {
    std::string all;
    char part[4096];
    for (ssize_t n; (n = recv(socket_, part, sizeof part, 0)) > 0;) all.append(part, static_cast<std::size_t>(n));
    return all;
  }

 private:
  int socket_;
  bool connected_ = false;
};

// The status codes of the answers in the text, in order.
std::vector<int> Statuses(const std::string& answers) {
  std::vector<int> statuses;
  const std::regex line("HTTP/1\\.[01] (\\d{3}) ");
  for (auto it = std::sregex_iterator(answers.begin(), answers.end(), line); it != std::sregex_iterator(); ++it) {
    statuses.push_back(std::stoi((*it)[1]));
  }
  return statuses;
}

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return 0;
}

// Room for the held connections: both their ends are in this process.
bool RaiseDescriptorLimit(rlim_t wanted) {
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  setrlimit(RLIMIT_NOFILE, &files);
  return files.rlim_cur == RLIM_INFINITY || files.rlim_cur >= wanted;
}

TEST(HostileClients, RequestsBreakingTheRulesGetTheirOwnAnswersInOrder) {
  RunningServer server;
  const std::string health = "GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\n";
  std::string manyFields = health;
  for (int i = 0; i < 101; ++i) manyFields += "X-" + std::to_string(i) + ": 1\r\n";
  std::string chunkedBody = "POST /bazi/sizhu.asp HTTP/1.1\r\nHost: localhost\r\nTransfer-Encoding: chunked\r\n\r\n";
  for (int i = 0; i < 70; ++i) chunkedBody += "400\r\n" + std::string(1024, 'a') + "\r\n";
  chunkedBody += "0\r\n\r\n";
  struct Case {
    std::string request;
    std::vector<int> statuses;
    const char* text;  // on the last answer's page
  };
  const Case cases[] = {
      // three pipelined requests: three answers, in the order asked
      {health + "\r\nGET /nosuch HTTP/1.1\r\nHost: localhost\r\n\r\n" + health + "Connection: close\r\n\r\n",
       {200, 404, 200}, ""},
      {"POST /bazi/sizhu.asp HTTP/1.1\r\nHost: localhost\r\nContent-Length: -1\r\n\r\n", {400}, "无法读取的请求"},
      {"POST /bazi/sizhu.asp HTTP/1.1\r\nHost: localhost\r\nContent-Length: 1, 2\r\n\r\nab", {400}, "无法读取的请求"},
      {manyFields + "\r\n", {431}, "请求头的字段过多（不能超过 100 个）"},
      {health + "X-Big: " + std::string(1 << 20, 'a') + "\r\n\r\n", {431}, "各字段合计不能超过 16 KiB"},
      {"GET /" + std::string(20000, 'a') + " HTTP/1.1\r\n\r\n", {400}, "请求的地址过长（不能超过 8 KiB）"},
      {chunkedBody, {413}, "请求内容过大（不能超过 64 KiB）"},
      {"POST /bazi/sizhu.asp HTTP/1.1\r\nHost: localhost\r\nContent-Length: 999999999\r\n\r\n", {413}, "64 KiB"},
      {"BREW /pot HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n", {400}, "不支持的请求方法 BREW"},
      {"GET /health HTTP/1.1\r\nHost: evil.example:80\r\nConnection: close\r\n\r\n", {421}, "主机名不符"},
      // a client waiting to be told to send its body gets "100 Continue" first
      {"POST /chest/bz/bazi.asp HTTP/1.1\r\nHost: localhost\r\nExpect: 100-continue\r\nConnection: close\r\n"
       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 4\r\n\r\ny=99",
       {100, 400}, "参数"},
      // HTTP/1.0 without keep-alive ends after its answer
      {"GET /health HTTP/1.0\r\n\r\n", {200}, "ok"},
  };
  for (const Case& c : cases) {
    RawClient client(server.Port());
    ASSERT_TRUE(client.Connected());
    client.Send(c.request);
    const std::string answers = client.ReadToEnd();
    EXPECT_EQ(Statuses(answers), c.statuses) << c.request.substr(0, 60);
    const std::size_t last = answers.rfind("HTTP/1.");
    ASSERT_NE(last, std::string::npos) << c.request.substr(0, 60);
    EXPECT_NE(GbkToUtf8(answers.substr(last)).find(c.text), std::string::npos)
        << c.request.substr(0, 60);
  }
}

TEST(HostileClients, AHugeHeaderBlockIsRefusedWithoutKeepingItsMemory) {
  RunningServer server;
  const std::string big = "GET /health HTTP/1.1\r\nHost: localhost\r\nX-Big: " + std::string(1 << 20, 'a') + "\r\n\r\n";
  const long before = ResidentKilobytes();
  for (int i = 0; i < 8; ++i) {
    RawClient client(server.Port());
    client.Send(big);
    EXPECT_EQ(Statuses(client.ReadToEnd()), std::vector<int>{431});
  }
  EXPECT_LT(ResidentKilobytes() - before, 20 * 1024);
}

TEST(HostileClients, SlowAndIdleClientsLeaveOthersServedAndTheServerStops) {
  constexpr int kSlow = 256, kIdle = 2000, kPerAddress = 250;
  if (!RaiseDescriptorLimit(2 * (kSlow + kIdle) + 200)) GTEST_SKIP() << "too few file descriptors allowed";
  RunningServer server;
  std::vector<std::unique_ptr<RawClient>> held;
  // From 127.0.0.2 and up, each address within the limit per address.
  for (int i = 0; i < kSlow + kIdle; ++i) {
    held.push_back(std::make_unique<RawClient>(server.Port(), "127.0.0." + std::to_string(2 + i / kPerAddress)));
    ASSERT_TRUE(held.back()->Connected()) << i;
    if (i < kSlow) held.back()->Send("GET /health HTTP/1.1\r\nHost: localhost\r\nX-Slow: a");
  }
  httplib::Client client = server.Client();
  const auto answer = client.Get("/health");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_TRUE(server.Stop());
}

TEST(HostileClients, ConnectionsOverTheLimitOfOneAddressAreRefusedWhileOthersAreServed) {
  RunningServer server({.total = 100, .perAddress = 3});
  std::vector<std::unique_ptr<RawClient>> held;
  for (int i = 0; i < 3; ++i) held.push_back(std::make_unique<RawClient>(server.Port(), "127.0.0.2"));
  RawClient over(server.Port(), "127.0.0.2");
  const std::string refused = over.ReadToEnd();
  EXPECT_EQ(Statuses(refused), std::vector<int>{503});
  EXPECT_NE(GbkToUtf8(refused).find("连接过多"), std::string::npos);
  httplib::Client client = server.Client();
  const auto answer = client.Get("/health");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
}

}  // namespace
}  // namespace velmora::services
