// The online name windows and the name detail end to end, under the offscreen
// platform, against the real answering service the main window starts: the
// score window, the name-test window, the detail after a name reading, and
// what each does when its service is down.

#include <QClipboard>
#include <QFile>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>

#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/radio_group.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "app/bundled_service.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"
#include "tests/app/recording_dialogs.h"
#include "tests/app/window_test_main.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

using namespace velmora;

namespace {

using testing::RecordingDialogs;

constexpr int kAnswerTimeoutMs = 20000;
// Where nothing listens: a service configured there is down.
const char* const kDownBase = "http://127.0.0.1:9";

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The whole program as the build assembled it, service and pictures included,
// optionally with one service sent where nothing answers.
struct Program {
  explicit Program(const char* downService = nullptr) {
    testing::CopyBuiltProgramFolder(folder);
    if (downService) std::ofstream(folder.Path() + "data/services.ini") << "[" << downService << "]\nbase=" << kDownBase << "\n";
    window = std::make_unique<TForm1>(folder.Path(), dialogs);
    windows = CreateSecondaryWindows(window.get());
    window->SetSecondaryWindows(&windows);
    window->show();
  }
  std::string File(const char* name) const { return folder.Path() + name; }
  std::string ViewerText() { return GbkToUtf8(window->Viewer().BodyText()); }
  // Waits until the service has started and the viewer shows the start page.
  bool Started() {
    return QTest::qWaitFor(
        [this] { return window->Service().IsReady() && window->webbrowser1->title() == QString("Velmora"); },
        kAnswerTimeoutMs);
  }
  // Runs the name reading; its detail joins it in the viewer later.
  void ReadName(const char* name) {
    window->flatedit1->setText(QString::fromUtf8(name));
    window->XPButton14Click();
  }
  bool DetailShown() {
    return window->webbrowser1->url().path().endsWith("temp.htm1") &&
           ViewerText().find("【读音声调】") != std::string::npos;
  }

