// Picture buttons: every button of the game is a picture with a lit twin that shows while the
// mouse is over it. A group of buttons lights one at a time; moving about on the lit button loads
// nothing, moving onto another puts the lit one back first, and moving onto the face of the screen
// (the pictures around the buttons) puts it back. So does the pointer leaving the button any other
// way: onto another form, out of the window, or a popup or screen opening over it (and the button
// stays dark when that closes again, wherever the pointer then is).
//
// Where the number of the lit button is kept differs between screens (a member, a global the game
// reads elsewhere, the Tag of a picture), so the group is told where it lives.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"

namespace screens {

// One picture button: its picture component and its picture files, normal and lit. A button whose
// pictures depend on the game (a setting shown on or off) gives a function instead of two names.
struct PictureButton {
  PictureButton(platform::Image& image, std::string normal, std::string lit);
  PictureButton(platform::Image& image, std::function<std::string(bool lit)> picture);

  platform::Image* image;
  std::function<std::string(bool lit)> picture;
};

// Where a group keeps the number of its lit button (1..n, 0 none).
struct LitState {
  std::function<int()> get;
  std::function<void(int)> set;

  static LitState In(int& lit);
  static LitState In(std::uint8_t& lit);
  // In the Tag of a picture (the popups whose Continue stays lit between showings).
  static LitState InTag(platform::Image& image);
};

// Buttons 1..n of `form`, button k the picture named `names[k - 1]`, with the pictures
// `picture(k, lit)` gives.
std::vector<PictureButton> NumberedPictureButtons(const platform::Form& form,
                                                  std::span<const char* const> names,
                                                  std::string (*picture)(int k, bool lit));

class PictureButtons {
 public:
  // Button k is buttons[k - 1]. Without a LitState the group keeps the number itself.
  explicit PictureButtons(std::vector<PictureButton> buttons);
  PictureButtons(std::vector<PictureButton> buttons, LitState lit);
  ~PictureButtons();
  // The application watches the lit button on this group's behalf: the group stays where it is.
  PictureButtons(const PictureButtons&) = delete;
  PictureButtons& operator=(const PictureButtons&) = delete;

  // The mouse is over button k (its picture or its caption, the control under the pointer): it
  // lights, and goes back when the pointer is over neither any more.
  void Hover(int k);
  // The mouse is over the face: the lit button, if any, goes back to normal.
  void Restore();
  // Every button back to its normal picture, none lit.
  void RestoreAll();
  // Every button's picture loaded again from its state, the lit one lit (after a setting changed).
  void Reload();

  int Lit() const { return lit_.get(); }
  int Count() const { return static_cast<int>(buttons_.size()); }
  platform::Image& Image(int k) const { return *buttons_.at(static_cast<std::size_t>(k - 1)).image; }

 private:
  bool IsButton(int k) const { return k >= 1 && k <= Count(); }
  void Load(int k, bool lit);
  // Puts button k out once the pointer is over neither its picture nor the control it hovers now.
  void WatchPointer(int k);

  std::vector<PictureButton> buttons_;
  int own_ = 0;
  LitState lit_;
};

}  // namespace screens
