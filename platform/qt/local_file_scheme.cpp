#include "platform/qt/local_file_scheme.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace velmora {
namespace {

const QByteArray kScheme = "velmora";

std::function<std::string(std::string)>& DataPageFilter() {
  static std::function<std::string(std::string)> filter;
  return filter;
}

class LocalFileHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QString path = job->requestUrl().path();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    QByteArray content = file.readAll();
    if (DataPageFilter() && QFileInfo(path).suffix().toLower() == "db") {
      content = QByteArray::fromStdString(DataPageFilter()(content.toStdString()));
    }
    auto* body = new QBuffer(job);
    body->setData(content);
    job->reply(ContentType(path), body);
  }

 private:
  static QByteArray ContentType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList kHtml = {"htm1", "htm", "html", "db", "tmp"};
    if (kHtml.contains(suffix)) return "text/html;charset=GBK";
    if (suffix == "js") return "text/javascript;charset=GBK";
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
  }
};

}  // namespace

void RegisterLocalFileScheme() {
  QWebEngineUrlScheme scheme(kScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed |
                  QWebEngineUrlScheme::SecureScheme);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void InstallLocalFileScheme(QWebEngineProfile* profile) {
  if (profile->urlSchemeHandler(kScheme)) return;
  profile->installUrlSchemeHandler(kScheme, new LocalFileHandler(profile));
}

void SetDataPageFilter(std::function<std::string(std::string)> filter) { DataPageFilter() = std::move(filter); }

QUrl BrowserAddress(const QString& address) {
  if (address.contains("://")) return QUrl(address);
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setPath(QFileInfo(address).absoluteFilePath());
  return url;
}

}  // namespace velmora
