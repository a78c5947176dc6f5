#include "platform/qt/qt_browser.h"

#include <algorithm>
#include <memory>

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "platform/qt/gbk_qstring.h"
#include "platform/qt/local_file_scheme.h"

namespace velmora {
namespace {

constexpr int kScriptTimeoutMs = 5000;

// A JavaScript string literal holding the text, whatever it contains.
QString ScriptString(const std::string& gbk) {
  const QByteArray json = QJsonDocument(QJsonArray{QJsonValue(FromGbk(gbk))}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(json.mid(1, json.size() - 2));
}

}  // namespace

QtBrowser::QtBrowser(QWebEngineView* view) : QObject(view), page_(view->page()) { Connect(); }

QtBrowser::QtBrowser(QObject* parent) : QObject(parent), page_(new QWebEnginePage(this)) { Connect(); }

void QtBrowser::Connect() {
  InstallLocalFileScheme(page_->profile());
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
    // WebEngine reports the top-level document only; frames load within it.
    if (documentComplete_) documentComplete_(true);
  });
  connect(page_, &QWebEnginePage::loadProgress, this, [this](int percent) {
    if (progress_) progress_(percent);
  });
}

void QtBrowser::Navigate(const std::string& address) { page_->load(BrowserAddress(QString::fromStdString(address))); }

void QtBrowser::OnDocumentComplete(std::function<void(bool)> handler) { documentComplete_ = std::move(handler); }

void QtBrowser::OnProgress(std::function<void(int)> handler) { progress_ = std::move(handler); }

QVariant QtBrowser::RunScript(const QString& script) {
  // The answer may come after a time-out, or after this call returned: the
  // callback then only writes into state it shares.
  struct Pending {
    QVariant result;
    bool answered = false;
    QEventLoop* loop = nullptr;
  };
  auto pending = std::make_shared<Pending>();
  QEventLoop loop;
  pending->loop = &loop;
  page_->runJavaScript(script, [pending](const QVariant& value) {
    pending->result = value;
    pending->answered = true;
    if (pending->loop) pending->loop->quit();
  });
  if (!pending->answered) {
    // A script sent while a document is being replaced gets no answer.
    connect(page_, &QWebEnginePage::loadStarted, &loop, &QEventLoop::quit);
    connect(page_, &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kScriptTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  pending->loop = nullptr;
  return pending->result;
}

std::string QtBrowser::Title() { return ToGbk(page_->title()); }

std::string QtBrowser::BodyText() {
  QString text = RunScript("document.body ? document.body.innerText : ''").toString();
  text.replace("\r\n", "\n").replace('\n', "\r\n");
  return ToGbk(text);
}

std::string QtBrowser::BodyHtml() { return ToGbk(RunScript("document.body ? document.body.innerHTML : ''").toString()); }

std::string QtBrowser::DocumentHtml() {
  return ToGbk(RunScript("document.documentElement ? document.documentElement.outerHTML : ''").toString());
}

std::vector<BrowserElement> QtBrowser::Elements() {
  const QVariantList rows =
      RunScript("Array.from(document.all).map(e => [e.tagName || '', e.type || '', e.name || '', "
                "e.value === undefined || e.value === null ? '' : String(e.value)])")
          .toList();
  std::vector<BrowserElement> elements;
  for (const QVariant& row : rows) {
    const QVariantList fields = row.toList();
    if (fields.size() != 4) continue;
    elements.push_back({ToGbk(fields[0].toString().toUpper()), ToGbk(fields[1].toString()),
                        ToGbk(fields[2].toString()), ToGbk(fields[3].toString())});
  }
  return elements;
}

void QtBrowser::SetElementValue(int index, const std::string& value) {
  RunScript(QString("(e => { if (e) e.value = %1; })(document.all[%2])").arg(ScriptString(value)).arg(index));
}

void QtBrowser::SetElementChecked(int index, bool checked) {
  RunScript(QString("(e => { if (e) e.checked = %1; })(document.all[%2])").arg(checked ? "true" : "false").arg(index));
}

void QtBrowser::ClickElement(int index) {
  RunScript(QString("(e => { if (e && e.click) e.click(); })(document.all[%1])").arg(index));
}

int QtBrowser::FormCount() { return RunScript("document.forms.length").toInt(); }

void QtBrowser::SubmitForm(int index) {
  RunScript(QString("(f => { if (f) f.submit(); })(document.forms[%1])").arg(index));
}

void QtBrowser::HideHorizontalOverflow() { RunScript("if (document.body) document.body.style.overflowX = 'hidden'"); }

void QtBrowser::SetTextSizeStep(int step) {
  static constexpr double kFactors[5] = {0.8, 0.9, 1.0, 1.15, 1.3};
  page_->setZoomFactor(kFactors[std::clamp(step, 0, 4)]);
}

}  // namespace velmora
