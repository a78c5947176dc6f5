#include "app/tform1.h"

#include <tuple>

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QUrl>
#include <QWebEngineView>

#include "app/artwork.h"
#include "app/birth_details_dialog.h"
#include "app/bundled_service.h"
#include "app/chn_calendar.h"
#include "app/chn_calendar_picker.h"
#include "app/gender_panel.h"
#include "app/tform11.h"
#include "app/tform12.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "app/tform6.h"
#include "app/tform7.h"
#include "app/tform9.h"
#include "app/click_sound.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/name_picker_panel.h"
#include "app/popup_notifier.h"
#include "app/secondary_windows.h"
#include "app/side_bar_menu.h"
#include "calendar/startup_lunar.h"
#include "online/bazi_readings.h"
#include "online/browser_automation.h"
#include "online/horoscope_readings.h"
#include "online/name_detail.h"
#include "online/online_check.h"
#include "platform/program_folder.h"
#include "platform/qt/local_file_scheme.h"
#include "readings/birth_details.h"
#include "readings/bone_weight.h"
#include "readings/decimal_text.h"
#include "readings/five_elements.h"
#include "readings/name_picker.h"
#include "readings/phone_numerology.h"
#include "platform/replace_file.h"
#include "text/gbk.h"
#include "readings/name_numerology.h"
#include "platform/qt/browser_view.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"
#include "refdb/database_error.h"
#include "refdb/settings_file.h"
#include "report/report_viewer.h"
#include "report/temporary_files.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

const QPoint kWorkPanelPosition(1, 5);
const QPoint kPrintMenuOffset(190, 508);
const QPoint kMarriageMenuOffset(190, 334);
const char* const kJavaDownloadPage = "https://www.java.com/download/";

