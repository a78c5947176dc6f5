#pragma once
// Local files reach the browsers through the "velmora" URL scheme, which serves
// the program's pages with the type the program means: report pages (".htm1"),
// the data pages (".db") and the start page are HTML in GBK whatever their name.
// It serves only regular files inside the program's own folders (links
// resolved); any other address fails as not found. Every page it serves
// carries the local pages' security policy (platform/local_page_policy.h).

#include <QString>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

class QWebEngineProfile;

namespace velmora {

// Must run before the QApplication is created.
void RegisterLocalFileScheme();
// Serves the scheme for every page of the profile.
void InstallLocalFileScheme(QWebEngineProfile* profile);

// The folders whose files the scheme serves; until this is called, the
// program folder and the user's data folder.
void SetLocalFolders(std::vector<std::string> folders);

// Every data page (".db") passes this function on its way to a browser, so
// that addresses known only at run time can be filled in; GBK bytes in and out.
void SetDataPageFilter(std::function<std::string(std::string page)> filter);

// The address of a local file; web addresses stay as they are.
QUrl BrowserAddress(const QString& address);

}  // namespace velmora
