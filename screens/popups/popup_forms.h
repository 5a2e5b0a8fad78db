// The eight message popups every part of the game shows its messages, refusals, notices and
// questions in. Screens never fill them by hand: they call the functions of screens/popups/popups.h,
// which alone write the popups' labels and pictures and read their answers.
//
//   PicturePopup    topic, picture, text                        Continue
//   ChoicePopup     topic, picture, question                    two answers ("Yes" / "No" unless
//                                                               the caller names them)
//   TextPopup       topic, text (+ the action-point block)      Continue
//   YesNoPopup      topic, question                             "Yes" / "No"
//   EncounterPopup  topic, opponent, scene picture, alert text  Continue
//   FamePopup       faction logo, text                          Continue
//   RewardPopup     treasurer picture, text                     Continue
//   NoticePopup     picture, topic, headline, text (+ score)    Continue
//   QuitGamePopup   the yes/no popup's face for "Quit game?"    "Yes" / "No"
//                   when the desktop asks to close during a game
//
// Each popup closes only by its own buttons (a hidden Continue included).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The answers of the two question popups: 1 = the first button ("Yes"), 2 = the second ("No");
// the 0 the asker set stays when the popup was left another way.
extern std::int32_t YesNoAnswer;   // YesNoPopup
extern std::int32_t ChoiceAnswer;  // ChoicePopup
extern std::int32_t QuitGameAnswer;  // QuitGamePopup

// What the eight popups share: close permission, and the mouse-over pictures of their buttons.
class MessagePopup : public platform::Form {
 public:
  // Which button shows its lit picture: 0 none, 1 the first, 2 the second.
  int HoverState() const { return buttons_.Lit(); }
  const GuardedClose& Guard() const { return guard_; }

  platform::Label& Text() const { return *text_; }

  // Sizes the popup to its text: the text area shrinks to what the text takes (at least
  // kMinTextHeight) or grows to fit it, and everything under it moves with its bottom edge.
  // Each showing starts from the layout's sizes.
  void FitToText();
  static constexpr int kMinTextHeight = 48;

  // A button's picture component and its picture files.
  struct ButtonPictures {
    const char* image;
    const char* normal;
    const char* lit;
  };

 protected:
  // `litInContinueTag`: the popup keeps its lit state in the Tag of its Continue picture.
  MessagePopup(std::string name, std::uint8_t& mayClose, std::vector<ButtonPictures> buttons,
               bool litInContinueTag = false);

  // The hidden Continue, and the Continue of the popups that keep its look: closes the popup.
  void OnCloseClick();
  void OnFaceHover() { buttons_.Restore(); }
  void OnContinueHover() { buttons_.Hover(1); }  // the one button, or the first of two
  void OnNoHover() { buttons_.Hover(2); }
  void CloseByButton() { guard_.CloseByButton(); }

  GuardedClose guard_;
  PictureButtons buttons_;
  int lit_ = 0;

 private:
  platform::Label* text_;
  // The layout's places of the form and its own components, for FitToText.
  struct Placed {
    platform::Control* control;
    platform::Rect bounds;
  };
  std::vector<Placed> designed_;
  platform::Rect designedForm_;
};

// The popups with a topic line.
class TopicPopup : public MessagePopup {
 public:
  platform::Label& Topic() const { return *topic_; }

 protected:
  using MessagePopup::MessagePopup;
  platform::Label* topic_ = &Get<platform::Label>("Topic");
};

class PicturePopup : public TopicPopup {
 public:
  PicturePopup();
  void OnContinueClick();
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Shape& Frame = Get<platform::Shape>("PictureFrame");
};

// The two question popups: "Yes" (1) or "No" (2) into their answer variable.
class QuestionPopup : public TopicPopup {
 public:
  void Answer(int answer);

 protected:
  QuestionPopup(std::string name, std::uint8_t& mayClose, std::vector<ButtonPictures> buttons,
                std::int32_t& answer);

 private:
  std::int32_t& answer_;
};

// The picture question; a caller may caption the two answers for one question.
class ChoicePopup : public QuestionPopup {
 public:
  ChoicePopup();
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Label& YesLabel = Get<platform::Label>("YesLabel");
  platform::Label& NoLabel = Get<platform::Label>("NoLabel");
};

// The small text popup, with the action-point block the ability screen fills.
class TextPopup : public TopicPopup {
 public:
  TextPopup();
  void OnContinueClick();
  void ShowActionPointBlock(bool show);
  platform::Label& ActionPoints = Get<platform::Label>("ActionPoints");

 private:
  std::vector<platform::Label*> actionPointBlock_;
};

class YesNoPopup : public QuestionPopup {
 public:
  YesNoPopup();
};

// "Quit game?" asked for the desktop's close request: the yes/no popup's face in a form of its own,
// which may open over the yes/no popup itself.
class QuitGamePopup : public QuestionPopup {
 public:
  QuitGamePopup();
};

// The popups whose Continue keeps its look when clicked: a Continue that was lit stays lit at the
// next showing until the mouse passes over the face.
class EncounterPopup : public TopicPopup {
 public:
  EncounterPopup();
  platform::Label& Opponent = Get<platform::Label>("Opponent");
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Shape& Frame = Get<platform::Shape>("PictureFrame");
};

class FamePopup : public MessagePopup {
 public:
  FamePopup();
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Shape& Frame = Get<platform::Shape>("PictureFrame");
};

class RewardPopup : public MessagePopup {
 public:
  RewardPopup();
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Shape& Frame = Get<platform::Shape>("PictureFrame");
};

// The large picture popup for news and notices, with the score lines some notices show.
class NoticePopup : public TopicPopup {
 public:
  NoticePopup();
  void ShowScoreLines(bool show);
  platform::Image& Picture = Get<platform::Image>("Picture");
  platform::Label& Headline = Get<platform::Label>("Headline");
  platform::Label& ScoreText = Get<platform::Label>("ScoreText");

 private:
  platform::Label& scoreLine_ = Get<platform::Label>("ScoreLine");
};

// The button a player presses to give `answer` to the innermost popup that is open: "yes" or "no"
// (the first or the second button of the two question popups, whatever their captions), or
// "continue" (the other six). Gives "YesNoPopup.YesButton" and the like; throws
// std::runtime_error naming the open form when no popup is open or it offers no such answer.
std::string PopupAnswerButton(std::string_view answer);

}  // namespace screens
