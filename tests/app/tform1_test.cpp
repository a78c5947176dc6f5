// The main window under the offscreen platform: start-up, panels, pop-ups, the
// name box, the toggles, the birthday picker, publishing and closing.

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QListWidget>
#include <QTableWidget>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <fstream>

#include "app/chn_calendar.h"
#include "app/chn_calendar_picker.h"
#include "app/name_edit.h"
#include "app/tform1.h"
#include "app/name_picker_panel.h"
#include "platform/qt/gbk_qstring.h"
#include "readings/stroke_lookup.h"
#include "platform/qt/qt_browser.h"
#include "platform/qt/local_file_scheme.h"
#include "refdb/settings_file.h"
#include "tests/app/window_test_main.h"
#include "tests/app/recording_dialogs.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

using namespace velmora;

namespace {

// A program folder with the built databases and pages.
void FillProgramFolder(const testing::TestFolder& folder) {
  testing::CopyBuiltDatabases(folder);
  testing::CopyBuiltFiles(folder, {"logo.htm", "sound.wav", "data/animal_year.txt", "data/sign_year.txt",
                                   "data/mind_reader.htm", "data/past_life.htm", "data/wedding_days.htm"});
}

// Types each character as a key press carrying that text, as an input method does.
void Type(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
  }
}

// The stroke count whose characters fill a grid, read back from its first cell.
std::string LookupGrid(TForm1& window, const QTableWidget* grid) {
  return LookupStrokeCount(window.Database(), ToGbk(grid->item(0, 0)->text()));
}

// Runs a script in a view's page and waits for its answer, as text (empty
// when none comes within five seconds).
QString PageScript(QWebEngineView* view, const QString& code) {
  auto answer = std::make_shared<std::optional<QString>>();
  view->page()->runJavaScript(code, [answer](const QVariant& value) { *answer = value.toString(); });
  for (int waited = 0; !*answer && waited < 5000; waited += 10) QTest::qWait(10);
  return answer->value_or(QString());
}

