#include "app/secondary_windows.h"

#include "app/tform1.h"
#include "app/tform11.h"
#include "app/tform12.h"
#include "app/tform13.h"
#include "app/tform6.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "app/tform7.h"
#include "app/tform9.h"

namespace velmora {

SecondaryWindow::SecondaryWindow(const QString& objectName, const QString& caption, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow) {
  setObjectName(objectName);
  setWindowTitle(caption);
  resize(600, 440);
  hide();
}

void SecondaryWindow::ShowCentred() {
  move(mainWindow_->geometry().center() - rect().center());
  show();
  raise();
  activateWindow();
}

SecondaryWindows CreateSecondaryWindows(TForm1* mainWindow) {
  SecondaryWindows windows{};
  windows.TForm6 = WindowOnFirstUse<TForm6>([mainWindow] { return new TForm6(mainWindow, mainWindow->Folder()); });
  windows.TForm7 = WindowOnFirstUse<TForm7>([mainWindow] { return new TForm7(mainWindow); });
  windows.TForm9 = WindowOnFirstUse<TForm9>([mainWindow] { return new TForm9(*mainWindow); });
  windows.TForm11 = WindowOnFirstUse<TForm11>([mainWindow] { return new TForm11(*mainWindow); });
  windows.TForm12 = WindowOnFirstUse<TForm12>([mainWindow] { return new TForm12(*mainWindow); });
  windows.TForm13 = WindowOnFirstUse<TForm13>([mainWindow] { return new TForm13(*mainWindow); });
  windows.TForm14 = WindowOnFirstUse<TForm14>([mainWindow] { return new TForm14(*mainWindow); });
  windows.TForm3 = WindowOnFirstUse<TForm3>([mainWindow] { return new TForm3(*mainWindow); });
  return windows;
}

}  // namespace velmora
