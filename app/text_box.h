#pragma once
// What the result text boxes of the online windows show: the lines of a
// buffer, from the first one.

#include "online/line_buffer.h"

class QPlainTextEdit;

namespace velmora {

// Replaces the box's text by the buffer's lines (GBK) and puts the caret at
// the start, scrolled into view.
void ShowFromTop(QPlainTextEdit* box, const LineBuffer& lines);

}  // namespace velmora
