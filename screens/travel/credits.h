// The credits screen: who made the game, the notices and the version, a link that opens our
// website in the desktop's browser after asking, and Back. Opened modally from the start screen;
// it needs no close permission.
#pragma once

#include <functional>
#include <string>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

class CreditsScreen : public platform::Form {
 public:
  CreditsScreen();

  void OnBackClick();
  void OnWebSiteMouseDown();

  // 1 while Back shows its lit picture.
  int BackHover() const { return back_.Lit(); }

  // How an address is opened; the desktop's browser unless a test puts in its own.
  static std::function<void(const std::string&)> OpenUrl;

 private:
  PictureButtons back_;
};

}  // namespace screens
