#include <gtest/gtest.h>
#include <httplib.h>

#include <future>
#include <thread>

#include <filesystem>

#include "services/bazi_pages.h"
#include "services/byte_range.h"
#include "services/connection_count.h"
#include "services/form_text.h"
#include "services/host_check.h"
#include "services/http_server.h"
#include "services/page.h"
#include "services/routes.h"
#include "services/service_options.h"
#include "services/static_files.h"
#include "tests/services/service_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::QueryOf;
using testing::RunningServer;

std::string BadRequestText(const std::function<void()>& read) {
  try {
    read();
  } catch (const BadRequest& bad) {
    return bad.what();
  }
  return "(accepted)";
}

TEST(ServiceQuery, FieldsAreCheckedAndEveryFaultNamesItsField) {
  const Query query = QueryOf({{"y", "1990"}, {"m", " 5 "}, {"big", "99999"}, {"sign", "-3"}, {"word", "张三"},
                               {"line", "a\nb"}, {"plus", "+4"}});
  EXPECT_EQ(query.Integer("y", 1, 9999), 1990);
  EXPECT_EQ(query.Integer("m", 1, 12), 5);  // blanks around a number are read
  EXPECT_EQ(query.Text("word"), Utf8ToGbk("张三"));
  EXPECT_FALSE(query.OptionalText("nosuch"));
  struct Case {
    std::function<void()> read;
    const char* message;
  };
  const Case cases[] = {
      {[&] { query.Text("nosuch"); }, "缺少参数 nosuch"},
      {[&] { query.Integer("big", 1, 9999); }, "参数 big 应为 1 到 9999 之间的整数"},
      {[&] { query.Integer("sign", 0, 10); }, "参数 sign 应为 0 到 10 之间的整数"},
      {[&] { query.Integer("plus", 0, 10); }, "参数 plus 应为 0 到 10 之间的整数"},
      {[&] { query.Integer("word", 0, 10); }, "参数 word 应为 0 到 10 之间的整数"},
      {[&] { query.Text("line"); }, "参数 line 含有控制字符"},
      {[] { Query({{"n", "\xB0"}}, "h").Text("n"); }, "参数 n 不是 GBK 文字"},  // a lead byte alone
      {[] { Query({{"n", "\xFF"}}, "h").Text("n"); }, "参数 n 不是 GBK 文字"},
  };
  for (const Case& c : cases) EXPECT_EQ(BadRequestText(c.read), c.message);
}

TEST(ServiceRoutes, PatternsMatchExactPathsOrCaptureOnePart) {
  EXPECT_EQ(MatchRoute("/bazi/sizhu.asp", "/bazi/sizhu.asp"), "");
  EXPECT_FALSE(MatchRoute("/bazi/sizhu.asp", "/bazi/sizhu.aspx"));
  EXPECT_EQ(MatchRoute("/birthday/{}.htm", "/birthday/12-25.htm"), "12-25");
  EXPECT_FALSE(MatchRoute("/birthday/{}.htm", "/birthday/.htm"));
  EXPECT_FALSE(MatchRoute("/birthday/{}.htm", "/birthday/a/b.htm"));
  EXPECT_FALSE(MatchRoute("/birthday/{}.htm", "/birthday/3-7.html"));
}

TEST(ServiceRoutes, UnknownAddressesGetThe404PageAndFilesStayInTheirFolder) {
  const Page missing = Answer("/nosuch.asp", {}, "h", ProgramSources());
  EXPECT_EQ(missing.status, 404);
  EXPECT_NE(GbkToUtf8(missing.body).find("<title>Velmora 应答服务 - 没有这个页面</title>"), std::string::npos);
  for (const char* path : {"/../data/services.db", "/www/../../velmora", "/%2e%2e/x", "/", "", "/a b.png",
                           "//etc/passwd", "///etc/passwd", "/chest/../../data/services.db", "/chest/bz/images"}) {
    EXPECT_FALSE(StaticFile(ProgramSources().Folder(), path)) << path;
  }
  EXPECT_FALSE(StaticFile(ProgramSources().Folder(), std::string("/chest/bz/images/wood.png\0.txt", 30)));
}

