#include "platform/qt/local_file_scheme.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <stdexcept>

#include "platform/confined_file.h"
#include "platform/local_page_policy.h"
#include "platform/program_folder.h"
#include "platform/working_folder.h"

namespace velmora {
namespace {

const QByteArray kScheme = "velmora";

std::function<std::string(std::string)>& DataPageFilter() {
  static std::function<std::string(std::string)> filter;
  return filter;
}

std::vector<std::string> DefaultLocalFolders() {
  std::vector<std::string> folders = {ProgramFolder()};
  try {
    folders.push_back(UserDataFolder());
  } catch (const std::runtime_error&) {
    // No home folder: there is no user's data folder to serve either.
  }
  return folders;
}

std::vector<std::string>& LocalFolders() {
  static std::vector<std::string> folders = DefaultLocalFolders();
  return folders;
}

class LocalFileHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QString path = job->requestUrl().path();
    const std::optional<std::string> file = ReadFileWithin(path.toStdString(), LocalFolders());
    if (!file) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    std::string content = *file;
    if (DataPageFilter() && QFileInfo(path).suffix().toLower() == "db") content = DataPageFilter()(std::move(content));
    const QByteArray type = ContentType(path);
    if (type.startsWith("text/html")) content = WithLocalPagePolicy(content);
    auto* body = new QBuffer(job);
    body->setData(QByteArray::fromStdString(content));
    job->reply(type, body);
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

void SetLocalFolders(std::vector<std::string> folders) { LocalFolders() = std::move(folders); }

void SetDataPageFilter(std::function<std::string(std::string)> filter) { DataPageFilter() = std::move(filter); }

QUrl BrowserAddress(const QString& address) {
  if (address.contains("://")) return QUrl(address);
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setPath(QFileInfo(address).absoluteFilePath());
  return url;
}

}  // namespace velmora
