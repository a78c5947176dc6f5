// The 本周星座运程 and 生日密码 windows end to end under the offscreen
// platform: the main window starts the real answering service on 127.0.0.1,
// the windows load its pages in their hidden browsers and show the texts a
// user reads; with the service down they show their error and an empty text.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/bundled_service.h"
#include "app/chn_calendar.h"
#include "app/chn_calendar_picker.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "app/tform12.h"
#include "app/tform13.h"
#include "online/horoscope_readings.h"
#include "services/horoscope_pages.h"
#include "services/sources.h"
#include "tests/app/recording_dialogs.h"
#include "tests/app/window_test_main.h"
#include "tests/services/page_text.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

using namespace velmora;
using services::testing::LinesBetween;
using services::testing::PageTextLines;

namespace {

constexpr int kAnswerTimeoutMs = 20000;

// A copy of the program folder, with other service addresses when given.
void FillProgramFolder(const testing::TestFolder& folder, const std::string& addresses = {}) {
  testing::CopyBuiltProgramFolder(folder);
  if (!addresses.empty()) std::ofstream(folder.Path() + "data/services.ini", std::ios::trunc) << addresses;
}

// The main window with its secondary windows.
struct Program {
  explicit Program(const testing::TestFolder& folder) : window(folder.Path(), dialogs) {
    windows = CreateSecondaryWindows(&window);
    window.SetSecondaryWindows(&windows);
  }
  testing::RecordingDialogs dialogs;
  TForm1 window;
  SecondaryWindows windows{};
};

QStringList Lines(const QPlainTextEdit* box) { return box->toPlainText().split('\n'); }

QStringList ToQStrings(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

// What the service answers now, cut as the windows cut it (UTF-8 lines).
std::vector<std::string> ForecastNow(const std::string& folder, int number) {
  const services::Sources sources(folder);
  const services::Page page = services::ForecastPage(
      services::Query({{"type", "w"}, {"xingzuo", std::to_string(number)}}, "127.0.0.1"), sources);
  return LinesBetween(PageTextLines(page), "周运程", GbkToUtf8(ForecastEndMarker()));
}

std::vector<std::string> BirthdayText(const std::string& folder, const std::string& key) {
  const services::Sources sources(folder);
  const services::Page page = services::BirthdayPage(services::Query({}, "127.0.0.1", {key}), sources);
  return LinesBetween(PageTextLines(page), GbkToUtf8(BirthdayStartMarker()), "【关闭窗口】", 4);
}

}  // namespace

class HoroscopeWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheForecastWindowShowsTheChosenSignsWeek() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    Program program(folder);
    QTRY_VERIFY_WITH_TIMEOUT(program.window.Service().IsReady(), kAnswerTimeoutMs);
    program.window.N39Click();  // the bundled service: no question of the network
    TForm12* form = program.windows.TForm12;
    QVERIFY(form->isVisible());
    QCOMPARE(form->SelectedIndex(), 0);
    for (const int index : {11, 0}) {  // 双鱼座, then 白羊座 in the same window
      form->SelectIndex(index);
      QTest::mouseClick(form->xpbtn1, Qt::LeftButton);
      const QStringList expected = ToQStrings(ForecastNow(folder.Path(), index + 1));
      QVERIFY(expected.size() > 20);
      QTRY_COMPARE_WITH_TIMEOUT(Lines(form->memo1), expected, kAnswerTimeoutMs);
      QCOMPARE(form->GradProgress1->Position(), 100);
      QCOMPARE(form->memo1->textCursor().position(), 0);  // shown from its first line
    }
    QVERIFY(Lines(form->memo1).first().startsWith(QString::fromUtf8("白羊座　")));
    QVERIFY(program.dialogs.messages.empty());
  }

  void TheBirthdayWindowShowsTheHeadingAndTheDaysText() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    Program program(folder);
    QTRY_VERIFY_WITH_TIMEOUT(program.window.Service().IsReady(), kAnswerTimeoutMs);
    program.window.flatedit1->setText(QString::fromUtf8("欧阳娜娜"));
    program.window.FlatButton1->click();  // 女
    struct Case {
      CivilDate birthday;
      const char* key;
      const char* heading;
    };
    const Case cases[] = {
        {{2014, 3, 7}, "3-7", "姓名:欧阳娜娜  性别:女  生于:3-7"},
        {{2014, 12, 25}, "12-25", "姓名:欧阳娜娜  性别:女  生于:12-25"},
    };
    TForm13* form = program.windows.TForm13;
    for (const Case& c : cases) {
      form->hide();
      program.window.chnclndrpckr1->ChnCalendar()->SetDateTime({c.birthday});
      program.window.N44Click();  // every showing reads the profile afresh
      QVERIFY(form->isVisible());
      QCOMPARE(form->Label1->text(), QString(c.key));
      QCOMPARE(form->Label2->text(), QString::fromUtf8(c.heading));
      QTest::mouseClick(form->xpbtn1, Qt::LeftButton);
      QStringList expected = {"", QString::fromUtf8(c.heading), "", ""};
      expected << ToQStrings(BirthdayText(folder.Path(), c.key));
      QVERIFY(expected.size() > 10);
      QTRY_COMPARE_WITH_TIMEOUT(Lines(form->Memo1), expected, kAnswerTimeoutMs);
      QCOMPARE(form->GradProgress1->Position(), 100);
      QCOMPARE(form->Memo1->textCursor().position(), 0);
    }
    QVERIFY(Lines(form->Memo1)[4].startsWith(QString::fromUtf8("【星座】摩羯座　第一旬")));
    QVERIFY(program.dialogs.messages.empty());
  }

  // Nothing listens at the configured address: the requests fail at once.
  void WithTheServiceUnreachableTheBirthdayWindowSaysSoAndTheForecastIsEmpty() {
    testing::TestFolder folder;
    FillProgramFolder(folder, "[forecast]\nbase=http://127.0.0.1:9\n[birthday]\nbase=http://127.0.0.1:9\n");
    Program program(folder);
    QTRY_VERIFY_WITH_TIMEOUT(program.window.Service().IsReady(), kAnswerTimeoutMs);
    TForm12* forecast = program.windows.TForm12;
    forecast->ShowCentred();
    forecast->memo1->setPlainText("earlier");
    forecast->xpbtn1Click();
    QTRY_COMPARE_WITH_TIMEOUT(forecast->GradProgress1->Position(), 100, kAnswerTimeoutMs);
    QCOMPARE(forecast->memo1->toPlainText(), QString());

    TForm13* birthday = program.windows.TForm13;
    birthday->ShowCentred();
    birthday->xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(!program.dialogs.messages.empty(), kAnswerTimeoutMs);
    QCOMPARE(program.dialogs.messages.front(), std::string("网络连接错误，请确保当前已联网\r\n或请候后再试......"));
    QCOMPARE(birthday->Memo1->toPlainText(), QString());
    QCOMPARE(birthday->GradProgress1->Position(), 100);
  }

  // The bundled service ends after an answer: the birthday text stays under
  // the error, the forecast empties.
  void WhenTheBundledServiceStopsTheLastBirthdayTextStays() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    Program program(folder);
    QTRY_VERIFY_WITH_TIMEOUT(program.window.Service().IsReady(), kAnswerTimeoutMs);
    TForm13* birthday = program.windows.TForm13;
    birthday->ShowCentred();
    birthday->xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(birthday->Memo1->toPlainText().contains(QString::fromUtf8("【关闭窗口】")) ||
                                 birthday->Memo1->toPlainText().contains(QString::fromUtf8("【幸运数字】")),
                             kAnswerTimeoutMs);
    const QString answered = birthday->Memo1->toPlainText();
    program.window.Service().Stop();
    birthday->xpbtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(!program.dialogs.messages.empty(), kAnswerTimeoutMs);
    QCOMPARE(birthday->Memo1->toPlainText(), answered);

    TForm12* forecast = program.windows.TForm12;
    forecast->memo1->setPlainText("earlier");
    forecast->xpbtn1Click();
    QTRY_COMPARE_WITH_TIMEOUT(forecast->memo1->toPlainText(), QString(), kAnswerTimeoutMs);
  }
};

int main(int argc, char** argv) {
  HoroscopeWindowsTest test;
  return velmora::testing::RunWindowTest(test, argc, argv);
}

#include "horoscope_windows_test.moc"
