// The eight message popups every part of the game shows its messages, refusals, notices and
// questions in. A caller writes the texts (and the picture, where the popup has one) straight into
// the popup's labels, shows it modally and, for the two question popups, reads the answer from
// DialogResult or Message2Result afterwards (1 = the first button; the 0 the caller set, or 2,
// = no). Each popup closes only by its own buttons.
//
//   FMessage1  picture popup              Topic, LabelText, Image1        Continue
//   FMessage2  picture question           Topic, LabelText, Image1        Label1 / Label2 ("Yes" / "No")
//   FMessage3  small text popup           Topic, LabelText (+ AP block)   Continue
//   FMessage4  small yes/no question      Topic, LabelText                "Yes" / "No"
//   FMessage5  hostile encounter          Topic, Label1, Image1, LabelText Continue
//   FMessage6  experience and fame        Image1, LabelText               Continue
//   FMessage7  credits received           Image1, LabelText               Continue
//   FMessage8  large picture popup        Interface3, Topic, Topic2, LabelText (+ score lines)
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "screens/travel/guarded_close.h"

namespace screens {

// The answers of the two question popups.
extern std::int32_t DialogResult;    // FMessage4: 1 = "Yes", 2 = "No"
extern std::int32_t Message2Result;  // FMessage2: 1 = the left button, 2 = the right one

// A picture button: its picture component and its normal and highlighted files.
struct PictureButton {
  const char* image;
  const char* normal;
  const char* highlighted;
};

// What the eight popups share: close permission, and the mouse-over pictures of their buttons.
class MessagePopup : public platform::Form {
 public:
  // Which button shows its highlighted picture: 0 none, 1 the first, 2 the second.
  virtual int HoverState() const { return hover_; }
  const GuardedClose& Guard() const { return guard_; }

 protected:
  MessagePopup(std::string name, std::uint8_t& mayClose, std::vector<PictureButton> buttons);
  // The labels and pictures the callers fill: a layout that lacks one fails when the popup is
  // made (at start-up and in the data check), not when a message first needs it.
  void Requires(std::initializer_list<const char*> labels,
                std::initializer_list<const char*> images) const;

  // The mouse is over button k (its picture or its label): the picture changes only when another
  // button (or none) was lit, so moving about on one button loads nothing.
  void HoverButton(int k);
  // The mouse is over the face of the popup: a lit button goes back to normal.
  void RestoreHover();
  // Every button back to its normal picture, nothing lit (the question popups' answers).
  void RestoreAllButtons();
  // The popup's own closing button.
  void CloseByButton() { guard_.CloseByButton(); }
  virtual void SetHoverState(int k) { hover_ = k; }
  void LoadButton(int k, bool lit);

  GuardedClose guard_;

 private:
  std::vector<PictureButton> buttons_;
  int hover_ = 0;
};

// The picture popup.
class TFMessage1 : public MessagePopup {
 public:
  TFMessage1();
  void Interface6Click();
};

// The picture question popup; a caller may change the captions of Label1 and Label2 and puts
// "Yes" and "No" back afterwards.
class TFMessage2 : public MessagePopup {
 public:
  TFMessage2();
  void Answer(int answer);  // Interface6Click (1), Interface7Click (2)
};

// The small text popup, with the action-point block the ability screen fills.
class TFMessage3 : public MessagePopup {
 public:
  TFMessage3();
  void Interface2Click();
  void ShowApBlock(bool show);
};

// The small yes/no question popup.
class TFMessage4 : public MessagePopup {
 public:
  TFMessage4();
  void Answer(int answer);  // Interface2Click (1 = "Yes"), Interface3Click (2 = "No")
};

// The popups whose Continue picture keeps its look when clicked: a Continue that was lit stays
// lit at the next showing until the mouse passes over the face. The encounter, experience and
// credits popups keep the hover state in the Tag of the Continue picture, the news popup in the
// popup itself like the first four.
class ContinuePopup : public MessagePopup {
 public:
  int HoverState() const override;

 protected:
  ContinuePopup(std::string name, std::uint8_t& mayClose, PictureButton continueButton,
                bool stateInTag = true);
  void SetHoverState(int k) override;
  std::string continueImage_;

 private:
  bool stateInTag_;
};

// The hostile-encounter popup.
class TFMessage5 : public ContinuePopup {
 public:
  TFMessage5();
};

// The experience and fame popup.
class TFMessage6 : public ContinuePopup {
 public:
  TFMessage6();
};

// The credits-received popup.
class TFMessage7 : public ContinuePopup {
 public:
  TFMessage7();
};

// The large picture popup for news and notices, with optional score lines.
class TFMessage8 : public ContinuePopup {
 public:
  TFMessage8();
  void ShowScoreLines(bool show);
};

// The button a player presses to give `answer` to the innermost popup that is open: "yes" or "no"
// (the left or the right button of the two question popups, whatever their captions), or
// "continue" (the other six). Gives "FMessage4.Interface2" and the like; throws
// std::runtime_error naming the open form when no popup is open or it offers no such answer.
std::string PopupAnswerButton(std::string_view answer);

// The one instance of each, created at start-up.
extern TFMessage1* FMessage1;
extern TFMessage2* FMessage2;
extern TFMessage3* FMessage3;
extern TFMessage4* FMessage4;
extern TFMessage5* FMessage5;
extern TFMessage6* FMessage6;
extern TFMessage7* FMessage7;
extern TFMessage8* FMessage8;

}  // namespace screens
