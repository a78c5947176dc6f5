#pragma once
// Local files reach the browsers through the "velmora" URL scheme, which serves
// the program's pages with the type the program means: report pages (".htm1"),
// the data pages (".db") and the start page are HTML in GBK whatever their name.

#include <QString>
#include <QUrl>

#include <functional>
#include <string>

class QWebEngineProfile;

namespace velmora {

// Must run before the QApplication is created.
void RegisterLocalFileScheme();
// Serves the scheme for every page of the profile.
void InstallLocalFileScheme(QWebEngineProfile* profile);

// Every data page (".db") passes this function on its way to a browser, so
// that addresses known only at run time can be filled in; GBK bytes in and out.
void SetDataPageFilter(std::function<std::string(std::string page)> filter);

// The address of a local file; web addresses stay as they are.
QUrl BrowserAddress(const QString& address);

}  // namespace velmora
