// The 生男生女 panel and its window under the offscreen platform: both
// queries, the error box, the view switching and the two old rules.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/gender_panel.h"
#include "app/tform7.h"
#include "tests/app/recording_dialogs.h"
#include "text/gbk.h"

using namespace velmora;

namespace {

struct Fixture {
  Fixture() { mainWindow.show(); }
  testing::RecordingDialogs dialogs;
  int clicks = 0;
  QWidget mainWindow;
  TForm7 form7{&mainWindow};
  GenderPanel panel{&mainWindow, [this] { ++clicks; }, dialogs, [this]() -> TForm7& { return form7; }};
};

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

// Which of img1 (boy), img2 (both) and img3 (girl) shows.
QString ShownPicture(const GenderPanel& panel) {
  QString shown;
  for (const QLabel* picture : {panel.img1, panel.img2, panel.img3}) {
    if (!picture->isHidden()) shown += picture->objectName();
  }
  return shown;
}

QString ShownViews(const TForm7& form) {
  QString shown;
  for (const QFrame* view : {form.FlatPanel1, form.FlatPanel2, form.FlatPanel3}) {
    if (!view->isHidden()) shown += view->objectName();
  }
  return shown;
}

const char* const kClosing = "\n\n在上述月份怀孕，心想事成！";

}  // namespace

class GenderPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithBothBabiesTheNoticeAndTheWindowHidden() {
    Fixture f;
    QCOMPARE(f.panel.size(), QSize(583, 432));
    QCOMPARE(f.panel.label42->text(), Qt8("？？"));
    QCOMPARE(ShownPicture(f.panel), QString("img2"));
    QVERIFY(f.panel.label45->text().startsWith(Qt8("※本生男生女计算法系根据")));
    QCOMPARE(f.panel.cbb2->currentText(), QString("18"));
    QCOMPARE(f.panel.cbb2->count(), 27);
    QCOMPARE(f.panel.cbb5->currentText(), Qt8("男孩"));
    QVERIFY(f.form7.isHidden());
    QCOMPARE(ShownViews(f.form7), QString());
    QCOMPARE(f.form7.windowTitle(), Qt8("生男生女"));
    QVERIFY(!(f.form7.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  }

  void ChartQueryShowsTheSexAndItsPicture() {
    struct Case {
      const char* age;
      const char* month;
      const char* label;
      const char* picture;
    };
    const Case cases[] = {
        {"18", "1", "女孩！", "img3"}, {"18", "2", "男孩！", "img1"}, {"42", "7", "男孩！", "img1"},
        {"43", "7", "女孩！", "img3"}, {"50", "1", "男孩！", "img1"},  // a typed age outside the chart
    };
    Fixture f;
    for (const Case& c : cases) {
      f.panel.cbb2->setCurrentText(c.age);
      f.panel.cbb3->setCurrentText(c.month);
      f.panel.FlatButton4->click();
      QCOMPARE(f.panel.label42->text(), Qt8(c.label));
      QCOMPARE(ShownPicture(f.panel), QString(c.picture));
    }
    QCOMPARE(f.clicks, 5);
    QVERIFY(f.dialogs.messages.empty());
  }

  void MonthsQueryShowsTheListsAndRepeatsThemForAgesWithout() {
    Fixture f;
    f.panel.cbb4->setCurrentText("45");
    f.panel.FlatButton5->click();
    QCOMPARE(f.panel.label45->text(), Qt8("    本生男生女根据《古代胎儿预测\n术》及《日本科学育儿预测》编制而\n"
                                          "成，准确率达到百分之九九点九八。\n\n    请不要将预测结果用于非法目的") +
                                          Qt8(kClosing));
    f.panel.cbb4->setCurrentText("44");
    f.panel.FlatButton5->click();
    QCOMPARE(f.panel.label45->text(), Qt8("今年1、2、4、5、6、8、10月份。") + Qt8(kClosing));
    f.panel.cbb4->setCurrentText("31");
    f.panel.FlatButton5->click();
    const QString age31 = Qt8("今年1、3、11、12月份\n\n明年1、3、11、12月份。") + Qt8(kClosing);
    QCOMPARE(f.panel.label45->text(), age31);
    f.panel.cbb4->setCurrentText("17");
    f.panel.FlatButton5->click();
    QCOMPARE(f.panel.label45->text(), age31);
    f.panel.cbb4->setCurrentText("18");
    f.panel.cbb5->setCurrentIndex(1);
    f.panel.FlatButton5->click();
    QCOMPARE(f.panel.label45->text(), Qt8("今年1、3月份\n\n明年2、4、5、8、9、10月份。") + Qt8(kClosing));
    QCOMPARE(f.clicks, 5);
  }

  void TextThatIsNoNumberShowsTheConversionErrorAndChangesNothing() {
    Fixture f;
    const QString notice = f.panel.label45->text();
    f.panel.cbb2->setCurrentText("abc");
    f.panel.FlatButton4->click();
    f.panel.cbb5->setCurrentText(Qt8("男"));  // no item: position -1
    f.panel.FlatButton5->click();
    QCOMPARE(f.dialogs.messages,
             (std::vector<std::string>{"'1abc' is not a valid integer value", "'18-1' is not a valid integer value"}));
    QCOMPARE(f.panel.label42->text(), Qt8("？？"));
    QCOMPARE(ShownPicture(f.panel), QString("img2"));
    QCOMPARE(f.panel.label45->text(), notice);
    QCOMPARE(f.clicks, 1);  // only the months query sounds before it reads
  }

  void EachLinkLeavesOnlyItsViewVisible() {
    Fixture f;
    f.panel.PDJButton1->click();
    QVERIFY(f.form7.isVisible());
    QCOMPARE(ShownViews(f.form7), QString("FlatPanel2"));
    // centred, give or take the offscreen platform's frame margins
    QVERIFY((f.form7.geometry().center() - f.mainWindow.geometry().center()).manhattanLength() <= 6);
    f.panel.PDJButton2->click();
    QCOMPARE(ShownViews(f.form7), QString("FlatPanel3"));
    f.panel.PDJButton1->click();
    QCOMPARE(ShownViews(f.form7), QString("FlatPanel2"));
    f.panel.PDJButton3->click();
    QCOMPARE(ShownViews(f.form7), QString("FlatPanel1"));
    f.form7.close();
    QVERIFY(f.form7.isHidden());
    f.panel.PDJButton2->click();
    QCOMPARE(ShownViews(f.form7), QString("FlatPanel3"));
    QVERIFY(f.form7.isVisible());
    QCOMPARE(f.clicks, 0);
  }

  void TrigramRuleCountsTheSelectedPositions() {
    Fixture f;
    TForm7& form = f.form7;
    QCOMPARE(form.label1->text(), QString("?"));
    QCOMPARE(form.cbb1->currentText(), Qt8("1961年"));
    form.xpbtn1->click();
    QCOMPARE(form.label1->text(), Qt8("女"));  // 108
    form.cbb6->setCurrentIndex(1);
    form.xpbtn1->click();
    QCOMPARE(form.label1->text(), Qt8("男"));  // 109
    form.cbb1->setCurrentText(Qt8("1960年"));  // no item: -1
    form.xpbtn1->click();
    QCOMPARE(form.label1->text(), Qt8("女"));  // 108
    form.cbb1->setCurrentText(Qt8("1961年"));  // typed, yet an item: 0
    form.xpbtn1->click();
    QCOMPARE(form.label1->text(), Qt8("男"));  // 109
  }

  void FolkRuleCountsMonthAgainstAge() {
    Fixture f;
    TForm7& form = f.form7;
    QCOMPARE(form.cbb13->count(), 31);
    form.FlatButton2->click();
    QCOMPARE(form.label8->text(), Qt8("男"));  // 正月 at 15岁: 35
    form.cbb11->setCurrentText(Qt8("二月"));
    form.FlatButton2->click();
    QCOMPARE(form.label8->text(), Qt8("女"));  // 36
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  GenderPanelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "gender_panel_test.moc"
