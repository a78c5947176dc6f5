#include "app/tform6.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

#include "app/gradient_progress.h"
#include "platform/qt/qt_browser.h"

namespace velmora {
namespace {

const QSize kWindowSize(640, 600);
constexpr int kTopPanelHeight = 40;
// Zoom level 2 of 0..4: the middle size.
constexpr int kTextSizeStep = 2;

}  // namespace

TForm6::TForm6(QWidget* mainWindow, std::string programFolder)
    : SecondaryWindow("TForm6", QString::fromUtf8("姻缘注定"), mainWindow), programFolder_(std::move(programFolder)) {
  setFixedSize(kWindowSize);
  GradProgress1 = new GradientProgress(this);
  GradProgress1->setObjectName("GradProgress1");
  GradProgress1->setGeometry(0, 0, kWindowSize.width(), 3);
  PDJButton1 = new QPushButton(QString::fromUtf8("如果你无法看到上面的图片，请点击这里，安装图片显示控件，再启动软件"), this);
  PDJButton1->setObjectName("PDJButton1");
  PDJButton1->setGeometry(4, 6, kWindowSize.width() - 8, kTopPanelHeight - 8);
  WebBrowser1View = new QWebEngineView(this);
  WebBrowser1View->setObjectName("WebBrowser1");
  WebBrowser1View->setGeometry(0, kTopPanelHeight, kWindowSize.width(), kWindowSize.height() - kTopPanelHeight);
  WebBrowser1 = new QtBrowser(WebBrowser1View);
  WebBrowser1->OnProgress([this] { GradProgress1->Advance(); });
  WebBrowser1->OnDocumentComplete([this](BrowserWindow window) { WebBrowser1DocumentComplete(window); });
  connect(PDJButton1, &QPushButton::clicked, this, &TForm6::PDJButton1Click);
}

void TForm6::WebBrowser1DocumentComplete(BrowserWindow) {
  GradProgress1->SetPosition(100);
  WebBrowser1->SetTextSizeStep(kTextSizeStep);
}

// What the launch gives is not looked at: a missing installer reports nothing.
void TForm6::PDJButton1Click() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(programFolder_ + "java.exe")));
}

}  // namespace velmora
