// The two online chart readings end to end: the real main window (offscreen)
// with the real bundled service on 127.0.0.1, a service that is down, one that
// answers with another page, and one whose answers carry hostile markup; and
// the dialog of the birth minute and place that the readings send.

#include <httplib.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include "app/birth_details_dialog.h"
#include "app/bundled_service.h"
#include "app/chn_calendar_picker.h"
#include "app/gradient_progress.h"
#include "app/tform1.h"
#include "online/bazi_readings.h"
#include "online/browser_automation.h"
#include "platform/qt/local_file_scheme.h"
#include "platform/qt/qt_browser.h"
#include "readings/birth_details.h"
#include "refdb/settings_file.h"
#include "tests/app/window_test_main.h"
#include "tests/app/loopback_server.h"
#include "tests/app/recording_dialogs.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

using namespace velmora;

namespace {

constexpr int kAnswerTimeoutMs = 20000;

std::string ViewerText(TForm1& window) { return GbkToUtf8(window.Viewer().BodyText()); }

// Whether the viewer comes to show a text that `shows` accepts, reading it
// once per look: when two answers are published together the report is shown
// again once the first load ends, and passes through an empty page, so two
// reads in a row may disagree.
bool ViewerComesToShow(TForm1& window, const std::function<bool(const std::string& text)>& shows) {
  return QTest::qWaitFor([&] { return shows(ViewerText(window)); }, kAnswerTimeoutMs);
}

QVariant RunInViewer(TForm1& window, const QString& script) {
  QVariant result;
  bool answered = false;
  window.webbrowser1->page()->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    answered = true;
  });
  if (!QTest::qWaitFor([&answered] { return answered; }, 5000)) qWarning("the viewer did not answer the script");
  return result;
}

// A copy of the program folder whose chart service is at the base given
// (empty: the bundled one); its path.
std::string ProgramFolderWithBaziAt(const testing::TestFolder& folder, const std::string& baziBase) {
  testing::CopyBuiltProgramFolder(folder);
  if (!baziBase.empty()) {
    std::ofstream(folder.Path() + "data/services.ini", std::ios::trunc) << "[bazi]\r\nbase=" << baziBase << "\r\n";
  }
  return folder.Path();
}

// The main window on such a folder, its chart forms loaded, and the birth
// 1990-05-27 at 11 o'clock entered.
struct OnlineWindow {
  explicit OnlineWindow(const std::string& baziBase = {}) : window(ProgramFolderWithBaziAt(folder, baziBase), dialogs) {
    window.show();
    formLoaded = QTest::qWaitFor(
        [this] {
          return ReadTitle(window.HiddenBrowser(1)) == SizhuFormTitle() &&
                 ReadTitle(window.HiddenBrowser(2)) == BaziScoreFormTitle();
        },
        kAnswerTimeoutMs);
    window.chnclndrpckr1->SetDateTime({{1990, 5, 27}, 11, 0, 0});
    window.cbb1->setCurrentIndex(11);
  }
  bool Published() const { return QFile::exists(QString::fromStdString(folder.Path() + "ssbx.htm1")); }

  testing::TestFolder folder;
  testing::RecordingDialogs dialogs;
  TForm1 window;
  bool formLoaded = false;
};

