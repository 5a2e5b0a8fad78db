#include "screens/popups/popups.h"

#include <string>

#include "platform/pictures.h"
#include "screens/popups/popup_forms.h"

namespace screens::popups {

using namespace popup_forms;

void ShowPicture(std::string_view topic, std::string_view text, std::string_view picture) {
  Picture->Topic().SetCaption(topic);
  Picture->Text().SetCaption(text);
  // A picture smaller than the frame (a pilot's portrait) keeps its own size, centred in a frame
  // of its own size, rather than being blown up; the larger scenes are fitted into the frame.
  platform::Image& image = Picture->Picture;
  image.LoadPicture(picture);
  const auto shown = platform::LoadPicture(picture, false);
  const bool small = shown && !shown->Missing() && shown->Width() <= image.Width() &&
                     shown->Height() <= image.Height();
  image.SetStretch(!small);
  image.SetCenter(small);
  Picture->FitToText();  // puts every part back at its designed place first
  if (small) {
    const int w = shown->Width(), h = shown->Height();
    Picture->Frame.SetBounds(image.Left() + (image.Width() - w) / 2 - 2,
                             image.Top() + (image.Height() - h) / 2 - 2, w + 4, h + 4);
  }
  Picture->ShowModal();
}

void ShowText(std::string_view topic, std::string_view text) {
  Text->ShowActionPointBlock(false);
  Text->Topic().SetCaption(topic);
  Text->Text().SetCaption(text);
  Text->FitToText();
  Text->ShowModal();
}

void ShowTextWithActionPoints(std::string_view topic, std::string_view text,
                              std::int32_t actionPoints) {
  Text->Topic().SetCaption(topic);
  Text->Text().SetCaption(text);
  Text->ActionPoints.SetCaption(std::to_string(actionPoints));
  Text->ShowActionPointBlock(true);
  Text->FitToText();
  Text->ShowModal();
}

namespace {

// While it lives, Escape gives the popup's "No" or nothing, as `escape` says; afterwards the "No"
// takes Escape again, however the question ended.
class EscapeForQuestion {
 public:
  EscapeForQuestion(QuestionPopup& popup, EscapeKey escape)
      : no_(popup.Get<platform::Image>("NoButton")) {
    no_.SetCancel(escape == EscapeKey::SaysNo);
  }
  ~EscapeForQuestion() { no_.SetCancel(true); }
  EscapeForQuestion(const EscapeForQuestion&) = delete;
  EscapeForQuestion& operator=(const EscapeForQuestion&) = delete;

 private:
  platform::Image& no_;
};

// A question in the small yes/no popup `popup`, whose answer lands in `answer`: true for "Yes".
bool AskIn(QuestionPopup& popup, std::int32_t& answer, std::string_view topic,
           std::string_view text, EscapeKey escape) {
  const EscapeForQuestion keys(popup, escape);
  answer = 0;
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  popup.FitToText();
  popup.ShowModal();
  return answer == 1;
}

}  // namespace

bool AskYesNo(std::string_view topic, std::string_view text, EscapeKey escape) {
  return AskIn(*YesNo, YesNoAnswer, topic, text, escape);
}

bool AskQuitGame() {
  return AskIn(*QuitGame, QuitGameAnswer, kQuitGameTopic, kQuitGameText, EscapeKey::SaysNo);
}

bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
            std::string_view first, std::string_view second, EscapeKey escape) {
  const EscapeForQuestion keys(*Choice, escape);
  ChoiceAnswer = 0;
  Choice->Topic().SetCaption(topic);
  Choice->Text().SetCaption(text);
  Choice->Picture.LoadPicture(picture);
  Choice->YesLabel.SetCaption(first);
  Choice->NoLabel.SetCaption(second);
  // The buttons read "Yes" and "No" again for the next question, however this one ends.
  struct Restore {
    ~Restore() {
      Choice->YesLabel.SetCaption("Yes");
      Choice->NoLabel.SetCaption("No");
    }
  } restore;
  Choice->FitToText();
  Choice->ShowModal();
  return ChoiceAnswer == 1;
}

void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                   std::string_view picture) {
  Encounter->Topic().SetCaption(topic);
  Encounter->Opponent.SetCaption(opponent);
  Encounter->Picture.LoadPicture(picture);
  Encounter->Text().SetCaption(text);
  Encounter->FitToText();
  Encounter->ShowModal();
}

void ShowFame(std::string_view text, std::string_view picture) {
  Fame->Text().SetCaption(text);
  Fame->Picture.LoadPicture(picture);
  Fame->ShowModal();
}

void ShowReward(std::string_view text, std::string_view picture) {
  Reward->Text().SetCaption(text);
  Reward->Picture.LoadPicture(picture);
  Reward->ShowModal();
}

void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                std::string_view picture) {
  Notice->Picture.LoadPicture(picture);
  Notice->Topic().SetCaption(topic);
  Notice->Headline.SetCaption(headline);
  Notice->Text().SetCaption(text);
  Notice->ShowModal();
}

void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                      std::string_view picture, std::string_view scoreLine) {
  Notice->ScoreText.SetCaption(scoreLine);
  Notice->ShowScoreLines(true);
  // The score lines belong to this notice only, however the popup is left.
  struct Hide {
    ~Hide() { Notice->ShowScoreLines(false); }
  } hide;
  ShowNotice(topic, headline, text, picture);
}

}  // namespace screens::popups