int VisiblePanels(const TForm1& window) {
  int visible = 0;
  for (WorkPanel panel : {WorkPanel::ReportViewerPanel, WorkPanel::GenderPanel, WorkPanel::NamePickerPanel,
                          WorkPanel::CalendarPanel}) {
    visible += window.Panel(panel)->isHidden() ? 0 : 1;
  }
  return visible;
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithTheViewerShowingTheStartPage() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Velmora  V2014 build 01.01"));
    QCOMPARE(window.size(), QSize(833, 624));
    QCOMPARE(VisiblePanels(window), 1);
    QCOMPARE(window.VisiblePanel(), WorkPanel::ReportViewerPanel);
    QCOMPARE(window.Panel(WorkPanel::ReportViewerPanel)->pos(), QPoint(1, 5));
    QCOMPARE(window.flatedit1->text(), QString());
    QCOMPARE(window.label21->text(), QString());
    QVERIFY(dialogs.messages.empty());
    // the start page loads and its copy is written
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(folder.Path() + "temp.html")), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 5000);
    const std::string lunar = window.chnclndrpckr1->ChnCalendar()->CnDate;
    QCOMPARE(lunar.size(), std::size_t{8});
    QCOMPARE(window.chnclndrpckr1->ChnCalendar()->CnMonth + window.chnclndrpckr1->ChnCalendar()->CnDay, lunar);
  }

  void RestoresTheLastNameAndReportsAMissingDatabase() {
    testing::TestFolder folder;
    SettingsFile(SettingsFilePath(folder.Path())).Write("setup", "name", Utf8ToGbk("欧阳娜娜"));
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);  // no database in this folder
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("欧阳娜娜"));
    QCOMPARE(window.label21->text(), QString::fromUtf8("欧阳娜娜"));
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].find("unable to open database file") != std::string::npos);
    QCOMPARE(VisiblePanels(window), 1);
  }

  // A settings file that cannot be read is an error shown at start-up, and
  // the name reading then leaves it as it is instead of replacing it.
  void AnUnreadableSettingsFileIsShownAndKept() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    std::filesystem::create_directories(SettingsFilePath(folder.Path()) + "/kept");
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages[0], "Cannot read " + SettingsFilePath(folder.Path()) + ": Is a directory");
    QCOMPARE(window.flatedit1->text(), QString());
    window.flatedit1->setText(QString::fromUtf8("张三"));
    window.XPButton14Click();
    QCOMPARE(dialogs.messages.size(), std::size_t{2});
    QVERIFY(std::filesystem::exists(SettingsFilePath(folder.Path()) + "/kept"));
  }

  void AMissingOutlookFileIsShownInsteadOfAnEmptyPage() {
    testing::TestFolder folder;
    testing::CopyBuiltDatabases(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.chnclndrpckr1->ChnCalendar()->SetDateTime({{1990, 5, 27}});
    window.XPButton6Click();
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages[0],
             std::string("data/sign_year.txt holds no outlook for 双子座: the file is missing, unreadable or damaged"));
    QVERIFY(!std::filesystem::exists(folder.Path() + "ssbx.htm1"));
  }

  void EveryPanelCommandLeavesOnePanelVisible() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    const std::pair<void (TForm1::*)(), WorkPanel> commands[] = {
        {&TForm1::XPButton1Click, WorkPanel::GenderPanel},
        {&TForm1::XPButton4Click, WorkPanel::NamePickerPanel},
        {&TForm1::XPButton9Click, WorkPanel::CalendarPanel},
        {&TForm1::XPButton11Click, WorkPanel::ReportViewerPanel},
    };
    for (const auto& [command, panel] : commands) {
      (window.*command)();
      QCOMPARE(VisiblePanels(window), 1);
      QCOMPARE(window.VisiblePanel(), panel);
      QCOMPARE(window.Panel(panel)->pos(), QPoint(1, 5));
      window.popupmenu3->hide();
    }
  }

  void PopupMenusOpenAtFixedOffsetsFromTheWindow() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    for (const QPoint& at : {QPoint(0, 0), QPoint(150, 10)}) {
      window.move(at);
      QTRY_COMPARE(window.frameGeometry().topLeft(), at);
      window.XPButton8Click();
      QCOMPARE(window.PopupMenu1->pos().x(), at.x() + 190);
      window.PopupMenu1->hide();
      window.XPButton5Click();
      QCOMPARE(window.PopupMenu2->pos(), at + QPoint(190, 334));
      window.PopupMenu2->hide();
    }
  }

  void NameBoxFiltersTypedKeysButNotPastedText() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    NameEdit* box = window.flatedit1;
    Type(box, "ab 12Z");
    QCOMPARE(box->text(), QString());
    Type(box, QString::fromUtf8("张三"));
    QCOMPARE(box->text(), QString::fromUtf8("张三"));
    QCOMPARE(window.label21->text(), QString::fromUtf8("张三"));
    QGuiApplication::clipboard()->setText("ab1");
    box->paste();
    QCOMPARE(box->text(), QString::fromUtf8("张三ab1"));
  }

  void LeavingTheNameBoxCutsOrRejectsTheName() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    const std::pair<const char*, const char*> cases[] = {
        {"张三李四王", "张三李四"},
        {"", "输入有误"},
        {"a张三李四", "a张三李?"},  // the cut splits 四; the widget shows the broken byte as "?"
    };
    for (const auto& [typed, left] : cases) {
      window.flatedit1->setText(QString::fromUtf8(typed));
      window.flatedit1->setFocus();
      QTRY_VERIFY(window.flatedit1->hasFocus());
      window.cbb1->setFocus();
      QTRY_COMPARE(window.flatedit1->text(), QString::fromUtf8(left));
    }
  }

  void TogglesFlipTheirCaptions() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QTest::mouseClick(window.FlatButton1, Qt::LeftButton);
    QCOMPARE(window.FlatButton1->text(), QString::fromUtf8("女"));
    QTest::mouseClick(window.FlatButton1, Qt::LeftButton);
    QCOMPARE(window.FlatButton1->text(), QString::fromUtf8("男"));
    QTest::mouseClick(window.FlatButton2, Qt::LeftButton);
    QCOMPARE(window.FlatButton2->text(), QString::fromUtf8("复姓"));
    QCOMPARE(window.CurrentProfile().surnameKind, Utf8ToGbk("复姓"));
  }

  void PickerRoutesTheCalendarsDates() {
    TChnCalendarPicker picker;
    TChnCalendar* calendar = picker.ChnCalendar();
    QSignalSpy calendarChanges(calendar, &TChnCalendar::OnChange);
    QSignalSpy pickerChanges(&picker, &TChnCalendarPicker::OnChange);
    const DateTime leapDay{{2020, 5, 23}, 10, 0, 0};
    calendar->SetDateTime(leapDay);
    calendar->SetDateTime(leapDay);
    QCOMPARE(calendarChanges.count(), 1);
    QCOMPARE(pickerChanges.count(), 1);
    QCOMPARE(picker.GetDateTime(), leapDay);
    QCOMPARE(picker.LunarText(), QString::fromUtf8("闰四初一"));
    QCOMPARE(GbkToUtf8(calendar->CnDate), std::string("闰四初一"));
    calendar->SetDateTime({{2101, 1, 1}});
    QCOMPARE(calendarChanges.count(), 1);
    QCOMPARE(calendar->GetDateTime(), leapDay);
    calendar->SetDateTime({{1900, 5, 1}});
    QVERIFY(calendar->TitleText().startsWith(QString::fromUtf8("[清]德宗 爱新觉罗载湉 光绪26年 农历")));
  }

  void PublishedPagesRenderAsHtmlDecodedAsGbk() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    for (const char* text : {"第一页：姓名测算", "第二页：同一文件再次发布"}) {
      window.Page().BeginPage(PageTitleLine(Utf8ToGbk("姓名测算")), PlainSeparator());
      window.Page().AddParagraph(Utf8ToGbk(text));
      window.Page().ClosePage();
      QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
      QVERIFY(window.PublishPage());
      QVERIFY(loaded.wait(10000));
      QVERIFY(GbkToUtf8(window.Viewer().BodyText()).find(text) != std::string::npos);
    }
    QVERIFY(GbkToUtf8(window.Viewer().BodyText()).find("Velmora - 姓名测算") != std::string::npos);
    QVERIFY(window.webbrowser1->url().path().endsWith("ssbx.htm1"));
  }

  void NameCommandPublishesRemembersTheNameAndRunsFromEveryTrigger() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    window.chnclndrpckr1->ChnCalendar()->SetDateTime({{1990, 5, 27}});
    const std::function<void()> triggers[] = {
        [&] { window.XPButton14Click(); },
        [&] { QTest::keyClick(window.flatedit1, Qt::Key_Return); },
        [&] { QTest::mouseClick(window.label21, Qt::LeftButton); },
    };
    const char* names[] = {"李明亮", "欧阳娜娜", "张三"};
    for (int i = 0; i < 3; ++i) {
      window.flatedit1->setText(QString::fromUtf8(names[i]));
      window.XPButton1Click();  // another panel first: the command must bring the viewer back
      QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
      triggers[i]();
      QCOMPARE(window.VisiblePanel(), WorkPanel::ReportViewerPanel);
      QVERIFY(loaded.wait(10000));
      QVERIFY(GbkToUtf8(window.Viewer().BodyText()).find(std::string(names[i]) + "，男，生于1990-05-27") !=
              std::string::npos);
      QCOMPARE(SettingsFile(SettingsFilePath(folder.Path())).Read("setup", "name"), Utf8ToGbk(names[i]));
    }
    QCOMPARE(window.Values().Get("Label14"), std::string("12"));  // 天格 of 张三: 11 + 1
    QVERIFY(dialogs.messages.empty());
  }

  void BoneWeightAndYearlyCommandsShowTheirPages() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    window.chnclndrpckr1->ChnCalendar()->SetDateTime({{1990, 5, 27}});
    window.cbb1->setCurrentIndex(11);
    const std::pair<void (TForm1::*)(), const char*> commands[] = {
        {&TForm1::N32Click, "命骨重量39钱。"},
        {&TForm1::XPButton15Click, "你的属相应该是马。"},
        {&TForm1::XPButton6Click, "该日期属于双子座。"},
    };
    for (const auto& [command, expected] : commands) {
      QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
      (window.*command)();
      QVERIFY(loaded.wait(10000));
      QVERIFY2(GbkToUtf8(window.Viewer().BodyText()).find(expected) != std::string::npos, expected);
    }
    QCOMPARE(GbkToUtf8(window.Values().Get("Label51")), std::string("双子座"));
    QVERIFY(dialogs.messages.empty());
  }

  void NamePickerFillsGridsAndComposesTheName() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    NamePickerPanel* picker = window.NamePicker();
    QCOMPARE(picker->suiListBox1->count(), 6);  // the start-up entries
    QCOMPARE(picker->suiListBox1->item(0)->text(), QString("0312"));
    window.flatedit1->setText(QString::fromUtf8("欧阳娜娜"));
    window.FlatButton2->click();  // 复姓
    window.XPButton4Click();
    QCOMPARE(window.VisiblePanel(), WorkPanel::NamePickerPanel);
    QCOMPARE(window.Values().Get("Label38"), std::string("15"));  // 欧 (歐) has 15 strokes
    QVERIFY(picker->suiListBox1->count() > 0);
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("欧阳娜娜"));  // listing changes no name
    picker->suiStringGrid1->setCurrentCell(0, 1);
    window.suitempsuiStringGrid1Click();
    const QString first = picker->suiStringGrid1->item(0, 1)->text();
    const QString second = picker->suiStringGrid2->item(0, 0)->text();
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("欧阳") + first + second);
    // "0527": 5-stroke characters in the first grid, 27-stroke ones in the second
    picker->SetCodes({"0527"});
    picker->suiListBox1->setCurrentRow(0);
    QCOMPARE(GbkToUtf8(LookupGrid(window, picker->suiStringGrid1)), std::string("5"));
    QCOMPARE(GbkToUtf8(LookupGrid(window, picker->suiStringGrid2)), std::string("27"));
  }

  // Each cell is painted with its row's colours, the current one too: the
  // style's selection colour is not the picker's.
  void ThePickersCurrentCellIsPaintedLikeTheOthers() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    window.XPButton4Click();
    NamePickerPanel* picker = window.NamePicker();
    for (QTableWidget* grid : {picker->suiStringGrid1, picker->suiStringGrid2}) {
      grid->setCurrentCell(0, 0);
      grid->setFocus();
      const QImage image = grid->viewport()->grab().toImage();
      // the bottom-right corner inside cells (0, 0) and (1, 0): below and right of the text
      QCOMPARE(image.pixelColor(17, 17), QColor(255, 255, 255));
      QCOMPARE(image.pixelColor(17, 37), QColor(240, 240, 240));
    }
  }

  // Before any 自助起名 the built-in entries work, and clicking the entry that
  // is already current chooses it too.
  void ClickingTheCurrentStartUpEntryFillsTheGrids() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    window.flatedit1->setText(QString::fromUtf8("李四"));
    window.XPButton1Click();
    window.ShowWorkPanel(WorkPanel::NamePickerPanel);
    NamePickerPanel* picker = window.NamePicker();
    QCOMPARE(picker->suiListBox1->currentRow(), 0);
    QVERIFY(picker->suiStringGrid1->item(0, 0) == nullptr);  // empty before any choice
    const QRect first = picker->suiListBox1->visualItemRect(picker->suiListBox1->item(0));
    QTest::mouseClick(picker->suiListBox1->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(GbkToUtf8(LookupGrid(window, picker->suiStringGrid1)), std::string("3"));
    QCOMPARE(GbkToUtf8(LookupGrid(window, picker->suiStringGrid2)), std::string("12"));
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("李") + picker->suiStringGrid1->item(0, 0)->text() +
                                           picker->suiStringGrid2->item(0, 0)->text());
  }

  void PhoneNumerologyAnswersInAMessageBox() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    const std::pair<std::optional<std::string>, std::vector<std::string>> cases[] = {
        {std::string("1234567"), {"手机号码：1234567\r\r吉凶预测：和气致祥，必获成功　吉"}},
        {std::string("123456"), {"手机号码输入错误，测算失败！"}},
        {std::string("abc1234"), {}},
        {std::nullopt, {}},  // cancelled
        {std::string("12345667.5"), {"'67.5' is not a valid integer value"}},
    };
    for (const auto& [input, shown] : cases) {
      dialogs.messages.clear();
      dialogs.input = input;
      window.N49Click();
      QCOMPARE(dialogs.inputCaption, std::string("手机号码吉凶查询"));
      QCOMPARE(dialogs.messages, shown);
    }
  }

  // The past-life page writes its answer into a new small window; the viewer
  // must give it one instead of letting the page fall back inline.
  void ThePastLifePageOpensItsResultWindow() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
    window.N20Click();
    QVERIFY(loaded.wait(10000));
    QPointer<QWebEngineView> result;
    const auto opened = [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* view = qobject_cast<QWebEngineView*>(widget);
        if (view && view != window.webbrowser1 && view->isVisible()) result = view;
      }
      return !result.isNull();
    };
    const auto script = PageScript;
    script(window.webbrowser1,
           "document.getElementById('fDay').value = '5'; document.getElementById('fMonth').value = '6';"
           "document.getElementById('fYear').value = '90'; lookUp(); ''");
    QTRY_VERIFY_WITH_TIMEOUT(opened(), 10000);
    QCOMPARE(result->size(), QSize(450, 300));
    QTRY_VERIFY_WITH_TIMEOUT(script(result, "document.body ? document.body.innerText : ''").contains(QString::fromUtf8("前世")),
                             10000);
    QTest::qWait(600);  // past the page's own check whether its window survived
    QCOMPARE(script(window.webbrowser1, "document.getElementById('result').style.display"), QString("none"));
    script(result, "window.close(); ''");
    QTRY_VERIFY_WITH_TIMEOUT(result.isNull(), 5000);  // closed and gone
  }

  void ExtraPagesReplaceTheReportFileButNotTheBuffer() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    window.Page().BeginPage("kept", "page");
    const std::pair<void (TForm1::*)(), QString> pages[] = {
        {&TForm1::N18Click, QString::fromUtf8("Mind Reader 神奇读心术")},
        {&TForm1::N20Click, QString::fromUtf8("谁是你的前世？")},
        {&TForm1::N22Click, QString::fromUtf8("结婚吉日")},
    };
    for (const auto& [command, title] : pages) {
      QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
      (window.*command)();
      QVERIFY(loaded.wait(10000));
      QVERIFY2(window.webbrowser1->title().contains(title) ||
                   QString::fromStdString(GbkToUtf8(window.Viewer().BodyText())).contains(title),
               qPrintable(title));
    }
    QVERIFY(GbkToUtf8(window.Viewer().BodyText()).find("2027年婚庆吉日一览") != std::string::npos);
    QCOMPARE(window.Page().Lines().size(), std::size_t{4});
    QCOMPARE(window.Page().Lines()[2], std::string("kept"));
  }

  void FiveElementNamingPublishesItsPage() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    window.chnclndrpckr1->ChnCalendar()->SetDateTime({{2000, 1, 1}});
    QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
    window.XPButton3Click();
    QVERIFY(loaded.wait(10000));
    const std::string text = GbkToUtf8(window.Viewer().BodyText());
    QVERIFY(text.find("Velmora - 八字起名") != std::string::npos);
    QVERIFY(text.find("在你的五行中，水(3)盛") != std::string::npos);
    QVERIFY(dialogs.messages.empty());
  }

  // The program folder may have any name the file system allows.
  void AProgramFolderWithChineseCharactersServesItsPages() {
    testing::TestFolder root;
    const std::string folder = root.Path() + "命理 文件夹/";
    std::filesystem::create_directories(folder + "data");
    std::filesystem::copy_file(testing::BuiltProgramFolder() + "logo.htm", folder + "logo.htm");
    testing::RecordingDialogs dialogs;
    TForm1 window(folder, dialogs);
    QTRY_COMPARE_WITH_TIMEOUT(window.webbrowser1->title(), QString("Velmora"), 15000);
    window.Page().BeginPage("t", "s");
    window.Page().AddParagraph(Utf8ToGbk("中文路径下的报告"));
    QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
    QVERIFY(window.PublishPage());
    QVERIFY(loaded.wait(10000));
    QVERIFY(GbkToUtf8(window.Viewer().BodyText()).find("中文路径下的报告") != std::string::npos);
  }

  // Pressing a command leaves the name box first, as any click elsewhere does.
  void ACommandClickLeavesTheNameBoxFirst() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.flatedit1->setFocus();
    QTRY_VERIFY(window.flatedit1->hasFocus());
    window.flatedit1->setText(QString::fromUtf8("张三李四王五"));
    QTest::mouseClick(window.commandButtons[0], Qt::LeftButton);
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("张三李四"));
    QCOMPARE(SettingsFile(SettingsFilePath(folder.Path())).Read("setup", "name"), Utf8ToGbk("张三李四"));
  }

  void InputMethodTextIsFilteredLikeTypedText() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("zhang 3张三"));
    QApplication::sendEvent(window.flatedit1, &commit);
    QCOMPARE(window.flatedit1->text(), QString::fromUtf8("张三"));
  }

  void CalendarKeepsTheDayAndNeverOffersTheDroppedDays() {
    TChnCalendarPicker picker;
    TChnCalendar* calendar = picker.ChnCalendar();
    calendar->SetDateTime({{2024, 2, 29}});
    auto* year = calendar->findChild<QSpinBox*>();
    QVERIFY(year);
    year->selectAll();
    QTest::keyClicks(year, "2028");
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(calendar->GetDateTime().date, (CivilDate{2028, 2, 29}));

    calendar->SetDateTime({{1582, 10, 4}});
    int enabled = 0;
    for (QPushButton* cell : calendar->findChildren<QPushButton*>()) {
      if (cell->text().startsWith("10\n") || cell->text().startsWith("14\n")) QVERIFY(!cell->isEnabled());
      if (cell->text().startsWith("15\n") || cell->text().startsWith("4\n")) QVERIFY(cell->isEnabled());
      enabled += cell->isEnabled() && cell->text().contains('\n') ? 1 : 0;
    }
    QCOMPARE(enabled, 21);  // 31 days less the ten dropped

    // a year beyond the calendar typed into the picker's box changes nothing
    picker.SetDateTime({{1990, 5, 27}});
    calendar->SetDateTime({{1990, 5, 27}});
    auto* yearBox = picker.findChildren<QLineEdit*>().front();
    yearBox->setText("2101");
    picker.DropDown();
    QCOMPARE(picker.GetDateTime().date, (CivilDate{1990, 5, 27}));
    QCOMPARE(calendar->GetDateTime().date, (CivilDate{1990, 5, 27}));
  }

  void APublishThatCannotWriteKeepsTheViewerWhereItWas() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    TForm1 window(folder.Path(), dialogs);
    const QUrl before = window.webbrowser1->url();
    std::filesystem::create_directories(folder.Path() + "ssbx.htm1/taken");  // the file cannot be written
    window.Page().BeginPage("t", "s");
    QVERIFY(!window.PublishPage());
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].find("ssbx.htm1") != std::string::npos);
    QCOMPARE(window.webbrowser1->url(), before);
    QCOMPARE(window.Page().Lines().size(), std::size_t{4});  // the buffer keeps the new page
  }

  void ClosingDeletesTheTemporaryFilesOnly() {
    testing::TestFolder folder;
    FillProgramFolder(folder);
    testing::RecordingDialogs dialogs;
    {
      TForm1 window(folder.Path(), dialogs);
      window.show();
      for (const char* file : {"ssbx.htm1", "temp.htm1"}) std::ofstream(folder.Path() + file) << "x";
      window.close();
    }
    QVERIFY(!std::filesystem::exists(folder.Path() + "ssbx.htm1"));
    QVERIFY(std::filesystem::exists(folder.Path() + "temp.htm1"));
    QVERIFY(std::filesystem::exists(folder.Path() + "data/ssdb.db"));
  }
};

int main(int argc, char** argv) {
  TForm1Test test;
  return velmora::testing::RunWindowTest(test, argc, argv);
}

#include "tform1_test.moc"