// A stand-in for a chart service on a free port. The n-th request of an
// address gets the n-th of its pages (the last one from then on), and its
// body is kept; the score page's "HOST" becomes the request's Host. A held score answer is sent only
// once "/release" has been asked for, and that request is answered a while
// later, so a page that asks for it waits while the score answer arrives.
class StandInService {
 public:
  StandInService(std::string sizhu, std::string score) : StandInService(std::vector{sizhu}, std::vector{score}) {}
  StandInService(std::vector<std::string> sizhu, std::vector<std::string> score, bool scoreHeld = false)
      : released_(!scoreHeld) {
    httplib::Server& routes = server_.Routes();
    routes.Post("/bazi/sizhu.asp", [this, sizhu](const httplib::Request& request, httplib::Response& response) {
      Keep(sizhuBodies_, request.body);
      response.set_content(Next(sizhu, sizhuCalls_), "text/html; charset=gbk");
    });
    routes.Post("/chest/bz/bazi.asp", [this, score](const httplib::Request& request, httplib::Response& response) {
      Keep(scoreBodies_, request.body);
      {
        std::unique_lock lock(mutex_);
        release_.wait_for(lock, std::chrono::seconds(10), [this] { return released_; });
      }
      std::string page = Next(score, scoreCalls_);
      const std::size_t host = page.find("HOST");
      if (host != std::string::npos) page.replace(host, 4, request.get_header_value("Host"));
      response.set_content(page, "text/html; charset=gbk");
    });
    routes.Get("/release", [this](const httplib::Request&, httplib::Response& response) {
      {
        const std::lock_guard lock(mutex_);
        released_ = true;
      }
      release_.notify_all();
      std::this_thread::sleep_for(std::chrono::milliseconds(2500));
      response.set_content("released", "text/plain");
    });
    server_.Start();
  }
  std::string Base() const { return server_.Base(); }
  // The form bodies of the requests so far, in order.
  std::vector<std::string> SizhuBodies() {
    const std::lock_guard lock(mutex_);
    return sizhuBodies_;
  }
  std::vector<std::string> ScoreBodies() {
    const std::lock_guard lock(mutex_);
    return scoreBodies_;
  }

 private:
  void Keep(std::vector<std::string>& bodies, const std::string& body) {
    const std::lock_guard lock(mutex_);
    bodies.push_back(body);
  }
  std::string Next(const std::vector<std::string>& pages, int& calls) {
    const std::lock_guard lock(mutex_);
    return pages[std::min(static_cast<std::size_t>(calls++), pages.size() - 1)];
  }

  std::mutex mutex_;
  std::condition_variable release_;
  bool released_;
  int sizhuCalls_ = 0;
  int scoreCalls_ = 0;
  std::vector<std::string> sizhuBodies_;
  std::vector<std::string> scoreBodies_;
  testing::LoopbackServer server_;
};

// How often the text occurs in a page's text.
int Occurrences(const std::string& page, const std::string& text) {
  int count = 0;
  for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + text.size())) ++count;
  return count;
}

// A page titled as the 四柱批命 answer whose reading is the text given.
std::string SizhuAnswerWith(const std::string& utf8Reading) {
  return Utf8ToGbk("<html><head><title>四柱八字在线免费算命系统</title></head><body><pre>元亨利贞网四柱八字在线免费算命系统 - 免费在线八字算命 \n"
                   "ours\n") +
         Utf8ToGbk(utf8Reading) +
         Utf8ToGbk("\n声明：本系统批示的结果仅供参考！点此在线详批八字算命！ - 进入元亨利贞网免费在线算命预测论坛</pre></body></html>");
}

// A page titled as the 八字批命 answer whose body lines 5 and on are the markup given.
std::string ScoreAnswerWith(const std::string& utf8Markup) {
  std::string page = Utf8ToGbk("<html><head><title>■八字准确测试打分■-vu姓名(HOST)</title></head><body>\n1\n2\n3\n4\n");
  page += Utf8ToGbk(utf8Markup);
  for (int i = 0; i < 200; ++i) page += "\n";
  return page + "</body></html>";
}

}  // namespace

class BaziOnlineTest : public QObject {
  Q_OBJECT

