#include "app/tform3.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QWebEngineView>

#include <climits>

#include "app/bundled_service.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/online_window.h"
#include "app/tform1.h"
#include "online/name_scoring.h"
#include "platform/dialogs.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"

namespace velmora {
namespace {

const QSize kWindowSize(640, 480);
constexpr int kTopBarHeight = 44;
// A server that accepts the connection and never answers must not hold the window for ever.
constexpr int kTransferTimeoutMs = 30000;

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TForm3::TForm3(TForm1& mainWindow)
    : SecondaryWindow("TForm3", Qt8("在线姓名评分"), &mainWindow), mainWindow_(mainWindow) {
  setFixedSize(kWindowSize);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet("#TForm3 { background: #faf7f0; }");
  GradProgress1 = ProgressBar(this, {0, 0, kWindowSize.width(), 3});

  auto caption = [this](const char* text, int left) {
    auto* label = new QLabel(Qt8(text), this);
    label->setGeometry(left, 13, 28, 20);
  };
  caption("姓：", 14);
  edit1 = new NameEdit(this);
  edit1->setObjectName("edit1");
  edit1->setGeometry(42, 11, 64, 24);
  edit1->setText(Qt8("中"));
  caption("名：", 120);
  edit2 = new NameEdit(this);
  edit2->setObjectName("edit2");
  edit2->setGeometry(148, 11, 84, 24);
  edit2->setText(Qt8("国"));
  xpbtn1 = new QPushButton(Qt8("姓名评分"), this);
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(248, 9, 92, 28);
  auto* hint = new QLabel(Qt8("康熙笔画 · 五格数理 · 三才配置 · 音律用字"), this);
  hint->setGeometry(356, 13, 270, 20);
  hint->setStyleSheet("color: #8a7a68;");

  webbrowser1 = new QWebEngineView(this);
  webbrowser1->setObjectName("webbrowser1");
  webbrowser1->setGeometry(0, kTopBarHeight, kWindowSize.width(), kWindowSize.height() - kTopBarHeight);
  webbrowser1->setContextMenuPolicy(Qt::NoContextMenu);
  browser_ = new QtBrowser(webbrowser1);

  IdHTTP1_ = new QNetworkAccessManager(this);  // its cookie jar keeps the service's cookies between fetches
  connect(edit1, &NameEdit::Left, this, &TForm3::edit1Exit);
  connect(edit2, &NameEdit::Left, this, &TForm3::edit2Exit);
  connect(xpbtn1, &QPushButton::clicked, this, &TForm3::xpbtn1Click);
}

void TForm3::showEvent(QShowEvent* event) {
  FormShow();
  SecondaryWindow::showEvent(event);
}

void TForm3::FormShow() {
  const BirthProfile profile = mainWindow_.CurrentProfile();
  const ScoreNameParts parts = ScorePartsOfName(profile.name, profile.surnameKind);
  edit1->setText(FromGbk(parts.surname));
  edit2->setText(FromGbk(parts.givenName));
}

void TForm3::Exit(bool leavingSurname) {
  const ScoreNameParts parts = ScorePartsOnLeave({ToGbk(edit1->text()), ToGbk(edit2->text())}, leavingSurname);
  edit1->setText(FromGbk(parts.surname));
  edit2->setText(FromGbk(parts.givenName));
}

void TForm3::edit1Exit() { Exit(true); }

void TForm3::edit2Exit() { Exit(false); }

void TForm3::xpbtn1Click() {
  memo1_.Clear();
  memo2_.Clear();
  GradProgress1->SetPosition(10);
  if (QNetworkReply* dropped = pending_) {
    pending_ = nullptr;
    dropped->abort();
  }
  mainWindow_.Service().WaitUntilReady();
  const std::string base = mainWindow_.Addresses().Base(Service::Names);
  QNetworkRequest request(QUrl::fromEncoded(
      QByteArray::fromStdString(NameScoreAddress(base, {ToGbk(edit1->text()), ToGbk(edit2->text())}))));
  request.setRawHeader("Accept", "text/html, */*");
  request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
  request.setTransferTimeout(kTransferTimeoutMs);
  QNetworkReply* reply = IdHTTP1_->get(request);
  pending_ = reply;
  connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 announced) {
    if (reply == pending_) IdHTTP1Work(received, announced);
  });
  connect(reply, &QNetworkReply::finished, this, [this, reply] { TakeAnswer(reply); });
}

void TForm3::IdHTTP1Work(qint64 received, qint64 announced) {
  if (announced <= 0) return;  // no length announced: the bar stays as it is
  GradProgress1->SetMaximum(static_cast<int>(std::min<qint64>(announced, INT_MAX)));
  GradProgress1->SetPosition(static_cast<int>(std::min<qint64>(received, INT_MAX)));
}

void TForm3::TakeAnswer(QNetworkReply* reply) {
  reply->deleteLater();
  if (reply != pending_) return;  // dropped for a later command
  pending_ = nullptr;
  try {
    if (reply->error() != QNetworkReply::NoError) throw std::runtime_error(reply->errorString().toStdString());
    CutScorePage(reply->readAll().toStdString(), memo1_, memo2_, mainWindow_.Addresses().Base(Service::Names));
    const std::string page = mainWindow_.Folder() + "temp.tmp";
    WriteScorePage(memo2_, page);
    browser_->ShowAnew(page);
  } catch (const std::exception&) {
    mainWindow_.UserDialogs().ShowMessage("网络暂时出错，请稍后再试！"_gbk);
  }
}

}  // namespace velmora