TEST(ServiceRoutes, OnlyRegularFilesReallyInsideWwwGoOutWhereverLinksPoint) {
  namespace fs = std::filesystem;
  const velmora::testing::TestFolder folder;
  const fs::path root = folder.Path();
  fs::create_directories(root / "www" / "pictures");
  velmora::testing::WriteFile(folder.Path() + "secret.txt", "secret");
  velmora::testing::WriteFile(folder.Path() + "www/pictures/dot.png", "png");
  fs::create_symlink("pictures/dot.png", root / "www" / "same.png");
  fs::create_directory_symlink("/", root / "www" / "root");
  fs::create_directory_symlink("..", root / "www" / "up");
  fs::create_symlink("../secret.txt", root / "www" / "secret.png");
  fs::create_symlink(root / "www" / "pictures", root / "www" / "linked");
  struct Case {
    const char* path;
    bool served;
  };
  const Case cases[] = {
      {"/pictures/dot.png", true},
      {"/same.png", true},                  // a link to a file inside
      {"/linked/dot.png", true},            // through a linked folder inside, named by its full path
      {"/root/etc/passwd", false},          // a link to the machine's root
      {"/root/proc/self/environ", false},
      {"/up/secret.txt", false},            // a link to the program folder
      {"/secret.png", false},               // a link to a file beside www
      {"/up/www/pictures/dot.png", true},   // leaves and comes back: really inside
      {"/pictures", false},                 // a folder
      {"/root/dev/zero", false},
  };
  for (const Case& c : cases) {
    const std::optional<Page> file = StaticFile(folder.Path(), c.path);
    EXPECT_EQ(file.has_value(), c.served) << c.path;
    if (file) {
      EXPECT_EQ(file->body, "png") << c.path;
    }
  }
}

TEST(ServiceRequests, PercentEncodedAddressesAndFormsDecodeToTheirBytes) {
  struct Case {
    std::string text;
    bool plusIsSpace;
    std::string decoded;
  };
  const Case cases[] = {
      {"/%2Fetc/passwd", false, "//etc/passwd"},
      {"%D5%c5", true, "\xD5\xC5"},  // GBK 张, either case of hex digit
      {"a+b", true, "a b"},
      {"a+b", false, "a+b"},            // a "+" in a path is a plus
      {"100%", true, "100%"},           // a "%" without two hex digits stays
      {"%4", true, "%4"},
      {"%zz%41", true, "%zzA"},
      {"%00", true, std::string(1, '\0')},
  };
  for (const Case& c : cases) EXPECT_EQ(PercentDecoded(c.text, c.plusIsSpace), c.decoded) << c.text;

  std::multimap<std::string, std::string> fields;
  AddFormFields("name=%D5%C5&&=x&flag&sex=1&sex=2&sp=a+b%2B", fields);
  const std::multimap<std::string, std::string> expected = {
      {"name", "\xD5\xC5"}, {"flag", ""}, {"sex", "1"}, {"sex", "2"}, {"sp", "a b+"}};
  EXPECT_EQ(fields, expected);
}

