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
  windows.TForm6 = new TForm6(mainWindow, mainWindow->Folder());
  windows.TForm7 = new TForm7(mainWindow);
  windows.TForm9 = new TForm9(*mainWindow);
  windows.TForm11 = new TForm11(*mainWindow);
  windows.TForm12 = new TForm12(*mainWindow);
  windows.TForm13 = new TForm13(*mainWindow);
  windows.TForm14 = new TForm14(*mainWindow);
  windows.TForm3 = new TForm3(*mainWindow);
  return windows;
}

}  // namespace velmora
