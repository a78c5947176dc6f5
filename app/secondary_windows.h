#pragma once
// The secondary windows: each is made hidden when it is first used (a
// window with its browser, form page and tables made at start-up would hold
// back the first paint of the main window) and shown non-modally, centred on
// the main window, by its commands.

#include <QWidget>
#include <functional>
#include <memory>

namespace velmora {

class SecondaryWindow : public QWidget {
 public:
  SecondaryWindow(const QString& objectName, const QString& caption, QWidget* mainWindow);
  // Shows the window centred on the main window.
  void ShowCentred();

 private:
  QWidget* mainWindow_;
};

// A window made the first time it is asked for; copies share the one window.
// A handle made without a way to make it gives no window (null).
template <typename Window>
class WindowOnFirstUse {
 public:
  WindowOnFirstUse() = default;
  explicit WindowOnFirstUse(std::function<Window*()> make) : made_(std::make_shared<Made>(std::move(make))) {}

  Window* Get() const {
    if (made_ && !made_->window) made_->window = made_->make();
    return made_ ? made_->window : nullptr;
  }
  bool IsMade() const { return made_ && made_->window; }
  Window* operator->() const { return Get(); }
  Window& operator*() const { return *Get(); }
  operator Window*() const { return Get(); }

 private:
  struct Made {
    explicit Made(std::function<Window*()> m) : make(std::move(m)) {}
    std::function<Window*()> make;
    Window* window = nullptr;  // owned by the main window, its parent
  };
  std::shared_ptr<Made> made_;
};

class TForm1;
class TForm3;
class TForm6;
class TForm7;
class TForm9;
class TForm11;
class TForm12;
class TForm13;
class TForm14;

struct SecondaryWindows {
  WindowOnFirstUse<velmora::TForm6> TForm6;
  WindowOnFirstUse<velmora::TForm7> TForm7;
  WindowOnFirstUse<velmora::TForm9> TForm9;
  WindowOnFirstUse<velmora::TForm11> TForm11;
  WindowOnFirstUse<velmora::TForm12> TForm12;
  WindowOnFirstUse<velmora::TForm13> TForm13;
  WindowOnFirstUse<velmora::TForm14> TForm14;
  WindowOnFirstUse<velmora::TForm3> TForm3;
};

// 姻缘注定, 生男生女, Velmora, 公司起名, 本周星座运程, 生日密码, 在线姓名测试,
// 在线姓名评分: none is made yet.
SecondaryWindows CreateSecondaryWindows(TForm1* mainWindow);

}  // namespace velmora
