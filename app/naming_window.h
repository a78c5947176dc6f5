#pragma once
// What the two naming windows share: the thin progress bar along the top, a
// strip for the inputs, the result label in a scrolling client panel, the
// note along the bottom, and the worker browser the user does not see with
// its two line buffers.

#include <string>

#include "app/secondary_windows.h"
#include "online/line_buffer.h"

class QLabel;
class QLineEdit;

namespace velmora {

class GradientProgress;
class QtBrowser;
class TForm1;

class NamingWindow : public SecondaryWindow {
 public:
  QLabel* Label1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;
  QtBrowser* WebBrowser1 = nullptr;
  LineBuffer Memo1;  // the answer's text
  LineBuffer Memo2;  // what the label shows of it

 protected:
  NamingWindow(const char* objectName, const char* caption, const char* note, TForm1& mainWindow);

  // The strip at the top where each window puts its inputs.
  QWidget* InputStrip() const { return inputStrip_; }
  // A caption and an edit box after it, at the left of the strip.
  QLineEdit* CaptionedEdit(const char* caption, const char* text, int left, int editWidth);
  // The label's text (GBK, CR or CR LF line breaks).
  void ShowResult(const std::string& text);
  // What the application's top-level error handler does: the message box.
  void ShowError(const std::exception& error);
  // The naming service's base address, once the bundled service has started.
  std::string NamingBase();

  TForm1& mainWindow_;

 private:
  QWidget* inputStrip_ = nullptr;
};

}  // namespace velmora