QLabel* Caption(const QString& text, int left, int top, QWidget* parent, int pixelSize = 12) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  label->setFont(font);
  label->adjustSize();
  label->move(left, top);
  return label;
}

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TForm1::TForm1(std::string programFolder, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(std::move(programFolder)),
      dialogs_(dialogs),
      ADOQuery1_(programFolder_, ReferenceDatabase()) {
  setObjectName("TForm1");
  setWindowTitle(Qt8("Velmora  V2014 build 01.01"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  QFont font(Qt8("Noto Serif CJK SC"));
  font.setPixelSize(13);
  setFont(font);
  setStyleSheet("QMainWindow, #client { background: rgb(240, 240, 240); }");
  clickSound_ = new ClickSound(QString::fromStdString(programFolder_), this);

  BuildMenus();
  auto* client = new QWidget(this);
  client->setObjectName("client");
  setCentralWidget(client);
  setFixedSize(833, 624 - 0);
  move(screen()->availableGeometry().center() - rect().center());  // centred on the desktop

  auto* logo = new QLabel(client);
  logo->setGeometry(16, 16, 187, 64);
  logo->setPixmap(LogoStrip(logo->size()));
  auto* bar = new QFrame(client);
  bar->setObjectName("pnl1");
  bar->setGeometry(16, 80, 187, 441);
  BuildCommandBar(bar);
  auto* footLeft = new QLabel(client);
  footLeft->setGeometry(16, 520, 187, 34);
  footLeft->setPixmap(FootStrip(footLeft->size(), Qt8("问天 · 知命")));
  auto* strip = new QFrame(client);
  strip->setObjectName("FlatPanel9");
  strip->setGeometry(216, 16, 585, 64);
  BuildInputStrip(strip);
  auto* area = new QFrame(client);
  area->setObjectName("pnl4");
  area->setGeometry(216, 81, 585, 438);
  BuildWorkArea(area);
  auto* footRight = new QLabel(client);
  footRight->setGeometry(216, 520, 587, 34);
  footRight->setPixmap(FootStrip(footRight->size(), Qt8("姓名测算 · 称骨论命 · 八字五行 · 属相星座")));

  suiMSNPopForm1 = new PopupNotifier(this);
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildMenus() {
  auto entry = [this](QMenu* menu, const char* name, const char* caption, void (TForm1::*handler)()) {
    QAction* action = menu->addAction(Qt8(caption));
    action->setObjectName(name);
    if (handler) connect(action, &QAction::triggered, this, handler);
    return action;
  };
  auto group = [this](const char* title) {
    auto* menu = new SideBarMenu(Qt8(title), this);
    menuBar()->addMenu(menu);
    return menu;
  };
  QMenu* names = group("姓名论断");
  entry(names, "N59", "在线姓名测试", &TForm1::N59Click);
  names->addSeparator();
  entry(names, "N41", "在线姓名评分", &TForm1::N41Click);
  QMenu* signs = group("星座查询");
  entry(signs, "N39", "本周星座查询", &TForm1::N39Click);
  QMenu* extensions = group("神算扩展");
  entry(extensions, "N44", "生日密码", &TForm1::N44Click);
  extensions->addSeparator();
  entry(extensions, "N18", "半仙读心", &TForm1::N18Click);
  extensions->addSeparator();
  entry(extensions, "N20", "前世今生", &TForm1::N20Click);
  extensions->addSeparator();
  entry(extensions, "N22", "2027年结婚吉日", &TForm1::N22Click);
  extensions->addSeparator();
  entry(extensions, "N49", "手机号码吉凶", &TForm1::N49Click);
  QMenu* extras = group("附件");
  entry(extras, "JAVA1", "访问JAVA下载站", &TForm1::JAVA1Click);
  extras->addSeparator();
  entry(extras, "BirthDetails1", "出生时间与出生地…", &TForm1::BirthDetails1Click);

  PopupMenu1 = new SideBarMenu({}, this);
  PopupMenu1->setObjectName("PopupMenu1");
  entry(PopupMenu1, "N1", "输出到 打印机", &TForm1::N1Click);
  PopupMenu1->addSeparator();
  entry(PopupMenu1, "XT1", "输出到 TXT文件", &TForm1::XT1Click);
  PopupMenu1->addSeparator();
  entry(PopupMenu1, "HTM1", "输出到 HTML文件", &TForm1::HTM1Click);

  PopupMenu2 = new SideBarMenu({}, this);
  PopupMenu2->setObjectName("PopupMenu2");
  const std::tuple<const char*, const char*, void (TForm1::*)()> servers[] = {
      {"MenuItem3", "服务器一", &TForm1::MenuItem3Click}, {"N4324321", "服务器二", &TForm1::N4324321Click},
      {"N67546451", "服务器三", &TForm1::N67546451Click}, {"N5435431", "服务器四", &TForm1::N5435431Click},
      {"MenuItem5", "服务器五", &TForm1::MenuItem5Click}};
  for (std::size_t i = 0; i < 5; ++i) {
    if (i) PopupMenu2->addSeparator();
    entry(PopupMenu2, std::get<0>(servers[i]), std::get<1>(servers[i]), std::get<2>(servers[i]));
  }

  popupmenu3 = new SideBarMenu({}, this);
  popupmenu3->setObjectName("popupmenu3");
  entry(popupmenu3, "N32", "命造简批", &TForm1::N32Click);
  popupmenu3->addSeparator();
  entry(popupmenu3, "N4", "四柱批命", &TForm1::N4Click);
  popupmenu3->addSeparator();
  entry(popupmenu3, "N16", "八字批命", &TForm1::N16Click);
}

void TForm1::BuildCommandBar(QWidget* bar) {
  struct Button {
    const char* name;
    const char* caption;
    void (TForm1::*handler)();
  };
  // Row by row, left column then right column.
  const Button buttons[12] = {
      {"XPButton14", "姓名吉凶", &TForm1::XPButton14Click},           {"XPButton4", "自助起名", &TForm1::XPButton4Click},
      {"XPButton10", "个人起名", &TForm1::XPButton10Click}, {"XPButton7", "公司起名", &TForm1::XPButton7Click},
      {"XPButton15", "属相运程", &TForm1::XPButton15Click}, {"XPButton6", "星座运程", &TForm1::XPButton6Click},
      {"XPButton1", "生男生女", &TForm1::XPButton1Click},   {"XPButton5", "姻缘速配", &TForm1::XPButton5Click},
      {"XPButton3", "八字起名", &TForm1::XPButton3Click},            {"XPButton11", "八字算命", &TForm1::XPButton11Click},
      {"XPButton9", "万年历法", &TForm1::XPButton9Click},   {"XPButton8", "输出打印", &TForm1::XPButton8Click},
  };
  static constexpr int kTops[6] = {6, 78, 150, 223, 295, 368};
  bar->setStyleSheet(
      "#pnl1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7f3ea, stop:1 #e4dccb);"
      " border: 1px solid #c9bda4; }"
      "QToolButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #ebe5d8);"
      " border: 1px solid #b9ab8e; border-radius: 5px; color: #4a1a1a; }"
      "QToolButton:hover { background: #fff6e0; border-color: #c89b3c; }"
      "QToolButton:pressed { background: #f0dfb8; }");
  for (int i = 0; i < 12; ++i) {
    auto* button = new QToolButton(bar);
    button->setObjectName(buttons[i].name);
    button->setText(Qt8(buttons[i].caption));
    button->setIcon(CommandIcon(button->text(), i));
    button->setIconSize(QSize(30, 30));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(i % 2 == 0 ? 0 : 99, kTops[i / 2], 88, 66);
    button->setFocusPolicy(Qt::StrongFocus);  // a click takes the focus, so the name box is left first
    if (buttons[i].handler) connect(button, &QToolButton::clicked, this, buttons[i].handler);
    commandButtons[static_cast<std::size_t>(i)] = button;
  }
}

void TForm1::BuildInputStrip(QWidget* strip) {
  strip->setStyleSheet("#FlatPanel9 { background: #faf7f0; border: 1px solid #c9bda4; }");
  Caption(Qt8("输入姓名或姓"), 56, 4, strip);
  Caption(Qt8("选择性别"), 198, 4, strip);
  Caption(Qt8("单复姓"), 249, 4, strip);
  Caption(Qt8("选择生日"), 336, 4, strip);
  Caption(Qt8("时辰"), 512, 4, strip);
  Caption(Qt8("姓名"), 22, 38, strip);
  Caption(Qt8("性别"), 164, 38, strip);
  Caption(Qt8("生日"), 302, 38, strip);

  flatedit1 = new NameEdit(strip);
  flatedit1->setObjectName("flatedit1");
  flatedit1->setGeometry(56, 34, 97, 23);
  QFont nameFont(Qt8("Noto Serif CJK SC"));
  nameFont.setPixelSize(15);
  flatedit1->setFont(nameFont);
  FlatButton1 = new QPushButton(Qt8("男"), strip);
  FlatButton1->setObjectName("FlatButton1");
  FlatButton1->setGeometry(198, 34, 30, 23);
  FlatButton2 = new QPushButton(Qt8("单姓"), strip);
  FlatButton2->setObjectName("FlatButton2");
  FlatButton2->setGeometry(249, 34, 40, 23);
  chnclndrpckr1 = new TChnCalendarPicker(strip);
  chnclndrpckr1->setObjectName("chnclndrpckr1");
  chnclndrpckr1->setGeometry(336, 34, 150, 23);
  cbb1 = new QComboBox(strip);
  cbb1->setObjectName("cbb1");
  cbb1->setGeometry(512, 34, 57, 23);
  for (int hour = 0; hour <= 23; ++hour) cbb1->addItem(QString::number(hour));

  connect(FlatButton1, &QPushButton::clicked, this,
          [this] { FlatButton1->setText(FromGbk(ToggledSex(ToGbk(FlatButton1->text())))); });
  connect(FlatButton2, &QPushButton::clicked, this,
          [this] { FlatButton2->setText(FromGbk(ToggledSurnameKind(ToGbk(FlatButton2->text())))); });
}

void TForm1::BuildWorkArea(QWidget* area) {
  area->setStyleSheet("#pnl4 { background: white; border: 1px solid #c9bda4; }");
  GradProgress1 = new GradientProgress(area);
  GradProgress1->setObjectName("GradProgress1");
  GradProgress1->setGeometry(0, 0, 585, 3);
  const char* const names[4] = {"flatpanel6", "FlatPanel7", "FlatPanel1", "flatpanel4"};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QFrame(area);
    panels_[i]->setObjectName(names[i]);
    panels_[i]->setGeometry(QRect(kWorkPanelPosition, QSize(583, 432)));
    panels_[i]->setStyleSheet(QString("#%1 { background: white; }").arg(names[i]));
    panels_[i]->hide();
  }
  webbrowser1 = new BrowserView(Panel(WorkPanel::ReportViewerPanel));
  webbrowser1->setObjectName("webbrowser1");
  webbrowser1->setGeometry(0, 0, 583, 432);
  webbrowser1->setContextMenuPolicy(Qt::NoContextMenu);
  viewer_ = new QtBrowser(webbrowser1);
  viewer_->OnDocumentComplete([this](BrowserWindow) {
    try {
      HandleViewerLoad(*viewer_, programFolder_);
    } catch (const std::exception& error) {
      ShowError(error);
    }
  });

  label21 = new QLabel(Panel(WorkPanel::NamePickerPanel));
  label21->setObjectName("label21");
  label21->setAlignment(Qt::AlignCenter);
  label21->setCursor(Qt::PointingHandCursor);
  label21->setToolTip(Qt8("鼠标按下，测算该姓名"));
  connect(flatedit1, &QLineEdit::textChanged, label21, &QLabel::setText);
  namePicker_ = new NamePickerPanel(Panel(WorkPanel::NamePickerPanel), label21);
  connect(namePicker_->pdjbtn1, &QPushButton::clicked, this, &TForm1::XPButton14Click);
  // The mouse chooses an entry by clicking it, even the one already current;
  // the keyboard by moving the current row.
  connect(namePicker_->suiListBox1, &QListWidget::itemClicked, this, &TForm1::suiListBox1Click);
  connect(namePicker_->suiListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton) suiListBox1Click();
  });
  connect(namePicker_->suiStringGrid1, &QTableWidget::cellClicked, this, &TForm1::suitempsuiStringGrid1Click);
  connect(namePicker_->suiStringGrid2, &QTableWidget::cellClicked, this, &TForm1::suitempsuiStringGrid2Click);
  connect(flatedit1, &NameEdit::EnterPressed, this, &TForm1::XPButton14Click);
  connect(flatedit1, &NameEdit::Left, this, [this] { flatedit1->setText(FromGbk(NameOnLeave(ToGbk(flatedit1->text())))); });
  label21->installEventFilter(this);

  calendarView = new TChnCalendar(Panel(WorkPanel::CalendarPanel));
  calendarView->setObjectName("calendarView");
  calendarView->setGeometry(0, 0, 583, 432);
}

void TForm1::FormCreate() {
  try {
    ADOQuery1_.Open();
    ADOQuery1_.Lookup(Utf8ToGbk("select * from 汉字笔划"));
  } catch (const std::exception& error) {
    ShowError(error);
  }
  const DateTime today = LocalNow();
  chnclndrpckr1->SetDateTime(today);
  calendarView->SetDateTime(today);
  ShowWorkPanel(WorkPanel::ReportViewerPanel);
  // The browsers show files of the program's folders and of no other.
  SetLocalFolders({ProgramFolder(), programFolder_});
  viewer_->Navigate(programFolder_ + "logo.htm");
  StartServices();
  LoadFormPagesOnceShown();
  try {
    flatedit1->setText(
        FromGbk(SettingsFile(SettingsFilePath(programFolder_)).Read("setup", "name").value_or(std::string())));
  } catch (const std::exception& error) {
    ShowError(error);
  }
  TChnCalendar* calendar = chnclndrpckr1->ChnCalendar();
  calendar->CnDate = StartupLunarText(today.date);
  calendar->CnMonth = BytesAt(calendar->CnDate, 1, 4);
  calendar->CnDay = BytesAt(calendar->CnDate, 5, 4);
  // wb3 is the built-in element-count page: there is nothing to load.
  FlatMemo10_ = ReadTextLines(StarSignYearTextsPath(programFolder_));
  FlatMemo11_ = ReadTextLines(AnimalYearTextsPath(programFolder_));
  FlatMemo8_ = ReadTextLines(programFolder_ + "data/mind_reader.htm");
  FlatMemo4_ = ReadTextLines(programFolder_ + "data/past_life.htm");
  FlatMemo5_ = ReadTextLines(programFolder_ + "data/wedding_days.htm");
  FlatMemo13_ = ReadTextLines(programFolder_ + "data/marriage_a.htm");
  FlatMemo12_ = ReadTextLines(programFolder_ + "data/marriage_b.htm");
  FlatMemo7_ = ReadTextLines(programFolder_ + "data/marriage_c.htm");
}

void TForm1::StartServices() {
  try {
    addresses_.Read(programFolder_);
  } catch (const std::exception& error) {
    ShowError(error);
  }
  SetDataPageFilter([this](std::string page) { return addresses_.FillPlaceholders(std::move(page)); });
  service_ = new BundledService(programFolder_, addresses_, this);
  service_->Start();
}

// The form pages of wb1 and wb2 load once the start page is shown, so that
// they do not hold back the first paint, and once the service's address is
// known, which they are given as they load. A command that comes first loads
// its page itself.
void TForm1::LoadFormPagesOnceShown() {
  auto load = [this] {
    SizhuForm().Load();
    ScoreForm().Load();
  };
  connect(
      webbrowser1, &QWebEngineView::loadFinished, this,
      [this, load] {
        if (service_->IsReady()) {
          load();
        } else {
          connect(service_, &BundledService::Ready, this, load, Qt::SingleShotConnection);
        }
      },
      Qt::SingleShotConnection);
}

std::string TForm1::FormPage(const char* name) const { return programFolder_ + "data/" + name; }

QtBrowser& TForm1::HiddenBrowser(int number) {
  QtBrowser*& browser = hiddenBrowsers_[number == 4 ? 2 : static_cast<std::size_t>(number - 1)];
  if (browser) return *browser;
  browser = new QtBrowser(this);
  browser->setObjectName("wb" + QString::number(number));
  browser->OnProgress([this] { GradProgress1->Advance(); });
  browser->OnDocumentComplete([this, number](BrowserWindow window) {
    if (number == 1) wb1DocumentComplete(window);
    if (number == 2) wb2DocumentComplete(window);
    if (number == 4) wb4DocumentComplete(window);
  });
  return *browser;
}

HiddenFormPage& TForm1::SizhuForm() {
  if (!sizhuForm_) sizhuForm_.emplace(HiddenBrowser(1), FormPage("ssda.db"), SizhuFormTitle());
  return *sizhuForm_;
}

HiddenFormPage& TForm1::ScoreForm() {
  if (!scoreForm_) scoreForm_.emplace(HiddenBrowser(2), FormPage("ssdc.db"), BaziScoreFormTitle());
  return *scoreForm_;
}

void TForm1::SetSecondaryWindows(const SecondaryWindows* windows) { secondaryWindows_ = windows; }

// The gender panel opens the views of TForm7; it is built when it is first
// shown, like that window when a link first asks for it.
void TForm1::MakeGenderPanel() {
  if (genderPanel_ || !secondaryWindows_) return;
  const SecondaryWindows* windows = secondaryWindows_;
  genderPanel_ = new GenderPanel(Panel(WorkPanel::GenderPanel), [this] { PlayClickSound(); }, dialogs_,
                                 [windows]() -> TForm7& { return *windows->TForm7; });
  genderPanel_->show();
}

BirthProfile TForm1::CurrentProfile() const {
  BirthProfile profile;
  profile.name = ToGbk(flatedit1->text());
  profile.sex = ToGbk(FlatButton1->text());
  profile.surnameKind = ToGbk(FlatButton2->text());
  profile.birthDate = chnclndrpckr1->GetDateTime();
  profile.cnMonth = chnclndrpckr1->ChnCalendar()->CnMonth;
  profile.cnDay = chnclndrpckr1->ChnCalendar()->CnDay;
  profile.birthHourIndex = cbb1->currentIndex();
  return profile;
}

QFrame* TForm1::Panel(WorkPanel panel) const { return panels_[static_cast<std::size_t>(panel)]; }

void TForm1::ShowWorkPanel(WorkPanel panel) {
  if (panel == WorkPanel::GenderPanel) MakeGenderPanel();
  for (QFrame* each : panels_) each->setVisible(each == Panel(panel));
  Panel(panel)->move(kWorkPanelPosition);
}

WorkPanel TForm1::VisiblePanel() const {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    if (!panels_[i]->isHidden()) return static_cast<WorkPanel>(i);
  }
  return WorkPanel::ReportViewerPanel;
}

