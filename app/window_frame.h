#pragma once
// The frame the browser-driven secondary windows share: a fixed size, the
// paper-coloured background, and the thin progress bar along the top edge.

#include <QSize>

class QWidget;

namespace velmora {

class GradientProgress;

// Frames the window (its object name must be set) and returns its progress bar, "GradProgress1".
GradientProgress* FrameWithProgressBar(QWidget* window, const QSize& size);

}  // namespace velmora
