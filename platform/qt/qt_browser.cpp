#include "platform/qt/qt_browser.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "platform/qt/gbk_qstring.h"
#include "platform/qt/local_file_scheme.h"

namespace velmora {
namespace {

constexpr int kScriptTimeoutMs = 5000;
constexpr int kLateAnswerMs = 300;
constexpr int kDeliverPostedMs = 2;
constexpr int kScriptingAttempts = 100;
constexpr int kScriptingAttemptMs = 20;

// The engine ends lines with LF; the program's texts end them with CR LF.
std::string WithCrLf(QString text) {
  text.replace("\r\n", "\n").replace('\n', "\r\n");
  return ToGbk(text);
}

// A JavaScript string literal holding the text, whatever it contains.
QString ScriptString(const std::string& gbk) {
  const QByteArray json = QJsonDocument(QJsonArray{QJsonValue(FromGbk(gbk))}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(json.mid(1, json.size() - 2));
}

const QString kFrameCompleteMessage = QStringLiteral("velmora:frame-complete");

// WebEngine tells only of the top-level document's load; a frame reports its
// own through the console, from a script the page cannot see or change.
class FramePage : public QWebEnginePage {
 public:
  explicit FramePage(QObject* parent) : QWebEnginePage(parent) {
    QWebEngineScript script;
    script.setName("velmora-frame-complete");
    script.setSourceCode(QString("if (window !== window.top) console.info('%1');").arg(kFrameCompleteMessage));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);
  }
  std::function<void()> frameComplete;

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) override {
    if (message == kFrameCompleteMessage && frameComplete) frameComplete();
  }
};

// A page of the browser's own kind, installed in the view when it has one.
FramePage* NewPage(QObject* parent, QWebEngineView* view) {
  auto* page = new FramePage(parent);
  if (view) view->setPage(page);
  return page;
}

}  // namespace

QtBrowser::QtBrowser(QWebEngineView* view) : QObject(view), page_(NewPage(view, view)) { Connect(); }

QtBrowser::QtBrowser(QObject* parent) : QObject(parent), page_(NewPage(this, nullptr)) { Connect(); }

void QtBrowser::Connect() {
  InstallLocalFileScheme(page_->profile());
  // The program's own pages send forms to the answering services and show
  // their pictures, which a local page may do only with this setting; the
  // policy every local page carries keeps the services' code out of them.
  // Local pages read no file: URL.
  page_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  page_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  static_cast<FramePage*>(page_)->frameComplete = [this] {
    if (documentComplete_) documentComplete_(kFrameWindow);
  };
  connect(page_, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
    loading_ = false;
    if (waitingAddress_) {
      // The page that just ended is already old: load the newer one, whose
      // completion is the one to report.
      Navigate(*std::exchange(waitingAddress_, std::nullopt));
      return;
    }
    if (!documentComplete_) return;
    WaitForScripting();
    documentComplete_(kTopLevelWindow);
  });
  connect(page_, &QWebEnginePage::loadProgress, this, [this](int) {
    if (progress_) progress_();
  });
}

void QtBrowser::Navigate(const std::string& address) {
  // Under way from now on, not only once the engine reports the start.
  loading_ = true;
  loadingAddress_ = address;
  page_->load(BrowserAddress(QString::fromStdString(address)));
}

void QtBrowser::ShowAnew(const std::string& address) {
  if (loading_ && address == loadingAddress_) {
    waitingAddress_ = address;
    return;
  }
  page_->triggerAction(QWebEnginePage::Stop);
  Navigate(address);
}

void QtBrowser::OnDocumentComplete(std::function<void(BrowserWindow)> handler) {
  documentComplete_ = std::move(handler);
}

void QtBrowser::OnProgress(std::function<void()> handler) { progress_ = std::move(handler); }

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
    // A script sent while the page was still loading is answered just after
    // the load ends; one sent into a document being replaced never is.
    connect(page_, &QWebEnginePage::loadFinished, &loop,
            [&loop] { QTimer::singleShot(kLateAnswerMs, &loop, &QEventLoop::quit); });
    QTimer::singleShot(kScriptTimeoutMs, &loop, &QEventLoop::quit);
    // A loop started while a posted event is being handled leaves the events
    // posted since (the answer among them) waiting: deliver them now and then.
    QTimer deliver;
    connect(&deliver, &QTimer::timeout, &loop, [] { QCoreApplication::sendPostedEvents(); });
    deliver.start(kDeliverPostedMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  pending->loop = nullptr;
  return pending->result;
}