  testing::TestFolder folder;
  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> window;
  SecondaryWindows windows{};
};

std::string TextOf(QtBrowser& browser) { return GbkToUtf8(browser.BodyText()); }

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

class NameWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void ScoreWindowFetchesAndShowsTheCleanedScore() {
    Program program;
    QTRY_VERIFY_WITH_TIMEOUT(program.window->Service().IsReady(), kAnswerTimeoutMs);
    program.window->flatedit1->setText(Qt8("欧阳明月"));
    program.window->FlatButton2->click();  // 复姓
    program.window->N41Click();
    TForm3& form = *program.windows.TForm3;
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), Qt8("在线姓名评分"));
    QCOMPARE(form.edit1->text(), Qt8("欧阳"));
    QCOMPARE(form.edit2->text(), Qt8("明月"));
    form.xpbtn1Click();
    QtBrowser& browser = form.Browser();
    QTRY_VERIFY_WITH_TIMEOUT(Contains(TextOf(browser), "【欧阳明月】姓名评分："), kAnswerTimeoutMs);
    const std::string text = TextOf(browser);
    QVERIFY(Contains(text, "评分明细"));
    QVERIFY(Contains(text, "三才配置：木土木"));
    QVERIFY(!Contains(text, "重新评分"));            // the page's head is cut away
    QVERIFY(!Contains(text, "八十一数理吉凶一览"));  // and so is its tail
    QVERIFY(form.webbrowser1->url().path().endsWith("temp.tmp"));
    const std::string written = ReadFile(program.File("temp.tmp"));
    QVERIFY(!Contains(written, "width="));
    QVERIFY(!Contains(written, "<title"));
    QCOMPARE(form.GradProgress1->Position(), form.GradProgress1->Maximum());  // the whole announced length came
    QVERIFY(program.dialogs.messages.empty());
  }

  void ScoreWindowSendsHostileNamesAsTextOnly() {
    Program program;
    QTRY_VERIFY_WITH_TIMEOUT(program.window->Service().IsReady(), kAnswerTimeoutMs);
    TForm3& form = *program.windows.TForm3;
    program.window->N41Click();
    form.edit1->setText(Qt8("<b>"));
    form.edit2->setText(Qt8("%&#\"'"));
    form.xpbtn1Click();
    QtBrowser& browser = form.Browser();
    QTRY_VERIFY_WITH_TIMEOUT(Contains(TextOf(browser), "未能评分"), kAnswerTimeoutMs);
    QVERIFY(Contains(TextOf(browser), "【<b>%&#\"'】未能评分"));
    QVERIFY(Contains(ReadFile(program.File("temp.tmp")), "&lt;b&gt;"));
    QVERIFY(program.dialogs.messages.empty());
  }

  void ScoreWindowReportsAServiceThatIsDownAndKeepsItsPage() {
    Program program("names");
    QTRY_VERIFY_WITH_TIMEOUT(program.window->Service().IsReady(), kAnswerTimeoutMs);
    TForm3& form = *program.windows.TForm3;
    program.window->N41Click();
    const QUrl before = form.webbrowser1->url();
    form.xpbtn1Click();
    QTRY_COMPARE_WITH_TIMEOUT(program.dialogs.messages, std::vector<std::string>{"网络暂时出错，请稍后再试！"},
                              kAnswerTimeoutMs);
    QCOMPARE(form.webbrowser1->url(), before);
    QCOMPARE(form.GradProgress1->Position(), 10);
    QVERIFY(!QFile::exists(QString::fromStdString(program.File("temp.tmp"))));
  }

  void TestWindowFillsSubmitsShowsTheAnswerAndStartsAgain() {
    Program program;
    QTRY_VERIFY_WITH_TIMEOUT(program.window->Service().IsReady(), kAnswerTimeoutMs);
    program.window->flatedit1->setText(Qt8("张晓明"));
    program.window->N59Click();
    TForm14& form = *program.windows.TForm14;
    QCOMPARE(form.windowTitle(), Qt8("在线姓名测试"));
    QCOMPARE(form.Edit1->text(), Qt8("张晓明"));
    QTRY_COMPARE_WITH_TIMEOUT(form.GradProgress1->Position(), 100, kAnswerTimeoutMs);  // the form page has loaded
    QCOMPARE(form.Browser().Title(), Utf8ToGbk("阳宅四格"));
    QVERIFY(!form.xpbtn2->isEnabled());
    form.suiRadioGroup2->SetItemIndex(1);  // 女
    form.xpbtn1Click();
    QCOMPARE(form.lbl3->text(), Qt8("張"));
    QCOMPARE(form.lbl5->text(), Qt8("曉明"));
    QVERIFY(!form.xpbtn1->isEnabled());
    QVERIFY(form.xpbtn2->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(form.WebBrowser1->url().path().endsWith("temp.htm") &&
                                 Contains(TextOf(form.Browser()), "Oskarn姓名数理形家论断"),
                             kAnswerTimeoutMs);
    QVERIFY(form.Panel1->isHidden());
    const std::string text = TextOf(form.Browser());
    QVERIFY(Contains(text, "張曉明"));
    QVERIFY(Contains(text, "坤造，女"));
    QVERIFY(Contains(text, "Oskarn工作室 中国年度优秀软件 经典强大权威"));
    QVERIFY(Contains(text, "總格（晚年）："));
    const std::string written = GbkToUtf8(ReadFile(program.File("temp.htm")));
    QVERIFY(Contains(written, "width=\"580\""));
    QVERIFY(!Contains(written, "width=\"700\""));
    QVERIFY(!Contains(written, "<img"));
    QVERIFY(program.dialogs.messages.empty());

    form.xpbtn2Click();
    QVERIFY(form.Panel1->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(form.xpbtn1->isEnabled(), kAnswerTimeoutMs);  // once the form page is back
    QCOMPARE(form.Browser().Title(), Utf8ToGbk("阳宅四格"));
    QVERIFY(!form.xpbtn2->isEnabled());
  }

  void TestWindowsNameBoxStopsTypingAtEightBytes() {
    Program program;
    QVERIFY(!program.windows.TForm14.IsMade());  // made when it is first used, not at start-up
    program.window->N59Click();
    TForm14& form = *program.windows.TForm14;
    form.Edit1->clear();
    for (const char* typed : {"张", "三", "丰", "'", "李"}) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, Qt8(typed));
      QApplication::sendEvent(form.Edit1, &press);
    }
    QCOMPARE(form.Edit1->text(), Qt8("张三丰'"));  // 李 would make nine bytes
    form.Edit1->clear();
    QInputMethodEvent commit;
    commit.setCommitString(Qt8("欧阳明月晓"));
    QApplication::sendEvent(form.Edit1, &commit);
    QCOMPARE(form.Edit1->text(), Qt8("欧阳明月"));  // an input method's characters, as far as they fit
    // Pasted text stays whole until the box is left, and is then cut between characters.
    form.Edit1->clear();
    QGuiApplication::clipboard()->setText(Qt8("'欧阳明月"));
    form.Edit1->paste();
    QCOMPARE(form.Edit1->text(), Qt8("'欧阳明月"));
    form.Edit1Exit();
    QCOMPARE(form.Edit1->text(), Qt8("'欧阳明"));
  }

  void NameReadingIsFollowedByItsDetailInTheViewer() {
    Program program;
    QVERIFY(program.Started());
    program.ReadName("张三丰");
    QTRY_VERIFY_WITH_TIMEOUT(program.DetailShown(), kAnswerTimeoutMs);
    const std::string text = program.ViewerText();
    QVERIFY(Contains(text, "张三丰，男，生于"));            // the local reading first
    QVERIFY(text.find("张三丰，男，生于") < text.find("【姓名评分】73分"));  // then the detail
    QVERIFY(Contains(text, "丰 fēng 阴平（平）"));
    QVERIFY(Contains(text, "【生僻字提示】"));
    QVERIFY(!Contains(text, "测算项目："));              // line 10 of the answer: before line 15
    QVERIFY(!Contains(text, "想测试别的姓名？"));        // just above the marker
    QVERIFY(!Contains(text, "按下面方式开始测试"));
    QVERIFY(!Contains(text, "三、按回车"));              // just below it
    QVERIFY(!Contains(text, "Velmora 应答服务"));        // the last lines
    QCOMPARE(program.window->GradProgress1->Position(), 100);
    QVERIFY(program.dialogs.messages.empty());
  }

  void ADetailOfAHostileNameShowsItAsText() {
    Program program;
    QVERIFY(program.Started());
    program.ReadName("<i>李%");
    QTRY_VERIFY_WITH_TIMEOUT(program.DetailShown(), kAnswerTimeoutMs);
    QVERIFY(Contains(program.ViewerText(), "【姓名评分】未能评分："));
    QVERIFY(Contains(program.ViewerText(), "　　< ? ?"));  // the characters without a reading, as text
    QVERIFY(Contains(program.ViewerText(), "　　% ? ?"));
    QVERIFY(!Contains(GbkToUtf8(ReadFile(program.File("temp.htm1"))), "<i>"));
  }

  void ADetailServiceThatIsDownLeavesTheLocalReadingAlone() {
    Program program("search");
    QVERIFY(program.Started());
    program.window->flatedit1->setText(Qt8("李明"));
    QElapsedTimer command;
    command.start();
    program.window->XPButton14Click();
    QVERIFY(command.elapsed() < 5000);  // the command does not wait for the answer
    QTRY_VERIFY_WITH_TIMEOUT(Contains(program.ViewerText(), "李明，男，生于"), kAnswerTimeoutMs);
    QTest::qWait(3000);  // the failed search has long completed
    QVERIFY(program.window->webbrowser1->url().path().endsWith("ssbx.htm1"));
    QVERIFY(!QFile::exists(QString::fromStdString(program.File("temp.htm1"))));
    QVERIFY(program.dialogs.messages.empty());
  }
};

int main(int argc, char** argv) {
  NameWindowsTest test;
  return testing::RunWindowTest(test, argc, argv);
}

#include "name_windows_test.moc"
