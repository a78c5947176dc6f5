#pragma once
// A short message that slides in at a fixed screen position, stays a while and
// hides on a click.

#include <QLabel>
#include <QTimer>

class QPropertyAnimation;

namespace velmora {

class PopupNotifier : public QLabel {
 public:
  explicit PopupNotifier(QWidget* parent = nullptr);
  void ShowMessage(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer stay_;
  QPropertyAnimation* slide_;
};

}  // namespace velmora
