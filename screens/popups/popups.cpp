#include "screens/popups/popups.h"

#include <string>

#include "platform/pictures.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"

namespace screens::popups {

void ShowPicture(std::string_view topic, std::string_view text, std::string_view picture) {
  PicturePopup& popup = GameForm<PicturePopup>();
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  // A picture smaller than the frame (a pilot's portrait) keeps its own size, centred in a frame
  // of its own size, rather than being blown up; the larger scenes are fitted into the frame.
  platform::Image& image = popup.Picture;
  image.LoadPicture(picture);
  const auto shown = platform::LoadPicture(picture, false);
  const bool small = shown && !shown->Missing() && shown->Width() <= image.Width() &&
                     shown->Height() <= image.Height();
  image.SetStretch(!small);
  image.SetCenter(small);
  popup.FitToText();  // puts every part back at its designed place first
  if (small) {
    const int w = shown->Width(), h = shown->Height();
    popup.Frame.SetBounds(image.Left() + (image.Width() - w) / 2 - 2,
                             image.Top() + (image.Height() - h) / 2 - 2, w + 4, h + 4);
  }
  popup.ShowModal();
}

void ShowText(std::string_view topic, std::string_view text) {
  TextPopup& popup = GameForm<TextPopup>();
  popup.ShowActionPointBlock(false);
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  popup.FitToText();
  popup.ShowModal();
}

void ShowTextWithActionPoints(std::string_view topic, std::string_view text,
                              std::int32_t actionPoints) {
  TextPopup& popup = GameForm<TextPopup>();
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  popup.ActionPoints.SetCaption(std::to_string(actionPoints));
  popup.ShowActionPointBlock(true);
  popup.FitToText();
  popup.ShowModal();
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
  return AskIn(GameForm<YesNoPopup>(), YesNoAnswer, topic, text, escape);
}

bool AskQuitGame() {
  return AskIn(GameForm<QuitGamePopup>(), QuitGameAnswer, kQuitGameTopic, kQuitGameText, EscapeKey::SaysNo);
}

bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
            std::string_view first, std::string_view second, EscapeKey escape) {
  const EscapeForQuestion keys(GameForm<ChoicePopup>(), escape);
  ChoiceAnswer = 0;
  ChoicePopup& popup = GameForm<ChoicePopup>();
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  popup.Picture.LoadPicture(picture);
  popup.YesLabel.SetCaption(first);
  popup.NoLabel.SetCaption(second);
  // The buttons read "Yes" and "No" again for the next question, however this one ends.
  struct Restore {
    ChoicePopup& popup;
    ~Restore() {
      popup.YesLabel.SetCaption("Yes");
      popup.NoLabel.SetCaption("No");
    }
  } restore{popup};
  popup.FitToText();
  popup.ShowModal();
  return ChoiceAnswer == 1;
}

void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                   std::string_view picture) {
  EncounterPopup& popup = GameForm<EncounterPopup>();
  popup.Topic().SetCaption(topic);
  popup.Opponent.SetCaption(opponent);
  popup.Picture.LoadPicture(picture);
  popup.Text().SetCaption(text);
  popup.FitToText();
  popup.ShowModal();
}

void ShowFame(std::string_view text, std::string_view picture) {
  FamePopup& popup = GameForm<FamePopup>();
  popup.Text().SetCaption(text);
  popup.Picture.LoadPicture(picture);
  popup.ShowModal();
}

void ShowReward(std::string_view text, std::string_view picture) {
  RewardPopup& popup = GameForm<RewardPopup>();
  popup.Text().SetCaption(text);
  popup.Picture.LoadPicture(picture);
  popup.ShowModal();
}

void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                std::string_view picture) {
  NoticePopup& popup = GameForm<NoticePopup>();
  popup.Picture.LoadPicture(picture);
  popup.Topic().SetCaption(topic);
  popup.Headline.SetCaption(headline);
  popup.Text().SetCaption(text);
  popup.ShowModal();
}

void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                      std::string_view picture, std::string_view scoreLine) {
  NoticePopup& popup = GameForm<NoticePopup>();
  popup.ScoreText.SetCaption(scoreLine);
  popup.ShowScoreLines(true);
  // The score lines belong to this notice only, however the popup is left.
  struct Hide {
    NoticePopup& popup;
    ~Hide() { popup.ShowScoreLines(false); }
  } hide{popup};
  ShowNotice(topic, headline, text, picture);
}

}  // namespace screens::popups
