#pragma once
// A thin progress bar filled with a blue-to-red gradient, without text.

#include <QWidget>

#include "online/progress_position.h"

namespace velmora {

class GradientProgress : public QWidget {
 public:
  explicit GradientProgress(QWidget* parent = nullptr);
  void SetPosition(int position);
  void SetMaximum(int maximum);
  // One progress event of a browser.
  void Advance();
  int Position() const { return position_.Position(); }
  int Maximum() const { return position_.Maximum(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProgressPosition position_;
};

}  // namespace velmora
