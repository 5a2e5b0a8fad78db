#include "screens/screen_ui.h"

#include "screens/popups/popups.h"

namespace screens {

void ScreenUi::Message(rules::Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture) {
  switch (kind) {
    case rules::Popup::Picture: popups::ShowPicture(topic, text, picture); break;
    case rules::Popup::Text: popups::ShowText(topic, text); break;
    case rules::Popup::Notice: popups::ShowNotice(topic, {}, text, picture); break;
    case rules::Popup::Reward: popups::ShowReward(text, picture); break;
    case rules::Popup::Fame: popups::ShowFame(text, picture); break;
  }
}

void ScreenUi::ShowNotice(std::string_view topic, std::string_view headline,
                          std::string_view text, std::string_view picture) {
  popups::ShowNotice(topic, headline, text, picture);
}

void ScreenUi::ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) {
  popups::ShowScoredNotice(topic, headline, text, picture, scoreLine);
}

void ScreenUi::ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) {
  popups::ShowEncounter(topic, opponent, text, picture);
}

bool ScreenUi::Ask(std::string_view topic, std::string_view text) {
  return popups::AskYesNo(topic, text);
}

bool ScreenUi::Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) {
  return popups::Choose(topic, text, picture, first, second);
}

}  // namespace screens
