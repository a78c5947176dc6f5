// Screenshots of the main window as a user sees it, for review: start-up, each
// work panel and the open calendar drop-down. Run by scripts/screenshots.sh.

#include <QApplication>
#include <QPlainTextEdit>
#include <QComboBox>
#include <QCompleter>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>
#include <functional>

#include "app/application.h"
#include "app/birth_details_dialog.h"
#include "app/bundled_service.h"
#include "app/chn_calendar_picker.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/qt_dialogs.h"
#include "app/radio_group.h"
#include "app/secondary_windows.h"
#include "app/tform11.h"
#include "app/tform12.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "app/tform6.h"
#include "app/tform7.h"
#include "app/tform9.h"
#include "app/tform1.h"
#include "platform/qt/browser_engine.h"

namespace {

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Waits until the condition holds, at most the time given.
void WaitFor(const std::function<bool()>& condition, int ms) {
  for (int waited = 0; waited < ms && !condition(); waited += 100) Wait(100);
}

void Save(const QString& name, const QRect& area) {
  QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(qEnvironmentVariable("VELMORA_SCREENSHOTS") + "/" + name + ".png");
}

// Waits until the condition holds, at most 30 s.
void WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 300 && !condition(); ++i) Wait(100);
}

}  // namespace

int main(int argc, char** argv) {
  velmora::PrepareBrowserEngine();
  QApplication application(argc, argv);
  velmora::SetUpApplication(application);
  // A copy of the program folder: the readings write their pages and settings.
  QTemporaryDir copy;
  const std::string folder = copy.path().toStdString() + "/";
  std::filesystem::copy(VELMORA_PROGRAM_FOLDER, folder, std::filesystem::copy_options::recursive);
  QDir::setCurrent(QString::fromStdString(folder));
  velmora::QtDialogs dialogs;
  velmora::TForm1 window(folder, dialogs);
  dialogs.SetParent(&window);
  const velmora::SecondaryWindows windows = velmora::CreateSecondaryWindows(&window);
  window.SetSecondaryWindows(&windows);
  window.move(40, 40);
  window.show();
  Wait(3000);
  const QRect frame = window.frameGeometry();
  Save("main", frame);
  const std::pair<velmora::WorkPanel, const char*> panels[] = {
      {velmora::WorkPanel::GenderPanel, "panel_gender"},
      {velmora::WorkPanel::NamePickerPanel, "panel_name_picker"},
      {velmora::WorkPanel::CalendarPanel, "panel_calendar"},
      {velmora::WorkPanel::ReportViewerPanel, "panel_report_viewer"},
  };
  for (const auto& [panel, name] : panels) {
    window.ShowWorkPanel(panel);
    Wait(500);
    Save(name, frame);
  }
  window.chnclndrpckr1->DropDown();
  Wait(800);
  Save("calendar_dropdown", frame.adjusted(0, 0, 200, 150));
  window.chnclndrpckr1->ChnCalendar()->SetDateTime({{1990, 5, 27}, 8, 0, 0});
  window.chnclndrpckr1->ChnCalendar()->parentWidget()->hide();
  window.flatedit1->setText(QString::fromUtf8("欧阳娜娜"));
  window.FlatButton2->click();
  window.cbb1->setCurrentIndex(11);
  const std::pair<void (velmora::TForm1::*)(), const char*> readings[] = {
      {&velmora::TForm1::XPButton14Click, "report_name"},
      {&velmora::TForm1::N32Click, "report_bone"},
      {&velmora::TForm1::XPButton15Click, "report_zodiac"},
      {&velmora::TForm1::XPButton6Click, "report_constellation"},
      {&velmora::TForm1::XPButton3Click, "report_five_elements"},
      {&velmora::TForm1::N18Click, "page_mind_reader"},
      {&velmora::TForm1::N20Click, "page_past_life"},
      {&velmora::TForm1::N22Click, "page_wedding_days"},
      {&velmora::TForm1::XPButton4Click, "panel_name_picker_filled"},
  };
  for (const auto& [command, name] : readings) {
    (window.*command)();
    window.popupmenu3->hide();
    Wait(1500);
    Save(name, frame);
  }
  // The online chart readings, appended to the bone-weight page: shown from
  // where the answer begins.
  const std::pair<void (velmora::TForm1::*)(), const char*> online[] = {
      {&velmora::TForm1::N4Click, "report_sizhu_online"},
      {&velmora::TForm1::N16Click, "report_bazi_score_online"},
  };
  window.N32Click();
  Wait(1500);
  for (const auto& [command, name] : online) {
    (window.*command)();
    Wait(4000);
    window.webbrowser1->page()->runJavaScript("window.scrollTo(0, document.body.scrollHeight)");
    Wait(800);
    Save(name, frame);
  }
  // The dialog of the birth minute and place: a name with namesakes refused,
  // then the places the name box offers.
  window.BirthDetails1Click();
  auto* details = window.findChild<velmora::BirthDetailsDialog*>();
  details->edtMinute->setText("30");
  details->edtPlace->setText(QString::fromUtf8("朝阳"));
  details->btnOk->click();
  Wait(600);
  Save("dialog_birth_details", details->frameGeometry());
  QCompleter* places = details->edtPlace->completer();
  details->edtPlace->setText(QString::fromUtf8("鼓楼"));
  places->setCompletionPrefix(details->edtPlace->text());
  places->complete();
  Wait(600);
  Save("dialog_birth_details_places", details->frameGeometry().united(places->popup()->frameGeometry()));
  places->popup()->hide();
  details->reject();
  windows.TForm7->ShowChartView();
  Wait(600);
  Save("tform7_chart", windows.TForm7->frameGeometry());
  windows.TForm7->ShowTrigramView();
  Wait(600);
  Save("tform7_trigram", windows.TForm7->frameGeometry());
  windows.TForm7->ShowFolkRuleView();
  Wait(600);
  Save("tform7_folk_rule", windows.TForm7->frameGeometry());
  windows.TForm7->hide();

  window.N39Click();
  windows.TForm12->SelectIndex(11);
  windows.TForm12->xpbtn1Click();
  WaitFor([&] { return !windows.TForm12->memo1->toPlainText().isEmpty(); }, 20000);
  Wait(600);
  Save("tform12_forecast", windows.TForm12->frameGeometry());
  windows.TForm12->hide();
  window.N44Click();
  windows.TForm13->xpbtn1Click();
  WaitFor([&] { return windows.TForm13->Memo1->blockCount() > 4; }, 20000);
  Wait(600);
  Save("tform13_birthday", windows.TForm13->frameGeometry());

  window.Service().WaitUntilReady();
  windows.TForm9->ShowCentred();
  windows.TForm9->xpbtn1Click();
  WaitFor([&] { return windows.TForm9->Label1->text().contains(QStringLiteral("20. ")); });
  Wait(500);
  Save("tform9_proposals", windows.TForm9->frameGeometry());
  windows.TForm9->hide();
  windows.TForm11->ShowCentred();
  windows.TForm11->xpbtn1Click();
  WaitFor([&] { return windows.TForm11->Label1->text().contains(QStringLiteral("20. ")); });
  Wait(500);
  Save("tform11_proposals", windows.TForm11->frameGeometry());
  windows.TForm11->hide();
  window.N4324321Click();
  WaitFor([&] { return windows.TForm6->GradProgress1->Position() == 100; });
  Wait(1000);
  windows.TForm6->WebBrowser1View->page()->runJavaScript(QString::fromUtf8(
      "(f => { f.mname.value = '张伟'; f.myear.value = '1988'; f.mmonth.value = '7'; f.mday.value = '16';"
      " f.fname.value = '李娜'; f.fyear.value = '2001'; f.fmonth.value = '2'; f.fday.value = '3';"
      " f.calc.click(); })(document.forms[0])"));
  Wait(1500);
  Save("tform6_match", windows.TForm6->frameGeometry());
  windows.TForm6->hide();
  windows.TForm13->hide();

  // The online name windows, and the name reading followed by its detail.
  window.flatedit1->setText(QString::fromUtf8("欧阳明月"));
  window.N41Click();
  windows.TForm3->xpbtn1Click();
  WaitFor([&] { return windows.TForm3->webbrowser1->url().path().endsWith("temp.tmp"); }, 20000);
  Wait(800);
  Save("tform3_score", windows.TForm3->frameGeometry());
  windows.TForm3->hide();
  window.N59Click();
  windows.TForm14->suiRadioGroup1->SetItemIndex(1);  // 复姓
  WaitFor([&] { return windows.TForm14->GradProgress1->Position() == 100; }, 20000);
  Wait(500);
  Save("tform14_form", windows.TForm14->frameGeometry());
  windows.TForm14->xpbtn1Click();
  WaitFor([&] { return windows.TForm14->WebBrowser1->url().path().endsWith("temp.htm"); }, 20000);
  Wait(800);
  Save("tform14_answer", windows.TForm14->frameGeometry());
  windows.TForm14->hide();
  window.XPButton14Click();
  WaitFor([&] { return window.webbrowser1->url().path().endsWith("temp.htm1"); }, 20000);
  Wait(800);
  window.webbrowser1->page()->runJavaScript("window.find('【姓名评分】')");
  Wait(500);
  Save("report_name_detail", frame);
  window.webbrowser1->page()->runJavaScript("window.scrollTo(0, document.body.scrollHeight)");
  Wait(500);
  Save("report_name_detail_end", frame);
  return 0;
}