TEST(ServiceRequests, OnlyLoopbackHostsReachALoopbackServiceAndNamedHostsAnother) {
  const HostPolicy bundled("127.0.0.1", {});
  const HostPolicy bundledBehindProxy("127.0.0.1", {"velmora.example.com"});
  const HostPolicy server("0.0.0.0", {});
  const HostPolicy namedServer("::", {"velmora.example.com", "Other.Example"});
  struct Case {
    const HostPolicy& policy;
    const char* host;
    bool allowed;
  };
  const Case cases[] = {
      {bundled, "127.0.0.1:41234", true},
      {bundled, "127.8.9.10", true},             // all of 127.0.0.0/8
      {bundled, "localhost:8000", true},
      {bundled, "LocalHost.", true},
      {bundled, "[::1]:8000", true},
      {bundled, "[::ffff:127.0.0.1]", true},
      {bundled, "", true},                       // no Host: no browser
      {bundled, "evil.example", false},          // a page rebinding its name to us
      {bundled, "evil.example:8000", false},
      {bundled, "127.0.0.1.evil.example", false},
      {bundled, "localhost.evil.example", false},
      {bundled, "192.168.1.5", false},
      {bundled, "[::2]", false},
      {bundled, "[::1", false},
      {bundledBehindProxy, "velmora.example.com", true},
      {bundledBehindProxy, "127.0.0.1", true},
      {bundledBehindProxy, "evil.example", false},
      {server, "evil.example", true},            // no names given: any Host
      {namedServer, "VELMORA.example.com:443", true},
      {namedServer, "other.example", true},
      {namedServer, "127.0.0.1", false},
      {namedServer, "evil.example", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.policy.Allows(c.host), c.allowed) << c.host;
  EXPECT_TRUE(IsLoopbackAddress("::1"));
  EXPECT_FALSE(IsLoopbackAddress("0.0.0.0"));
}

TEST(ServiceRequests, ARangeGivesOnePartAtMostNeverMoreThanTheFile) {
  std::string many = "bytes=0-0";
  for (int i = 1; i < 2600; ++i) many.append(",").append(std::to_string(i % 100)).append("-").append(std::to_string(i % 100));
  struct Case {
    std::string range;
    std::size_t size;
    ByteSpan::Kind kind;
    std::size_t first, length;
  };
  const Case cases[] = {
      {"", 100, ByteSpan::kWhole, 0, 0},
      {"bytes=0-9", 100, ByteSpan::kPart, 0, 10},
      {"Bytes = 0-9", 100, ByteSpan::kWhole, 0, 0},    // not well formed: ignored
      {"bytes=90-", 100, ByteSpan::kPart, 90, 10},
      {"bytes=-10", 100, ByteSpan::kPart, 90, 10},
      {"bytes=-500", 100, ByteSpan::kPart, 0, 100},    // a suffix longer than the file: all of it
      {"bytes=50-5000", 100, ByteSpan::kPart, 50, 50},
      {"bytes=100-", 100, ByteSpan::kUnsatisfiable, 0, 0},
      {"bytes=-0", 100, ByteSpan::kUnsatisfiable, 0, 0},
      {"bytes=0-0", 0, ByteSpan::kUnsatisfiable, 0, 0},
      {"bytes=9-1", 100, ByteSpan::kWhole, 0, 0},
      {"bytes=-1-2", 100, ByteSpan::kWhole, 0, 0},
      {"bytes=1-2,x", 100, ByteSpan::kWhole, 0, 0},
      {"items=0-9", 100, ByteSpan::kWhole, 0, 0},
      {"bytes=99999999999999999999-", 100, ByteSpan::kWhole, 0, 0},
      {"bytes=0-1, 10-19 ,500-600", 100, ByteSpan::kPart, 0, 20},  // joined into the span covering them
      {many, 134, ByteSpan::kPart, 0, 100},            // 2,600 ranges: one part within the file
  };
  for (const Case& c : cases) {
    const ByteSpan span = RequestedSpan(c.range, c.size);
    EXPECT_EQ(span.kind, c.kind) << c.range.substr(0, 40);
    if (c.kind == ByteSpan::kPart) {
      EXPECT_EQ(span.first, c.first) << c.range.substr(0, 40);
      EXPECT_EQ(span.length, c.length) << c.range.substr(0, 40);
    }
  }
}

TEST(ServiceRequests, ConnectionsAreAdmittedWithinTheLimitsInAllAndPerAddress) {
  ConnectionCount count({.total = 4, .perAddress = 2});
  std::vector<std::optional<ConnectionCount::Ticket>> held;
  for (const char* address : {"10.0.0.1", "10.0.0.1", "10.0.0.2", "10.0.0.3"}) {
    held.push_back(count.Admit(address));
    ASSERT_TRUE(held.back()) << address;
  }
  EXPECT_FALSE(count.Admit("10.0.0.1"));  // four in all
  EXPECT_EQ(count.Open(), 4u);
  held[3].reset();
  EXPECT_FALSE(count.Admit("10.0.0.1"));  // its two places are taken
  EXPECT_TRUE(count.Admit("10.0.0.4"));   // given back at once
  held[0].reset();                         // one of 10.0.0.1 leaves
  EXPECT_EQ(count.Open(), 2u);
  EXPECT_TRUE(count.Admit("10.0.0.1"));
  ConnectionCount unlimited({.total = 3, .perAddress = 0});
  std::vector<std::optional<ConnectionCount::Ticket>> same;
  for (int i = 0; i < 3; ++i) same.push_back(unlimited.Admit("10.0.0.1"));
  EXPECT_TRUE(same.back());
  EXPECT_FALSE(unlimited.Admit("10.0.0.1"));
}

TEST(ServicePages, ErrorPagesCarryTheirOwnTitleAndEscapeTheMessage) {
  const Page page = ErrorPage(400, "参数 <name> 有误");
  EXPECT_EQ(page.status, 400);
  EXPECT_EQ(page.contentType, "text/html; charset=gbk");
  const std::string text = GbkToUtf8(page.body);
  EXPECT_NE(text.find("<title>Velmora 应答服务 - 请求有误</title>"), std::string::npos);
  EXPECT_NE(text.find("参数 &lt;name&gt; 有误"), std::string::npos);
  EXPECT_EQ(text.find("<name>"), std::string::npos);
}

TEST(ServiceOptions, ListenAndFolderAreReadOrRefused) {
  std::string error;
  const auto options = ParseServiceOptions({"--listen", "0.0.0.0:8080", "--folder", "/opt/velmora", "--host",
                                            "a.example,b.example", "--host", "c.example", "--max-connections", "500",
                                            "--max-per-address", "0"},
                                           error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->host, "0.0.0.0");
  EXPECT_EQ(options->port, 8080);
  EXPECT_EQ(options->folder, "/opt/velmora");
  EXPECT_EQ(options->names, (std::vector<std::string>{"a.example", "b.example", "c.example"}));
  EXPECT_EQ(options->limits.total, 500u);
  EXPECT_EQ(options->limits.perAddress, 0u);
  const auto defaults = ParseServiceOptions({}, error);
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->limits.total, 10000u);
  EXPECT_EQ(defaults->limits.perAddress, 256u);
  const auto v6 = ParseServiceOptions({"--listen", "[::1]:0"}, error);
  ASSERT_TRUE(v6);
  EXPECT_EQ(v6->host, "::1");
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--listen"}, {"--listen", "8080"}, {"--listen", "h:65536"}, {"--listen", "h:-1"}, {"--listen", "::1:80"},
           {"--folder", ""}, {"--port", "1"}, {"--host", ""}, {"--host", "a,,b"}, {"--host"},
           {"--max-connections", "0"}, {"--max-connections", "-5"}, {"--max-per-address", "x"},
           {"--max-per-address", "1000001"}}) {
    EXPECT_FALSE(ParseServiceOptions(bad, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(ServiceOverHttp, AStopAskedBeforeServingBeginsIsNotLost) {
  HttpServer server(ProgramSources(), [](const std::string&) {});
  server.Bind("127.0.0.1", 0);
  std::thread stopper([&server] { server.Stop(); });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::future<bool> served = std::async(std::launch::async, [&server] { return server.Run(); });
  const bool stopped = served.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  if (!stopped) server.Stop();  // so that the test ends when it fails
  stopper.join();
  EXPECT_TRUE(stopped);
}

TEST(ServiceOverHttp, OversizedAndUnknownRequestsGetTheServicesPagesAndServingGoesOn) {
  RunningServer server;
  httplib::Client client = server.Client();
  const auto missing = client.Get("/nosuch");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 404);
  EXPECT_EQ(missing->get_header_value("Content-Type"), "text/html; charset=gbk");

  // Each limit is refused with its own status, and the page states the limit really applied.
  struct Case {
    std::string target;
    std::string body;  // posted when not empty
    int status;
    const char* text;
  };
  const Case cases[] = {
      {"/x?q=" + std::string(20000, 'a'), "", 400, "请求的地址过长（不能超过 8 KiB）"},
      {"/x?q=" + std::string(9000, 'a'), "", 400, "请求的地址过长（不能超过 8 KiB）"},
      {"/bazi/sizhu.asp", std::string(70 * 1024, 'a'), 413, "请求内容过大（不能超过 64 KiB）"},
  };
  for (const Case& c : cases) {
    httplib::Client once = server.Client();
    const auto answer = c.body.empty() ? once.Get(c.target)
                                       : once.Post(c.target, c.body, "application/x-www-form-urlencoded");
    ASSERT_TRUE(answer) << c.text;
    EXPECT_EQ(answer->status, c.status) << c.text;
    EXPECT_NE(GbkToUtf8(answer->body).find(c.text), std::string::npos) << c.text;
  }

  const auto method = client.Delete("/bazi/sizhu.asp");
  ASSERT_TRUE(method);
  EXPECT_EQ(method->status, 400);

  const auto again = client.Get("/nosuch");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->status, 404);
}

TEST(ServiceOverHttp, NoFileOutsideWwwNoStrangeHostAndOnePartOfAFileAtMost) {
  RunningServer server;
  httplib::Client client = server.Client();
  for (const char* path : {"//etc/passwd", "/%2Fetc/passwd", "///etc/passwd", "/%2E%2E/data/services.db",
                           "/chest/..%2F..%2Fdata/services.db"}) {
    const auto answer = client.Get(path);
    ASSERT_TRUE(answer) << path;
    EXPECT_EQ(answer->status, 404) << path;
  }
  const auto health = client.Get("/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
  EXPECT_EQ(health->body, "ok\n");

  const auto evil = client.Get("/health", {{"Host", "evil.example"}});
  ASSERT_TRUE(evil);
  EXPECT_EQ(evil->status, 421);
  EXPECT_NE(GbkToUtf8(evil->body).find("Velmora 应答服务 - 主机名不符"), std::string::npos);

  const auto whole = client.Get("/chest/bz/images/wood.png");
  ASSERT_TRUE(whole);
  std::string many = "bytes=0-0";
  for (int i = 1; i < 2600; ++i) many.append(",").append(std::to_string(i % 50)).append("-").append(std::to_string(i % 50 + 1));
  struct Case {
    std::string range;
    int status;
    std::string body;
    std::string contentRange;
  };
  const std::string size = std::to_string(whole->body.size());
  const Case cases[] = {
      {"bytes=1-3", 206, "PNG", "bytes 1-3/" + size},
      {many, 206, whole->body.substr(0, 51), "bytes 0-50/" + size},  // 2,600 ranges: one part
      {"bytes=100000-", 416, "", "bytes */" + size},
      {"bytes=x", 200, whole->body, ""},
  };
  for (const Case& c : cases) {
    const auto answer = client.Get("/chest/bz/images/wood.png", {{"Range", c.range}});
    ASSERT_TRUE(answer) << c.range.substr(0, 20);
    EXPECT_EQ(answer->status, c.status) << c.range.substr(0, 20);
    if (c.status != 416) {
      EXPECT_EQ(answer->body, c.body) << c.range.substr(0, 20);
    }
    EXPECT_EQ(answer->get_header_value("Content-Range"), c.contentRange) << c.range.substr(0, 20);
  }
}

TEST(ServiceOverHttp, AnswersAreTheHandlersPagesByteForByteInGbk) {
  RunningServer server;
  httplib::Client client = server.Client();
  const auto get = client.Get("/bazi/sizhu.asp?china95_year=1990&china95_month=5&china95_day=27&china95_time=11&sex=1");
  ASSERT_TRUE(get);
  EXPECT_EQ(get->status, 200);
  EXPECT_EQ(get->get_header_value("Content-Type"), "text/html; charset=gbk");
  const Page direct = SizhuPage(QueryOf({{"china95_year", "1990"}, {"china95_month", "5"}, {"china95_day", "27"},
                                         {"china95_time", "11"}, {"sex", "1"}}),
                                ProgramSources());
  EXPECT_EQ(get->body, direct.body);
  // A form posts its fields percent-encoded in GBK; the page names the host it was sent to.
  const auto post = client.Post("/chest/bz/bazi.asp", "name=%D5%C5%C8%FD&sex=%C4%D0&y=1990&m=5&d=27&h=11",
                                "application/x-www-form-urlencoded");
  ASSERT_TRUE(post);
  EXPECT_EQ(post->status, 200);
  const std::string host = "127.0.0.1:" + std::to_string(server.Port());
  EXPECT_EQ(post->body, BaziScorePage(QueryOf({{"name", "张三"}, {"sex", "男"}, {"y", "1990"}, {"m", "5"}, {"d", "27"},
                                               {"h", "11"}},
                                              host),
                                      ProgramSources())
                            .body);
  const auto picture = client.Get("/chest/bz/images/wood.png");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->get_header_value("Content-Type"), "image/png");
  EXPECT_EQ(picture->body.substr(1, 3), "PNG");
}

TEST(ServiceOverHttp, HoroscopePagesArriveAsTheHandlersWriteThem) {
  RunningServer server;
  httplib::Client client = server.Client();
  for (const std::string path : {"/yuncheng_xingzuo_new.php?type=w&xingzuo=12", "/birthday/2-29.htm"}) {
    const auto answer = client.Get(path);
    ASSERT_TRUE(answer) << path;
    EXPECT_EQ(answer->status, 200) << path;
    EXPECT_EQ(answer->get_header_value("Content-Type"), "text/html; charset=gbk");
    const std::size_t query = path.find('?');
    std::multimap<std::string, std::string> parameters;
    if (query != std::string::npos) parameters = {{"type", "w"}, {"xingzuo", "12"}};
    EXPECT_EQ(answer->body, Answer(path.substr(0, query), parameters, "127.0.0.1", ProgramSources()).body) << path;
  }
  const auto missing = client.Get("/birthday/2-30.htm");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 404);
}