void QtBrowser::WaitForScripting() {
  // Right after a navigation that changed the page's process, the first
  // scripts can go to the frame that is being torn down and never come back;
  // a harmless script is sent until one is answered.
  const QUrl url = page_->url();
  for (int attempt = 0; attempt < kScriptingAttempts && page_->url() == url; ++attempt) {
    auto answered = std::make_shared<bool>(false);
    page_->runJavaScript("0", [answered](const QVariant&) { *answered = true; });
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&loop, answered] {
      QCoreApplication::sendPostedEvents();
      if (*answered) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(kScriptingAttemptMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (*answered) return;
  }
}

std::string QtBrowser::Title() { return ToGbk(page_->title()); }

std::string QtBrowser::BodyText() { return WithCrLf(RunScript("document.body ? document.body.innerText : ''").toString()); }

std::string QtBrowser::BodyHtml() { return WithCrLf(RunScript("document.body ? document.body.outerHTML : ''").toString()); }

std::string QtBrowser::DocumentHtml() {
  return ToGbk(RunScript("document.documentElement ? document.documentElement.outerHTML : ''").toString());
}

std::vector<BrowserElement> QtBrowser::Elements() { return ElementsOf("document.all"); }

std::vector<BrowserElement> QtBrowser::FormControls(int form) {
  return ElementsOf(QString("(f => f ? f.elements : [])(document.forms[%1])").arg(form));
}

std::vector<BrowserElement> QtBrowser::ElementsOf(const QString& collection) {
  // Attributes are read with getAttribute where a control could shadow a
  // property of its form (a control named "name", say).
  const QVariantList rows =
      RunScript(QString("Array.from(%1).map(e => [e.tagName || '', typeof e.type === 'string' ? e.type : '', "
                        "e.getAttribute('name') || '', "
                        "e.value === undefined || e.value === null ? '' : String(e.value)])")
                    .arg(collection))
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
  // One pass of arg(): a value holding "%1" must not be read as a placeholder.
  RunScript(QString("(e => { if (e) e.value = %1; })(document.all[%2])").arg(ScriptString(value), QString::number(index)));
}

void QtBrowser::SetElementChecked(int index, bool checked) {
  RunScript(QString("(e => { if (e) e.checked = %1; })(document.all[%2])").arg(checked ? "true" : "false").arg(index));
}

void QtBrowser::ClickElement(int index) {
  RunScript(QString("(e => { if (e instanceof HTMLElement) HTMLElement.prototype.click.call(e); })(document.all[%1])")
                .arg(index));
}

int QtBrowser::FormCount() { return RunScript("document.forms.length").toInt(); }

bool QtBrowser::SetFormControlValue(int form, int control, const std::string& value) {
  return RunScript(QString("(c => { if (!c || !('value' in c)) return false;"
                           " try { c.value = %1; return true; } catch (e) { return false; } })"
                           "((f => f && f.elements[%2])(document.forms[%3]))")
                       .arg(ScriptString(value), QString::number(control), QString::number(form)))
      .toBool();
}

void QtBrowser::SubmitForm(int form) {
  // A control named "submit" hides the form's own method; the prototype's is used.
  RunScript(QString("(f => { if (f) HTMLFormElement.prototype.submit.call(f); })(document.forms[%1])").arg(form));
}

void QtBrowser::HideHorizontalOverflow() { RunScript("if (document.body) document.body.style.overflowX = 'hidden'"); }

void QtBrowser::SetTextSizeStep(int step) {
  static constexpr double kFactors[5] = {0.8, 0.9, 1.0, 1.15, 1.3};
  page_->setZoomFactor(kFactors[std::clamp(step, 0, 4)]);
}

}  // namespace velmora
