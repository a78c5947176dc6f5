#pragma once
// A thin progress bar filled with a blue-to-red gradient, without text.

#include <QWidget>

namespace velmora {

class GradientProgress : public QWidget {
 public:
  explicit GradientProgress(QWidget* parent = nullptr);
  void SetPosition(int position);  // 0..100
  int Position() const { return position_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int position_ = 0;
};

}  // namespace velmora