TEST(ServiceOverHttp, NamingPagesComeAsTheDirectAnswersInGbk) {
  RunningServer server;
  httplib::Client client = server.Client();
  const std::string form = "xing=%C1%F5&xingbie=%C5%AE&zishu=3";  // 刘, 女
  const auto answer = client.Post("/chest/ming.asp", form, "application/x-www-form-urlencoded");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_EQ(answer->get_header_value("Content-Type"), "text/html; charset=gbk");
  const std::string host = "127.0.0.1:" + std::to_string(server.Port());
  const Page direct = Answer("/chest/ming.asp", {{"xing", "刘"_gbk}, {"xingbie", "女"_gbk}, {"zishu", "3"}}, host,
                             ProgramSources());
  EXPECT_EQ(answer->body, direct.body);
  const auto company = client.Get("/chest/gs.htm?xing=%D5%C5&zishu=2&hangye=%BD%CC%BF%C6%CE%C4%CE%C0%D0%D4%D0%D0%D2%B5");
  ASSERT_TRUE(company);
  EXPECT_EQ(company->status, 200);
  EXPECT_EQ(company->body, Answer("/chest/gs.htm", {{"xing", "张"_gbk}, {"zishu", "2"}, {"hangye", "教科文卫性行业"_gbk}},
                                  host, ProgramSources())
                               .body);
  const auto bad = client.Get("/chest/ming.asp?xing=12&xingbie=%C4%D0&zishu=3");
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->status, 400);
}

