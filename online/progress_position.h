#pragma once
// The position of the thin progress bar of every browser-driven window, and
// the convention the readings share: a request starts it at 0, every progress
// event of the browser adds 5, the completion sets it to 100.

namespace velmora {

class ProgressPosition {
 public:
  static constexpr int kStep = 5;

  explicit ProgressPosition(int maximum = 100) : maximum_(maximum) {}

  // A negative position is ignored; one above the maximum is stored as the maximum.
  void Set(int position);
  // A maximum below 1 is stored as 1; the position stays within it.
  void SetMaximum(int maximum);
  void Advance() { Set(position_ + kStep); }
  int Position() const { return position_; }
  int Maximum() const { return maximum_; }

 private:
  int position_ = 0;
  int maximum_;
};

}  // namespace velmora
