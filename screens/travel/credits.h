// The credits screen: who made the game, the notices and the version, a link that opens our
// website in the desktop's browser after asking, and Back. Opened modally from the start screen;
// it needs no close permission.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/form.h"

namespace screens {

class TForm24 : public platform::Form {
 public:
  TForm24();

  void Interface12Click();
  void Interface12MouseMove();
  void Image2MouseMove();
  void Interface9MouseDown();

  // 1 while Back shows its highlighted picture.
  std::uint8_t BackHover() const { return backHover_; }

  // How an address is opened; the desktop's browser unless a test puts in its own.
  static std::function<void(const std::string&)> OpenUrl;

 private:
  std::uint8_t backHover_ = 0;
};

extern TForm24* Form24;

}  // namespace screens