 private slots:
  void BothReadingsArePublishedAfterTheLocalOne() {
    OnlineWindow online;
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    QVERIFY(window.Service().IsReady());
    QVERIFY(window.Addresses().Base(Service::Bazi).starts_with("http://127.0.0.1:"));
    window.N32Click();  // 命造简批 first: the answer is appended to its page
    window.N4Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("【四柱】庚午 辛巳 壬辰 乙巳") != std::string::npos, kAnswerTimeoutMs);
    QVERIFY(ViewerText(window).find("命骨重量") != std::string::npos);
    QCOMPARE(window.GradProgress1->Position(), 100);
    // 四柱批命 navigated its browser back to the form; 八字批命 next.
    QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(1)) == SizhuFormTitle(), 10000);
    window.N16Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("八字评分") != std::string::npos, kAnswerTimeoutMs);
    QVERIFY(ViewerText(window).find("【四柱】庚午") != std::string::npos);  // still there: appended
    // The element bars come from the service and are shown.
    QTRY_COMPARE_WITH_TIMEOUT(
        RunInViewer(window, "Array.from(document.images).filter(i => i.src.includes('/chest/bz/images/') && "
                            "i.complete && i.naturalWidth > 0).length")
            .toInt(),
        5, 10000);
  }

  void BirthsAfter2020AndBefore1930AreChartedInTheirOwnYears() {
    OnlineWindow online;
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.chnclndrpckr1->SetDateTime({{2024, 3, 7}, 11, 0, 0});
    window.N4Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("公历：2024年3月7日 11时") != std::string::npos, kAnswerTimeoutMs);
    QVERIFY(ViewerText(window).find("【四柱】甲辰 丁卯 庚午 壬午") != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(1)) == SizhuFormTitle(), 10000);
    window.chnclndrpckr1->SetDateTime({{1925, 6, 1}, 11, 0, 0});
    window.N16Click();
    // The published page shows the year, and the chart of 1925: 乙丑 辛巳 丙辰 甲午.
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("乙木\t辛金\t丙火\t甲木") != std::string::npos, kAnswerTimeoutMs);
    QVERIFY(ViewerText(window).find("公历：1925年6月1日 11时（北京时间）") != std::string::npos);
    QVERIFY(ViewerText(window).find("丑土\t巳火\t辰土\t午火") != std::string::npos);
    QVERIFY(online.dialogs.messages.empty());
    // A year the service does not chart: the message, and nothing sent.
    QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(2)) == BaziScoreFormTitle(), 10000);
    window.chnclndrpckr1->SetDateTime({{1900, 6, 1}, 11, 0, 0});
    window.N4Click();
    window.N16Click();
    const std::string refused = "出生年份须在1901年至2100年之间（现为1900年），在线批命未发送。";
    QCOMPARE(online.dialogs.messages, (std::vector<std::string>{refused, refused}));
    QTest::qWait(1000);
    QCOMPARE(ReadTitle(window.HiddenBrowser(1)), SizhuFormTitle());
    QCOMPARE(ReadTitle(window.HiddenBrowser(2)), BaziScoreFormTitle());
    QVERIFY(ViewerText(window).find("1900年") == std::string::npos);
  }

  void CommandsBeforeTheFormPagesHaveLoadedAreSentOnceTheyHave() {
    testing::TestFolder folder;
    testing::RecordingDialogs dialogs;
    TForm1 window(ProgramFolderWithBaziAt(folder, {}), dialogs);
    window.chnclndrpckr1->SetDateTime({{1990, 5, 27}, 11, 0, 0});
    window.cbb1->setCurrentIndex(11);
    window.N4Click();  // the window is not even shown yet
    window.N16Click();
    window.show();
    // Both answers arrive together; the report shows both, not the one
    // published first.
    QVERIFY(ViewerComesToShow(window, [](const std::string& text) {
      return text.find("【四柱】庚午 辛巳 壬辰 乙巳") != std::string::npos && text.find("八字评分") != std::string::npos;
    }));
    QVERIFY(dialogs.messages.empty());
  }

  void AScoreAfterAFailedAnswerWorksOnTheNextCommand() {
    const std::string answer = ScoreAnswerWith("<table><tr><td>乙答</td></tr></table>");
    StandInService service({SizhuAnswerWith("甲答")},
                           {"<html><head><title>Error</title></head><body>busy</body></html>", answer});
    OnlineWindow online(service.Base());
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    QStringList titles;
    QObject::connect(window.HiddenBrowser(2).Page(), &QWebEnginePage::titleChanged, &window,
                     [&titles](const QString& title) { titles << title; });
    window.N16Click();
    // The error page came, and the browser went back to its form.
    QTRY_VERIFY_WITH_TIMEOUT(titles.contains("Error"), kAnswerTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(2)) == BaziScoreFormTitle(), kAnswerTimeoutMs);
    QVERIFY(!online.Published());
    window.N16Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("乙答") != std::string::npos, kAnswerTimeoutMs);
  }

  void BothReadingsInQuickSuccessionEachAppendTheirAnswerOnce() {
    // Reading the 四柱 answer's text asks for "/release", and so waits, in
    // the reading's own event loop, while the 八字 answer arrives and is taken.
    const std::string readingWaits =
        "<script>(function () {"
        "  const text = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'innerText').get;"
        "  Object.defineProperty(document.body, 'innerText', {get: function () {"
        "    const request = new XMLHttpRequest(); request.open('GET', '/release', false); request.send();"
        "    return text.call(this);"
        "  }});"
        "})();</script></body>";
    std::string sizhu = SizhuAnswerWith("甲答");
    sizhu.replace(sizhu.find("</body>"), 7, readingWaits);
    StandInService service({sizhu}, {ScoreAnswerWith("<table><tr><td>乙答</td></tr></table>")}, true);
    OnlineWindow online(service.Base());
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.N4Click();
    window.N16Click();
    QVERIFY(ViewerComesToShow(window, [](const std::string& text) {
      return Occurrences(text, "甲答") == 1 && Occurrences(text, "乙答") == 1;
    }));
    QTest::qWait(1000);  // a second copy would have been published by now
    const std::string report = ViewerText(window);
    QCOMPARE(Occurrences(report, "甲答"), 1);
    QCOMPARE(Occurrences(report, "乙答"), 1);
    QVERIFY(online.dialogs.messages.empty());
  }

  // The dialog of the 附件 menu keeps what the place table accepts and
  // refuses the rest with its message, saving nothing then; 八字批命 then
  // charts the birth at the place's true solar time, shown beside the date.
  void TheBirthDetailsDialogRemembersWhatTheReadingsSend() {
    OnlineWindow online;
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.chnclndrpckr1->SetDateTime({{2000, 11, 3}, 12, 0, 0});
    window.cbb1->setCurrentIndex(12);
    const std::string settings = SettingsFilePath(online.folder.Path());
    // The entry follows 访问JAVA下载站 in 附件; the main window's controls are as they were.
    QStringList entries;
    for (QAction* group : window.menuBar()->actions()) {
      if (group->text() != QString::fromUtf8("附件")) continue;
      for (QAction* entry : group->menu()->actions()) {
        if (!entry->isSeparator()) entries << entry->text();
      }
    }
    QCOMPARE(entries, (QStringList{QString::fromUtf8("访问JAVA下载站"), QString::fromUtf8("出生时间与出生地…")}));
    window.findChild<QAction*>("BirthDetails1")->trigger();
    auto* dialog = window.findChild<BirthDetailsDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->lblBirth->text(), QString::fromUtf8("2000年11月3日 12时（日期与时辰在主窗口选择）"));
    struct Case {
      const char *minute, *place, *province, *longitude;
      const char* message;  // empty: accepted
    };
    const Case cases[] = {
        {"30", "火星", "", "", "地名表中没有“火星”，请检查地名，或改填经度。"},
        {"30", "朝阳", "", "", "“朝阳”有多处（北京、辽宁、吉林），请填写省份以指明。"},
        {"30", "", "", "200", "经度应为 -180 到 180 之间的数（东经为正，西经为负），如 116.4。"},
        {"30", "喀什", "", "76", "出生地与经度只能填一个。"},
        {"30", "喀什", "", "", ""},
    };
    for (const Case& c : cases) {
      dialog->edtMinute->setText(QString::fromUtf8(c.minute));
      dialog->edtPlace->setText(QString::fromUtf8(c.place));
      dialog->edtProvince->setText(QString::fromUtf8(c.province));
      dialog->edtLongitude->setText(QString::fromUtf8(c.longitude));
      dialog->btnOk->click();
      QCOMPARE(dialog->lblMessage->text(), QString::fromUtf8(c.message));
      QCOMPARE(dialog->isVisible(), *c.message != '\0');
      QCOMPARE(QFile::exists(QString::fromStdString(settings)), *c.message == '\0');  // nothing saved before
    }
    QVERIFY((ReadBirthDetails(online.folder.Path()) == BirthDetails{30, Utf8ToGbk("喀什"), "", std::nullopt}));
    window.BirthDetails1Click();  // shown again as remembered
    QCOMPARE(dialog->edtMinute->text(), QString("30"));
    QCOMPARE(dialog->edtPlace->text(), QString::fromUtf8("喀什"));
    // The place box offers the places of the table; choosing one fills its region.
    QCompleter* completer = dialog->edtPlace->completer();
    QVERIFY(completer);
    completer->setCompletionPrefix(QString::fromUtf8("鼓楼"));
    QStringList offered;
    for (int row = 0; row < completer->completionCount(); ++row) {
      offered << completer->completionModel()->index(row, 0).data().toString();
    }
    QCOMPARE(offered, (QStringList{QString::fromUtf8("鼓楼区（江苏省 南京市）"), QString::fromUtf8("鼓楼区（江苏省 徐州市）"),
                                   QString::fromUtf8("鼓楼区（福建省 福州市）"), QString::fromUtf8("鼓楼区（河南省 开封市）")}));
    emit completer->activated(completer->completionModel()->index(1, 0));
    QCOMPARE(dialog->edtProvince->text(), QString::fromUtf8("徐州市"));
    dialog->btnCancel->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY((ReadBirthDetails(online.folder.Path()) == BirthDetails{30, Utf8ToGbk("喀什"), "", std::nullopt}));

    // 12:30 Beijing time in 喀什 is about 09:50 local true solar time.
    window.N16Click();
    QTRY_VERIFY_WITH_TIMEOUT(
        ViewerText(window).find("出生地：喀什地区（新疆维吾尔自治区，东经75.99°）　真太阳时：2000年11月3日 09:50") !=
            std::string::npos,
        kAnswerTimeoutMs);
    QVERIFY(ViewerText(window).find("公历：2000年11月3日 12时30分（北京时间）") != std::string::npos);
    QVERIFY(online.dialogs.messages.empty());
  }

  // What the readings send: the remembered minute and place in the forms'
  // optional fields, and those fields empty when nothing is remembered.
  void TheChartReadingsSendTheRememberedMinuteAndPlace() {
    StandInService service({SizhuAnswerWith("甲答")}, {ScoreAnswerWith("<table><tr><td>乙答</td></tr></table>")});
    OnlineWindow online(service.Base());
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.chnclndrpckr1->SetDateTime({{2000, 11, 3}, 12, 0, 0});
    window.cbb1->setCurrentIndex(12);
    struct Case {
      BirthDetails details;
      std::string fields;  // the optional fields as 八字批命 sends them; 四柱批命's have "china95_" before each
    };
    const Case cases[] = {
        {{}, "minute=&place=&province=&longitude="},  // nothing remembered: nothing given
        {{30, Utf8ToGbk("喀什"), "", std::nullopt}, "minute=30&place=%BF%A6%CA%B2&province=&longitude="},
        {{0, Utf8ToGbk("朝阳"), Utf8ToGbk("辽宁"), std::nullopt},
         "minute=0&place=%B3%AF%D1%F4&province=%C1%C9%C4%FE&longitude="},
        {{std::nullopt, "", "", -73.94}, "minute=&place=&province=&longitude=-73.94"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      WriteBirthDetails(online.folder.Path(), cases[i].details);
      window.N4Click();
      window.N16Click();
      QTRY_COMPARE_WITH_TIMEOUT(service.SizhuBodies().size(), i + 1, kAnswerTimeoutMs);
      QTRY_COMPARE_WITH_TIMEOUT(service.ScoreBodies().size(), i + 1, kAnswerTimeoutMs);
      std::string sizhuFields = "china95_" + cases[i].fields;
      for (std::size_t at = sizhuFields.find('&'); at != std::string::npos; at = sizhuFields.find('&', at + 1)) {
        sizhuFields.insert(at + 1, "china95_");
      }
      QCOMPARE(service.SizhuBodies()[i],
               "china95_year=2000&china95_month=11&china95_day=3&china95_time=12&" + sizhuFields + "&sex=1");
      QCOMPARE(service.ScoreBodies()[i], "name=&sex=%C4%D0&y=2000&m=11&d=3&h=12&" + cases[i].fields);
      QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(1)) == SizhuFormTitle() &&
                                   ReadTitle(window.HiddenBrowser(2)) == BaziScoreFormTitle(),
                               kAnswerTimeoutMs);
    }
    QVERIFY(online.dialogs.messages.empty());
  }

  void AServiceThatIsDownLeavesTheViewerAsItWas() {
    OnlineWindow online("http://127.0.0.1:9");
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    QTRY_VERIFY_WITH_TIMEOUT(window.webbrowser1->title() == "Velmora", 10000);
    window.N4Click();
    window.N16Click();
    QTest::qWait(4000);
    QCOMPARE(window.webbrowser1->title(), QString("Velmora"));  // still the start page
    QVERIFY(!online.Published());
    QVERIFY(online.dialogs.messages.empty());
  }

  void AnAnswerWithAnotherTitleIsIgnored() {
    StandInService service("<html><head><title>Service Unavailable</title></head><body>busy</body></html>",
                           "<html><head><title>Error</title></head><body>busy</body></html>");
    OnlineWindow online(service.Base());
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.N4Click();
    QTRY_VERIFY_WITH_TIMEOUT(ReadTitle(window.HiddenBrowser(1)) == "Service Unavailable", 10000);
    QTest::qWait(1000);
    QVERIFY(!online.Published());
  }

  void FramesReportTheirOwnCompletions() {
    testing::TestFolder folder;
    SetLocalFolders({folder.Path()});  // the browser's pages are this folder's
    std::ofstream(folder.Path() + "frame.htm") << "<html><body>frame</body></html>";
    std::ofstream(folder.Path() + "page.htm") << "<html><head><title>t</title></head><body>"
                                                 "<iframe src=\"frame.htm\"></iframe></body></html>";
    QtBrowser browser(static_cast<QObject*>(nullptr));
    std::vector<BrowserWindow> windows;
    browser.OnDocumentComplete([&windows](BrowserWindow window) { windows.push_back(window); });
    browser.Navigate(folder.Path() + "page.htm");
    QTRY_COMPARE_WITH_TIMEOUT(windows.size(), std::size_t{2}, 10000);
    QVERIFY(!IsTopLevelCompletion(browser, windows.front()));  // the frame completes first
    QVERIFY(IsTopLevelCompletion(browser, windows.back()));
  }

  void HostileAnswersRunNoScriptInTheReport() {
    // Text that reads as markup once it is taken from the page's text.
    const std::string hostileText =
        "<script>window.pwned = 1</script>\n<img src=x onerror=\"window.pwned = 2\">\n"
        "<iframe srcdoc=\"<script>parent.pwned = 3</script>\"></iframe>\n<a href=\"javascript:window.pwned = 4\">甲</a>";
    std::string escaped;
    for (const char c : hostileText) escaped += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    StandInService service(SizhuAnswerWith(escaped),
                           ScoreAnswerWith("<table><tr><td><script>window.pwned = 5</script>乙</td></tr>\n"
                                           "<tr><td><img src=\"images/none.png\" onerror=\"window.pwned = 6\"></td></tr>\n"
                                           "<tr><td><a href=\"javascript:window.pwned = 7\">丙</a>"
                                           "<iframe src=\"javascript:parent.pwned = 8\"></iframe></td></tr></table>"));
    OnlineWindow online(service.Base());
    QVERIFY(online.formLoaded);
    TForm1& window = online.window;
    window.N4Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("甲") != std::string::npos, kAnswerTimeoutMs);
    window.N16Click();
    QTRY_VERIFY_WITH_TIMEOUT(ViewerText(window).find("丙") != std::string::npos, kAnswerTimeoutMs);
    QTest::qWait(1500);  // time for any handler that got through to run
    QCOMPARE(RunInViewer(window, "String(window.pwned)").toString(), QString("undefined"));
    QCOMPARE(RunInViewer(window, "document.querySelectorAll('iframe, [onerror], a[href^=\"javascript\"]').length").toInt(),
             0);
    QVERIFY(online.dialogs.messages.empty());
  }
};

int main(int argc, char** argv) {
  BaziOnlineTest test;
  return velmora::testing::RunWindowTest(test, argc, argv);
}
#include "bazi_online_test.moc"
