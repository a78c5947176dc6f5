#pragma once
// The main window: the birth-profile strip, the command bar, the menus, the
// work area with its four panels, and the hidden work state. Handlers read the
// controls, call the core and show the result; they keep the names the
// commands are known by.

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "online/hidden_form_page.h"
#include "online/line_buffer.h"
#include "online/marriage_pages.h"
#include "online/service_addresses.h"
#include "platform/dialogs.h"
#include "readings/birth_profile.h"
#include "readings/element_count_page.h"
#include "readings/year_outlook.h"
#include "readings/value_labels.h"
#include "refdb/reference_db.h"
#include "report/report_page.h"

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QWebEngineView;

namespace velmora {

class BirthDetailsDialog;
class BundledService;
class ClickSound;
class GenderPanel;
class GradientProgress;
class NameEdit;
class NamePickerPanel;
class PopupNotifier;
class QtBrowser;
class TChnCalendar;
class TChnCalendarPicker;
struct SecondaryWindows;

enum class WorkPanel { ReportViewerPanel, GenderPanel, NamePickerPanel, CalendarPanel };

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1(std::string programFolder, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // The secondary windows, each made when it is first used; the gender panel
  // opens the views of one of them.
  void SetSecondaryWindows(const SecondaryWindows* windows);

  // The shared pieces the commands work with.
  BirthProfile CurrentProfile() const;
  ValueLabels& Values() { return valueLabels_; }
  ReportPage& Page() { return reportPage_; }
  ReferenceDb& Database() { return ADOQuery1_; }
  const std::string& Folder() const { return programFolder_; }
  Dialogs& UserDialogs() { return dialogs_; }

  void ShowWorkPanel(WorkPanel panel);
  WorkPanel VisiblePanel() const;
  QFrame* Panel(WorkPanel panel) const;
  void PlayClickSound();
  // Writes the page to the program folder and shows it; on failure the file
  // error is shown and the viewer stays where it was.
  bool PublishPage(const std::string& fileName = "ssbx.htm1");

  // Controls, under the names the commands use.
  NameEdit* flatedit1 = nullptr;
  QPushButton* FlatButton1 = nullptr;
  QPushButton* FlatButton2 = nullptr;
  TChnCalendarPicker* chnclndrpckr1 = nullptr;
  QComboBox* cbb1 = nullptr;
  QLabel* label21 = nullptr;
  GradientProgress* GradProgress1 = nullptr;
  QWebEngineView* webbrowser1 = nullptr;
  TChnCalendar* calendarView = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QMenu* PopupMenu2 = nullptr;
  QMenu* popupmenu3 = nullptr;
  PopupNotifier* suiMSNPopForm1 = nullptr;
  std::array<QToolButton*, 12> commandButtons{};

  QtBrowser& Viewer() { return *viewer_; }
  // wb1, wb2 and wb4, each made when it is first used: a browser page starts
  // a process of its own, which would compete with the start page.
  QtBrowser& HiddenBrowser(int number);
  // Where the online readings send their requests; the bundled service's
  // address is known once it has started.
  const ServiceAddresses& Addresses() const { return addresses_; }
  BundledService& Service() { return *service_; }
  NamePickerPanel* NamePicker() { return namePicker_; }

  // Command handlers.
  void XPButton14Click();
  void XPButton3Click();
  void Button1Click();
  void suiListBox1Click();
  void suitempsuiStringGrid1Click();
  void suitempsuiStringGrid2Click();
  void N18Click();
  void N20Click();
  void N22Click();
  void N49Click();
  void XPButton15Click();
  void XPButton6Click();
  void N32Click();
  void N4Click();
  void N16Click();
  void wb1DocumentComplete(BrowserWindow window);
  void wb2DocumentComplete(BrowserWindow window);
  void btn3Click(const std::string& name);
  void wb4DocumentComplete(BrowserWindow window);
  void XPButton1Click();
  void XPButton4Click();
  void XPButton5Click();
  void XPButton7Click();
  void XPButton8Click();
  void XPButton9Click();
  void XPButton10Click();
  void XPButton11Click();
  void N1Click();
  void XT1Click();
  void HTM1Click();
  void N41Click();
  void N59Click();
  void N39Click();
  void N44Click();
  void JAVA1Click();
  void BirthDetails1Click();
  void MenuItem3Click();
  void N4324321Click();
  void N67546451Click();
  void N5435431Click();
  void MenuItem5Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildInputStrip(QWidget* strip);
  void BuildCommandBar(QWidget* bar);
  void BuildWorkArea(QWidget* area);
  void BuildMenus();
  void FormCreate();
  void ShowError(const std::exception& error);
  // The frame of a reading shown as a report page: panel, reading, publish.
  template <typename Reading>
  bool RunReportCommand(Reading reading);
  void ShowFixedPage(const TextLines& page);
  void FillGridsFrom(const std::string& code);
  void StartServices();
  void LoadFormPagesOnceShown();
  HiddenFormPage& SizhuForm();
  HiddenFormPage& ScoreForm();
  void MakeGenderPanel();
  std::string FormPage(const char* name) const;
  void ComposePickedName();
  void ShowMarriagePage(MarriageServer server);

  std::string programFolder_;
  Dialogs& dialogs_;
  ReferenceDb ADOQuery1_;
  ReportPage reportPage_;
  ValueLabels valueLabels_;
  ClickSound* clickSound_ = nullptr;
  QtBrowser* viewer_ = nullptr;
  std::array<QtBrowser*, 3> hiddenBrowsers_{};  // wb1, wb2, wb4
  ElementCountPage wb3_;
  NamePickerPanel* namePicker_ = nullptr;
  GenderPanel* genderPanel_ = nullptr;
  BirthDetailsDialog* birthDetailsDialog_ = nullptr;  // made when first opened
  std::array<QFrame*, 4> panels_{};
  TextLines FlatMemo10_;  // the star signs' yearly texts
  TextLines FlatMemo11_;  // the zodiac animals' yearly texts
  TextLines FlatMemo8_;   // the mind-reader page
  TextLines FlatMemo4_;   // the past-life page
  TextLines FlatMemo5_;   // the wedding-days page
  TextLines FlatMemo13_;  // marriage page A
  TextLines FlatMemo12_;  // marriage page B
  TextLines FlatMemo7_;   // marriage page C
  const SecondaryWindows* secondaryWindows_ = nullptr;
  ServiceAddresses addresses_;
  BundledService* service_ = nullptr;
  // Each online chart reading has its own form page and its own buffers, so
  // an answer that arrives while the other is being read leaves them alone.
  std::optional<HiddenFormPage> sizhuForm_;  // wb1's, once wb1 is made
  std::optional<HiddenFormPage> scoreForm_;  // wb2's
  LineBuffer sizhuText_;  // 四柱批命's answer text
  LineBuffer sizhuCut_;   // its cut
  LineBuffer scoreHtml_;  // 八字批命's answer markup
  LineBuffer scoreCut_;   // its cut
  LineBuffer mmo1_;   // the text of the online name detail
  LineBuffer mmo2_;   // the lines it adds to the name page
};

}  // namespace velmora
