#pragma once
// Menus painted flat, with a grey-to-white side bar captioned "Tessaly".

#include <QMenu>

namespace velmora {

class SideBarMenu : public QMenu {
 public:
  explicit SideBarMenu(const QString& title, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
