#include "app/naming_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include "app/bundled_service.h"
#include "app/display_text.h"
#include "app/gradient_progress.h"
#include "app/tform1.h"
#include "platform/qt/qt_browser.h"

namespace velmora {
namespace {

const QSize kWindowSize(600, 480);
constexpr int kStripHeight = 64;
constexpr int kNoteHeight = 34;

}  // namespace

NamingWindow::NamingWindow(const char* objectName, const char* caption, const char* note, TForm1& mainWindow)
    : SecondaryWindow(objectName, QString::fromUtf8(caption), &mainWindow), mainWindow_(mainWindow) {
  setFixedSize(kWindowSize);
  setStyleSheet("background: #faf7f0;");
  GradProgress1 = new GradientProgress(this);
  GradProgress1->setObjectName("GradProgress1");
  GradProgress1->setGeometry(0, 0, kWindowSize.width(), 3);

  inputStrip_ = new QFrame(this);
  inputStrip_->setObjectName("inputStrip");
  inputStrip_->setGeometry(0, 3, kWindowSize.width(), kStripHeight);

  auto* client = new QScrollArea(this);
  client->setObjectName("clientPanel");
  client->setGeometry(8, 3 + kStripHeight + 4, kWindowSize.width() - 16,
                      kWindowSize.height() - kStripHeight - kNoteHeight - 14);
  client->setWidgetResizable(true);
  client->setStyleSheet("QScrollArea { background: white; border: 1px solid #c9bda4; }");
  Label1 = new QLabel(QStringLiteral("    "));
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label1->setMargin(8);
  Label1->setStyleSheet("background: white; color: #3a2a1a; font-size: 13px;");
  client->setWidget(Label1);

  auto* bottom = new QLabel(QString::fromUtf8(note), this);
  bottom->setObjectName("bottomPanel");
  bottom->setGeometry(8, kWindowSize.height() - kNoteHeight - 2, kWindowSize.width() - 16, kNoteHeight);
  bottom->setStyleSheet("color: #6a4a2a;");

  WebBrowser1 = new QtBrowser(static_cast<QObject*>(this));
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->OnProgress([this] { GradProgress1->Advance(); });
}

QLineEdit* NamingWindow::CaptionedEdit(const char* caption, const char* text, int left, int editWidth) {
  auto* label = new QLabel(QString::fromUtf8(caption), inputStrip_);
  label->adjustSize();
  label->move(left, (kStripHeight - label->height()) / 2);
  auto* edit = new QLineEdit(QString::fromUtf8(text), inputStrip_);
  edit->setObjectName("Edit1");
  edit->setGeometry(left + label->width() + 4, (kStripHeight - 26) / 2, editWidth, 26);
  edit->setStyleSheet("background: white;");
  return edit;
}

void NamingWindow::ShowResult(const std::string& text) { Label1->setText(DisplayText(text)); }

void NamingWindow::ShowError(const std::exception& error) { mainWindow_.UserDialogs().ShowMessage(Utf8ToGbk(error.what())); }

std::string NamingWindow::NamingBase() {
  mainWindow_.Service().WaitUntilReady();
  return mainWindow_.Addresses().Base(Service::Naming);
}

}  // namespace velmora
