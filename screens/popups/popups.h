// How every screen shows a message or asks a question: these functions alone write the popups'
// topics, texts and pictures, show them modally and read their answers. Each returns when the
// player has closed the popup.
#pragma once

#include <cstdint>
#include <string_view>

namespace screens::popups {

// A topic, a picture and a text.
void ShowPicture(std::string_view topic, std::string_view text, std::string_view picture);
// A topic and a text, in the small popup.
void ShowText(std::string_view topic, std::string_view text);
// The same with "Action-Points required:" and `actionPoints` under the text (a combat ability's
// description).
void ShowTextWithActionPoints(std::string_view topic, std::string_view text,
                              std::int32_t actionPoints);
// What Escape does on a question. It answers "No" only where that "No" changes nothing; where both
// answers act ("Sell" / "Give"), or the "No" lets an offer go for good, no key answers and the
// player clicks. Enter never answers a question.
enum class EscapeKey { SaysNo, DoesNothing };

// A question in the small popup: true for "Yes".
bool AskYesNo(std::string_view topic, std::string_view text,
              EscapeKey escape = EscapeKey::SaysNo);
// The question before a running game is given up.
inline constexpr std::string_view kQuitGameTopic = "Quit game?";
inline constexpr std::string_view kQuitGameText =
    "Do you really wish to quit this game? (No retiring, no highscore)";
// The same question for the desktop's close request, in a popup of its own that may stand over
// any other (the yes/no popup included): true for "Yes".
bool AskQuitGame();
// A question with a picture and two answers captioned `first` and `second` (for this question
// only): true for the first.
bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
            std::string_view first, std::string_view second, EscapeKey escape);
// A hostile encounter: the scene, the topic, the opponent on its own line, the alert text.
void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                   std::string_view picture);
// Experience and fame gained, beside the faction's logo.
void ShowFame(std::string_view text, std::string_view picture);
// Credits received, beside the treasurer.
void ShowReward(std::string_view text, std::string_view picture);
// News and notices in the large popup, with a headline under the topic.
void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                std::string_view picture);
// The same with a score line under the text while it is open.
void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                      std::string_view picture, std::string_view scoreLine);

}  // namespace screens::popups
