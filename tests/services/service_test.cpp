#include <gtest/gtest.h>
#include <httplib.h>

#include <future>
#include <thread>

#include "services/bazi_pages.h"
#include "services/http_server.h"
#include "services/page.h"
#include "services/routes.h"
#include "services/service_options.h"
#include "services/static_files.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::QueryOf;

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
  for (const char* path : {"/../data/services.db", "/www/../../velmora", "/%2e%2e/x", "/", "", "/a b.png"}) {
    EXPECT_FALSE(StaticFile(ProgramSources().Folder(), path)) << path;
  }
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
  const auto options = ParseServiceOptions({"--listen", "0.0.0.0:8080", "--folder", "/opt/velmora"}, error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->host, "0.0.0.0");
  EXPECT_EQ(options->port, 8080);
  EXPECT_EQ(options->folder, "/opt/velmora");
  const auto v6 = ParseServiceOptions({"--listen", "[::1]:0"}, error);
  ASSERT_TRUE(v6);
  EXPECT_EQ(v6->host, "::1");
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--listen"}, {"--listen", "8080"}, {"--listen", "h:65536"}, {"--listen", "h:-1"}, {"--listen", "::1:80"},
           {"--folder", ""}, {"--port", "1"}}) {
    EXPECT_FALSE(ParseServiceOptions(bad, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

// The server on a free port of the loopback address, for one test.
class RunningServer {
 public:
  RunningServer() : server_(ProgramSources(), [](const std::string&) {}) {
    port_ = server_.Bind("127.0.0.1", 0);
    thread_ = std::thread([this] { server_.Run(); });
  }
  ~RunningServer() {
    server_.Stop();
    thread_.join();
  }
  int Port() const { return port_; }
  httplib::Client Client() const {
    httplib::Client client("127.0.0.1", port_);
    client.set_connection_timeout(5);
    client.set_read_timeout(10);
    return client;
  }

 private:
  HttpServer server_;
  int port_ = 0;
  std::thread thread_;
};

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

  const auto longLine = client.Get("/x?q=" + std::string(20000, 'a'));
  ASSERT_TRUE(longLine);
  EXPECT_EQ(longLine->status, 400);
  EXPECT_NE(GbkToUtf8(longLine->body).find("请求有误"), std::string::npos);

  const auto bigBody = client.Post("/bazi/sizhu.asp", std::string(70 * 1024, 'a'), "application/x-www-form-urlencoded");
  ASSERT_TRUE(bigBody);
  EXPECT_EQ(bigBody->status, 400);

  const auto method = client.Delete("/bazi/sizhu.asp");
  ASSERT_TRUE(method);
  EXPECT_EQ(method->status, 400);

  const auto again = client.Get("/nosuch");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->status, 404);
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