TEST(ServiceOverHttp, TheNamePagesAnswerOverHttpAsTheyDoDirectly) {
  RunningServer server;
  httplib::Client client = server.Client();
  const std::string surname = Utf8ToGbk("欧阳"), given = Utf8ToGbk("明月"), name = Utf8ToGbk("单田芳");
  struct Case {
    std::string target;  // what the client asks for, GBK percent-encoded
    std::string path;
    std::multimap<std::string, std::string> parameters;
  };
  const Case cases[] = {
      {"/ceming/cmjg-mz.asp?youname1=%C5%B7%D1%F4&youname2=%C3%F7%D4%C2", "/ceming/cmjg-mz.asp",
       {{"youname1", surname}, {"youname2", given}}},
      {"/xingjia/test.asp?R1=1&Name1=%86%CE&Name2=%CC%EF%B7%BC", "/xingjia/test.asp",
       {{"R1", "1"}, {"Name1", "\x86\xCE"}, {"Name2", Utf8ToGbk("田芳")}}},
      {"/s?st=2&word=%B5%A5%CC%EF%B7%BC&FrontType=1&submit1=", "/s",
       {{"st", "2"}, {"word", name}, {"FrontType", "1"}, {"submit1", ""}}},
  };
  for (const Case& c : cases) {
    const auto answer = client.Get(c.target);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, 200) << c.path;
    EXPECT_EQ(answer->get_header_value("Content-Type"), "text/html; charset=gbk");
    const std::string host = "127.0.0.1:" + std::to_string(server.Port());
    EXPECT_EQ(answer->body, Answer(c.path, c.parameters, host, ProgramSources()).body) << c.path;
  }
  const auto form = client.Post("/xingjia/test.asp", "R1=2&Name1=%86%CE&Name2=%CC%EF%B7%BC",
                                "application/x-www-form-urlencoded");
  ASSERT_TRUE(form);
  EXPECT_NE(GbkToUtf8(form->body).find("（坤造，女）"), std::string::npos);
  const auto bad = client.Get("/s?word=%81");
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->status, 400);
  const auto picture = client.Get("/xingjia/1.jpg");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->get_header_value("Content-Type"), "image/jpeg");
}

}  // namespace
}  // namespace velmora::services
