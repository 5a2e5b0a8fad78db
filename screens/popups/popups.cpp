#include "screens/popups/popups.h"

#include <string>

#include "platform/pictures.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"

namespace screens::popups {


void ShowPicture(std::string_view topic, std::string_view text, std::string_view picture) {
  GameForm<PicturePopup>().Topic().SetCaption(topic);
  GameForm<PicturePopup>().Text().SetCaption(text);
  // A picture smaller than the frame (a pilot's portrait) keeps its own size, centred in a frame
  // of its own size, rather than being blown up; the larger scenes are fitted into the frame.
  platform::Image& image = GameForm<PicturePopup>().Picture;
  image.LoadPicture(picture);
  const auto shown = platform::LoadPicture(picture, false);
  const bool small = shown && !shown->Missing() && shown->Width() <= image.Width() &&
                     shown->Height() <= image.Height();
  image.SetStretch(!small);
  image.SetCenter(small);
  GameForm<PicturePopup>().FitToText();  // puts every part back at its designed place first
  if (small) {
    const int w = shown->Width(), h = shown->Height();
    GameForm<PicturePopup>().Frame.SetBounds(image.Left() + (image.Width() - w) / 2 - 2,
                             image.Top() + (image.Height() - h) / 2 - 2, w + 4, h + 4);
  }
  GameForm<PicturePopup>().ShowModal();
}

void ShowText(std::string_view topic, std::string_view text) {
  GameForm<TextPopup>().ShowActionPointBlock(false);
  GameForm<TextPopup>().Topic().SetCaption(topic);
  GameForm<TextPopup>().Text().SetCaption(text);
  GameForm<TextPopup>().FitToText();
  GameForm<TextPopup>().ShowModal();
}

void ShowTextWithActionPoints(std::string_view topic, std::string_view text,
                              std::int32_t actionPoints) {
  GameForm<TextPopup>().Topic().SetCaption(topic);
  GameForm<TextPopup>().Text().SetCaption(text);
  GameForm<TextPopup>().ActionPoints.SetCaption(std::to_string(actionPoints));
  GameForm<TextPopup>().ShowActionPointBlock(true);
  GameForm<TextPopup>().FitToText();
  GameForm<TextPopup>().ShowModal();
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

bool AskQuitGame() { return AskIn(GameForm<QuitGamePopup>(), QuitGameAnswer, kQuitGameTopic, kQuitGameText); }

bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
            std::string_view first, std::string_view second) {
  ChoiceAnswer = 0;
  GameForm<ChoicePopup>().Topic().SetCaption(topic);
  GameForm<ChoicePopup>().Text().SetCaption(text);
  GameForm<ChoicePopup>().Picture.LoadPicture(picture);
  GameForm<ChoicePopup>().YesLabel.SetCaption(first);
  GameForm<ChoicePopup>().NoLabel.SetCaption(second);
  // The buttons read "Yes" and "No" again for the next question, however this one ends.
  struct Restore {
    ~Restore() {
      GameForm<ChoicePopup>().YesLabel.SetCaption("Yes");
      GameForm<ChoicePopup>().NoLabel.SetCaption("No");
    }
  } restore;
  GameForm<ChoicePopup>().FitToText();
  GameForm<ChoicePopup>().ShowModal();
  return ChoiceAnswer == 1;
}

void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                   std::string_view picture) {
  GameForm<EncounterPopup>().Topic().SetCaption(topic);
  GameForm<EncounterPopup>().Opponent.SetCaption(opponent);
  GameForm<EncounterPopup>().Picture.LoadPicture(picture);
  GameForm<EncounterPopup>().Text().SetCaption(text);
  GameForm<EncounterPopup>().FitToText();
  GameForm<EncounterPopup>().ShowModal();
}

void ShowFame(std::string_view text, std::string_view picture) {
  GameForm<FamePopup>().Text().SetCaption(text);
  GameForm<FamePopup>().Picture.LoadPicture(picture);
  GameForm<FamePopup>().ShowModal();
}

void ShowReward(std::string_view text, std::string_view picture) {
  GameForm<RewardPopup>().Text().SetCaption(text);
  GameForm<RewardPopup>().Picture.LoadPicture(picture);
  GameForm<RewardPopup>().ShowModal();
}

void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                std::string_view picture) {
  GameForm<NoticePopup>().Picture.LoadPicture(picture);
  GameForm<NoticePopup>().Topic().SetCaption(topic);
  GameForm<NoticePopup>().Headline.SetCaption(headline);
  GameForm<NoticePopup>().Text().SetCaption(text);
  GameForm<NoticePopup>().ShowModal();
}

void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                      std::string_view picture, std::string_view scoreLine) {
  GameForm<NoticePopup>().ScoreText.SetCaption(scoreLine);
  GameForm<NoticePopup>().ShowScoreLines(true);
  // The score lines belong to this notice only, however the popup is left.
  struct Hide {
    ~Hide() { GameForm<NoticePopup>().ShowScoreLines(false); }
  } hide;
  ShowNotice(topic, headline, text, picture);
}

}  // namespace screens::popups
