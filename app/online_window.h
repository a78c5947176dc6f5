#pragma once
// The parts every online window is built of: the thin progress bar, the
// browser nobody sees that loads the service's page, and the read-only result
// text that shows what was cut from it.

#include <QRect>
#include <functional>

#include "online/line_buffer.h"
#include "platform/browser.h"

class QPlainTextEdit;
class QWidget;

namespace velmora {

class GradientProgress;
class QtBrowser;

// "GradProgress1", maximum 100, at the geometry.
GradientProgress* ProgressBar(QWidget* window, const QRect& geometry);

// A browser without a view, owned by the window, that advances the bar at
// each progress event and hands every completion to the handler.
QtBrowser* WorkerBrowser(QWidget* window, const char* name, GradientProgress* bar,
                         std::function<void(BrowserWindow)> complete);

// A read-only text with its vertical scroll bar always shown.
QPlainTextEdit* ResultText(QWidget* window, const char* name, const QRect& geometry);

// Replaces the box's text by the buffer's lines (GBK) and puts the caret at
// the start, scrolled into view.
void ShowFromTop(QPlainTextEdit* box, const LineBuffer& lines);

}  // namespace velmora