void TForm1::PlayClickSound() { clickSound_->Play(); }

bool TForm1::PublishPage(const std::string& fileName) {
  try {
    reportPage_.WriteTo(programFolder_ + fileName);
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  viewer_->ShowAnew(programFolder_ + fileName);
  return true;
}

void TForm1::ShowError(const std::exception& error) { dialogs_.ShowMessage(Utf8ToGbk(error.what())); }

template <typename Reading>
bool TForm1::RunReportCommand(Reading reading) {
  ShowWorkPanel(WorkPanel::ReportViewerPanel);
  try {
    reading();
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  return PublishPage();
}

void TForm1::XPButton14Click() {
  PlayClickSound();
  const BirthProfile profile = CurrentProfile();
  const bool published = RunReportCommand([&] { BuildNamePage(reportPage_, NameReading(ADOQuery1_, profile, valueLabels_)); });
  if (!published) return;
  try {
    SettingsFile(SettingsFilePath(programFolder_)).Write("setup", "name", profile.name);
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  btn3Click(profile.name);
}

void TForm1::btn3Click(const std::string& name) {
  GradProgress1->SetPosition(0);
  service_->WaitUntilReady();
  HiddenBrowser(4).Navigate(NameDetailAddress(addresses_.Base(Service::Search), name));
}

void TForm1::wb4DocumentComplete(BrowserWindow window) {
  try {
    if (!TakeNameDetail(HiddenBrowser(4), window, CurrentProfile().name, mmo1_, mmo2_, reportPage_)) return;
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  GradProgress1->SetPosition(100);
  PublishPage("temp.htm1");
}

void TForm1::N32Click() {
  RunReportCommand([this] { BoneWeightReading(ADOQuery1_, CurrentProfile(), valueLabels_, reportPage_); });
}

void TForm1::N4Click() {
  service_->WaitUntilReady();
  GradProgress1->SetPosition(0);
  try {
    const BirthProfile profile = CurrentProfile();
    OnlineChartYear(profile.birthDate.date.year);  // refused now, so that nothing is sent later
    const TypedBirthDetails details = TypedBirthDetailsOf(ReadBirthDetails(programFolder_));
    SizhuForm().Send(
        [this, profile, details](Browser& wb1) { RequestSizhuReading(wb1, profile, details, FormPage("ssda.db")); });
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm1::wb1DocumentComplete(BrowserWindow window) {
  GradProgress1->SetPosition(100);
  QtBrowser& wb1 = HiddenBrowser(1);
  if (!IsTopLevelCompletion(wb1, window)) return;
  try {
    if (ReadTitle(wb1) != SizhuAnswerTitle()) {
      SizhuForm().Completed(false);  // the form page may have a command waiting
      return;
    }
    TakeSizhuAnswer(wb1, sizhuText_, sizhuCut_, reportPage_, FormPage("ssda.db"));
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  PublishPage();
}

void TForm1::N16Click() {
  service_->WaitUntilReady();
  GradProgress1->SetPosition(0);
  try {
    const BirthProfile profile = CurrentProfile();
    OnlineChartYear(profile.birthDate.date.year);
    const TypedBirthDetails details = TypedBirthDetailsOf(ReadBirthDetails(programFolder_));
    ScoreForm().Send([profile, details](Browser& wb2) { RequestBaziScore(wb2, profile, details); });
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

// Any page but the answer (an error page, a service that is down) sends wb2
// back to its form, so that the next command finds one.
void TForm1::wb2DocumentComplete(BrowserWindow window) {
  GradProgress1->SetPosition(100);
  QtBrowser& wb2 = HiddenBrowser(2);
  if (!IsTopLevelCompletion(wb2, window)) return;
  const std::string base = addresses_.Base(Service::Bazi);
  const std::string domain = base.substr(base.find("//") + 2);
  try {
    if (ReadTitle(wb2) != BaziScoreAnswerTitle(domain)) {
      ScoreForm().Completed(true);
      return;
    }
    TakeBaziScoreAnswer(wb2, scoreHtml_, scoreCut_, reportPage_, FormPage("ssdc.db"),
                        {domain, std::string(kMakerDomain), base + "/chest/bz/images"});
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  PublishPage();
}

void TForm1::XPButton15Click() {
  PlayClickSound();
  RunReportCommand([this] { AnimalYearReading(FlatMemo11_, CurrentProfile(), valueLabels_, reportPage_); });
}

void TForm1::XPButton6Click() {
  PlayClickSound();
  RunReportCommand([this] { StarSignYearReading(FlatMemo10_, CurrentProfile(), valueLabels_, reportPage_); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label21 && event->type() == QEvent::MouseButtonPress) XPButton14Click();  // label21MouseDown
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::XPButton1Click() {
  PlayClickSound();
  ShowWorkPanel(WorkPanel::GenderPanel);
}

void TForm1::XPButton4Click() {
  PlayClickSound();
  ShowWorkPanel(WorkPanel::NamePickerPanel);
  try {
    const std::optional<std::vector<std::string>> codes =
        StrokePairListFor(ADOQuery1_, CurrentProfile().name, valueLabels_);
    if (!codes) return;
    const QSignalBlocker quiet(namePicker_->suiListBox1);
    namePicker_->SetCodes(*codes);
    if (!codes->empty()) FillGridsFrom(codes->front());
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm1::FillGridsFrom(const std::string& code) {
  NamePickerPanel::FillCharacterGrid(namePicker_->suiStringGrid1,
                                     CharacterGridCells(ADOQuery1_, ParseDecimal(BytesAt(code, 1, 2))));
  NamePickerPanel::FillCharacterGrid(namePicker_->suiStringGrid2,
                                     CharacterGridCells(ADOQuery1_, ParseDecimal(BytesAt(code, 3, 2))));
}

void TForm1::ComposePickedName() {
  const BirthProfile profile = CurrentProfile();
  flatedit1->setText(FromGbk(velmora::ComposePickedName(profile.name, profile.surnameKind,
                                                        NamePickerPanel::CurrentCellText(namePicker_->suiStringGrid1),
                                                        NamePickerPanel::CurrentCellText(namePicker_->suiStringGrid2))));
}

void TForm1::suiListBox1Click() {
  try {
    FillGridsFrom(ToGbk(namePicker_->suiListBox1->currentItem()->text()));
    ComposePickedName();
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm1::suitempsuiStringGrid1Click() { ComposePickedName(); }

void TForm1::suitempsuiStringGrid2Click() { ComposePickedName(); }

void TForm1::XPButton3Click() {
  PlayClickSound();
  Button1Click();
}

void TForm1::Button1Click() {
  ShowWorkPanel(WorkPanel::ReportViewerPanel);
  try {
    if (!FiveElementReading(wb3_, ADOQuery1_, CurrentProfile(), valueLabels_, reportPage_)) return;
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  PublishPage();
}

void TForm1::ShowFixedPage(const TextLines& page) {
  PlayClickSound();
  ShowWorkPanel(WorkPanel::ReportViewerPanel);
  try {
    ReplaceFile(programFolder_ + "ssbx.htm1", FileForm(page));
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  viewer_->ShowAnew(programFolder_ + "ssbx.htm1");
}

void TForm1::N18Click() { ShowFixedPage(FlatMemo8_); }

void TForm1::N20Click() { ShowFixedPage(FlatMemo4_); }

void TForm1::N22Click() { ShowFixedPage(FlatMemo5_); }

void TForm1::N49Click() {
  PlayClickSound();
  const std::optional<std::string> input =
      dialogs_.InputBox("手机号码吉凶查询"_gbk, "请输入你的手机号码    "_gbk, std::string());
  try {
    const PhoneReading reading = ReadPhoneNumber(input.value_or(std::string()));
    if (!reading.message.empty()) dialogs_.ShowMessage(reading.message);
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm1::XPButton5Click() {
  PlayClickSound();
  PopupMenu2->popup(frameGeometry().topLeft() + kMarriageMenuOffset);
}

void TForm1::XPButton7Click() {
  PlayClickSound();
  if (secondaryWindows_) secondaryWindows_->TForm11->ShowCentred();
}

void TForm1::XPButton8Click() {
  PlayClickSound();
  PopupMenu1->popup(frameGeometry().topLeft() + kPrintMenuOffset);
}

void TForm1::XPButton9Click() {
  PlayClickSound();
  ShowWorkPanel(WorkPanel::CalendarPanel);
}

void TForm1::XPButton10Click() {
  PlayClickSound();
  if (secondaryWindows_) secondaryWindows_->TForm9->ShowCentred();
}

void TForm1::XPButton11Click() {
  PlayClickSound();
  ShowWorkPanel(WorkPanel::ReportViewerPanel);
  viewer_->Navigate(programFolder_ + "logo.htm");
  QWidget* button = commandButtons[9];
  popupmenu3->popup(button->mapToGlobal(QPoint(button->width(), 0)));
}

void TForm1::N1Click() {
  PlayClickSound();
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) {
    dialogs_.ShowMessage(Utf8ToGbk("没有安装默认打印机，无法打印。"));
    return;
  }
  auto* target = new QPrinter(printer);
  connect(webbrowser1, &QWebEngineView::printFinished, this, [target] { delete target; },
          Qt::SingleShotConnection);
  webbrowser1->print(target);
}

void TForm1::XT1Click() {
  try {
    const std::string path = ExportViewerText(*viewer_, programFolder_, CurrentProfile().name);
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm1::HTM1Click() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(ViewerCopyPath(programFolder_))));
}

void TForm1::N41Click() {
  PlayClickSound();
  if (secondaryWindows_) secondaryWindows_->TForm3->ShowCentred();
}

void TForm1::N59Click() {
  PlayClickSound();
  if (secondaryWindows_) secondaryWindows_->TForm14->ShowCentred();
}

void TForm1::N39Click() {
  PlayClickSound();
  if (OfflineForService(addresses_, Service::Forecast)) {
    suiMSNPopForm1->ShowMessage(FromGbkMessage(OfflineMessage()));
    return;
  }
  if (secondaryWindows_) secondaryWindows_->TForm12->ShowCentred();
}

void TForm1::N44Click() {
  PlayClickSound();
  if (OfflineForService(addresses_, Service::Birthday)) {
    dialogs_.ShowMessage(OfflineMessage());
    return;
  }
  if (secondaryWindows_) secondaryWindows_->TForm13->ShowCentred();
}

void TForm1::JAVA1Click() {
  PlayClickSound();
  if (dialogs_.Confirm(Utf8ToGbk("是否确认？\r\n\r\n访问JAVA下载网站？"))) {
    QDesktopServices::openUrl(QUrl(kJavaDownloadPage));
  }
}

void TForm1::BirthDetails1Click() {
  PlayClickSound();
  if (!birthDetailsDialog_) birthDetailsDialog_ = new BirthDetailsDialog(programFolder_, this);
  birthDetailsDialog_->ShowFor(CurrentProfile());
}

void TForm1::MenuItem3Click() { ShowMarriagePage(MarriageServer::One); }

void TForm1::N4324321Click() { ShowMarriagePage(MarriageServer::Two); }

void TForm1::N67546451Click() { ShowMarriagePage(MarriageServer::Three); }

void TForm1::N5435431Click() { ShowMarriagePage(MarriageServer::Four); }

void TForm1::MenuItem5Click() { ShowMarriagePage(MarriageServer::Five); }

void TForm1::ShowMarriagePage(MarriageServer server) {
  TForm6* window = secondaryWindows_ ? secondaryWindows_->TForm6.Get() : nullptr;
  if (window) window->GradProgress1->SetPosition(0);
  PlayClickSound();
  service_->WaitUntilReady();
  if (addresses_.IsRemote(MarriageService(server)) && !IsOnline()) {
    suiMSNPopForm1->ShowMessage(Qt8("你的机器可能未联接到网络\n\n本功能需要实时在线！"));
  }
  std::string path;
  try {
    path = WriteMarriagePage(programFolder_, ComposeMarriagePage(server, {FlatMemo13_, FlatMemo12_, FlatMemo7_}, addresses_));
  } catch (const std::exception& error) {
    ShowError(error);
    return;
  }
  if (!window) return;
  // The same file twice must show the new page too.
  window->WebBrowser1View->stop();
  window->WebBrowser1->Navigate(path);
  window->ShowCentred();
}

void TForm1::closeEvent(QCloseEvent* event) {
  DeleteTemporaryFiles(programFolder_);
  QMainWindow::closeEvent(event);
}

}  // namespace velmora
