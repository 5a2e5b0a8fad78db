#include "screens/popups/popups.h"

#include <string>

#include "platform/pictures.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"

namespace screens::popups {

void ShowPicture(std::string_view topic, std::string_view text, std::string_view picture) {
  PicturePopup& picturePopup = GameForm<PicturePopup>();
  picturePopup.Topic().SetCaption(topic);
  picturePopup.Text().SetCaption(text);
  // A picture smaller than the frame (a pilot's portrait) keeps its own size, centred in a frame
  // of its own size, rather than being blown up; the larger scenes are fitted into the frame.
  platform::Image& image = picturePopup.Picture;
  image.LoadPicture(picture);
  const auto shown = platform::LoadPicture(picture, false);
  const bool small = shown && !shown->Missing() && shown->Width() <= image.Width() &&
                     shown->Height() <= image.Height();
  image.SetStretch(!small);
  image.SetCenter(small);
  picturePopup.FitToText();  // puts every part back at its designed place first
  if (small) {
    const int w = shown->Width(), h = shown->Height();
    picturePopup.Frame.SetBounds(image.Left() + (image.Width() - w) / 2 - 2,
                             image.Top() + (image.Height() - h) / 2 - 2, w + 4, h + 4);
  }
  picturePopup.ShowModal();
}

void ShowText(std::string_view topic, std::string_view text) {
  TextPopup& textPopup = GameForm<TextPopup>();
  textPopup.ShowActionPointBlock(false);
  textPopup.Topic().SetCaption(topic);
  textPopup.Text().SetCaption(text);
  textPopup.FitToText();
  textPopup.ShowModal();
}

void ShowTextWithActionPoints(std::string_view topic, std::string_view text,
                              std::int32_t actionPoints) {
  TextPopup& textPopup = GameForm<TextPopup>();
  textPopup.Topic().SetCaption(topic);
  textPopup.Text().SetCaption(text);
  textPopup.ActionPoints.SetCaption(std::to_string(actionPoints));
  textPopup.ShowActionPointBlock(true);
  textPopup.FitToText();
  textPopup.ShowModal();
}

namespace {

// A question in the small yes/no popup `popup`, whose answer lands in `answer`: true for "Yes".
bool AskIn(QuestionPopup& popup, std::int32_t& answer, std::string_view topic,
           std::string_view text) {
  answer = 0;
  popup.Topic().SetCaption(topic);
  popup.Text().SetCaption(text);
  popup.FitToText();
  popup.ShowModal();
  return answer == 1;
}

}  // namespace

bool AskYesNo(std::string_view topic, std::string_view text) {
  return AskIn(GameForm<YesNoPopup>(), YesNoAnswer, topic, text);
}

bool AskQuitGame() {
  return AskIn(GameForm<QuitGamePopup>(), QuitGameAnswer, kQuitGameTopic, kQuitGameText);
}

bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
            std::string_view first, std::string_view second) {
  ChoiceAnswer = 0;
  ChoicePopup& choicePopup = GameForm<ChoicePopup>();
  choicePopup.Topic().SetCaption(topic);
  choicePopup.Text().SetCaption(text);
  choicePopup.Picture.LoadPicture(picture);
  choicePopup.YesLabel.SetCaption(first);
  choicePopup.NoLabel.SetCaption(second);
  // The buttons read "Yes" and "No" again for the next question, however this one ends.
  struct Restore {
    ChoicePopup& popup;
    ~Restore() {
      popup.YesLabel.SetCaption("Yes");
      popup.NoLabel.SetCaption("No");
    }
  } restore{choicePopup};
  choicePopup.FitToText();
  choicePopup.ShowModal();
  return ChoiceAnswer == 1;
}

void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                   std::string_view picture) {
  EncounterPopup& encounterPopup = GameForm<EncounterPopup>();
  encounterPopup.Topic().SetCaption(topic);
  encounterPopup.Opponent.SetCaption(opponent);
  encounterPopup.Picture.LoadPicture(picture);
  encounterPopup.Text().SetCaption(text);
  encounterPopup.FitToText();
  encounterPopup.ShowModal();
}

void ShowFame(std::string_view text, std::string_view picture) {
  FamePopup& famePopup = GameForm<FamePopup>();
  famePopup.Text().SetCaption(text);
  famePopup.Picture.LoadPicture(picture);
  famePopup.ShowModal();
}

void ShowReward(std::string_view text, std::string_view picture) {
  RewardPopup& rewardPopup = GameForm<RewardPopup>();
  rewardPopup.Text().SetCaption(text);
  rewardPopup.Picture.LoadPicture(picture);
  rewardPopup.ShowModal();
}

void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                std::string_view picture) {
  NoticePopup& noticePopup = GameForm<NoticePopup>();
  noticePopup.Picture.LoadPicture(picture);
  noticePopup.Topic().SetCaption(topic);
  noticePopup.Headline.SetCaption(headline);
  noticePopup.Text().SetCaption(text);
  noticePopup.ShowModal();
}

void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                      std::string_view picture, std::string_view scoreLine) {
  NoticePopup& noticePopup = GameForm<NoticePopup>();
  noticePopup.ScoreText.SetCaption(scoreLine);
  noticePopup.ShowScoreLines(true);
  // The score lines belong to this notice only, however the popup is left.
  struct Hide {
    NoticePopup& popup;
    ~Hide() { popup.ShowScoreLines(false); }
  } hide{noticePopup};
  ShowNotice(topic, headline, text, picture);
}

}  // namespace screens::popups
