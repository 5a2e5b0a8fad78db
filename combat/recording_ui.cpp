#include "combat/recording_ui.h"

#include "combat/combat_end.h"
#include "combat/scripted_answers.h"
#include "state/fields.h"
#include "state/variables.h"

namespace combat {
namespace {

std::string Join(std::string_view a, std::string_view b) {
  std::string line(a);
  line += " / ";
  line += b;
  return line;
}

const char* PopupName(CombatPopup kind) {
  switch (kind) {
    case CombatPopup::Text: return "popup";
    case CombatPopup::Picture: return "picture popup";
    case CombatPopup::Experience: return "experience popup";
    case CombatPopup::Loot: return "loot popup";
  }
  return "popup";
}

}  // namespace

std::vector<std::string> RecordingUi::Lines(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const auto& line : transcript)
    if (std::string_view(line).substr(0, prefix.size()) == prefix) found.push_back(line);
  return found;
}

void RecordingUi::ShowMessage(Side side, std::string_view topic, std::string_view text) {
  transcript.push_back((side == Side::Player ? "player: " : "enemy: ") + Join(topic, text));
}

void RecordingUi::ShowPopup(CombatPopup kind, std::string_view topic, std::string_view text,
                            std::string_view picture) {
  std::string line = std::string(PopupName(kind)) + ": " + Join(topic, text);
  if (!picture.empty()) line += " [" + std::string(picture) + "]";
  transcript.push_back(std::move(line));
}

bool RecordingUi::Ask(std::string_view topic, std::string_view text) {
  const std::string question = Join(topic, text);
  const bool answer = NextScriptedAnswer(answers, defaultAnswer, "question", question);
  transcript.push_back("question: " + question + (answer ? " -> yes" : " -> no"));
  return answer;
}

bool RecordingUi::AskWithPicture(std::string_view topic, std::string_view text,
                                 std::string_view picture) {
  const std::string question = Join(topic, text);
  const bool answer = NextScriptedAnswer(answers, defaultAnswer, "question", question);
  transcript.push_back("question: " + question + " [" + std::string(picture) + "]" +
                       (answer ? " -> yes" : " -> no"));
  return answer;
}

void RecordingUi::Refresh(Display what) {
  ++refreshes[static_cast<int>(what)];
  if ((what == Display::ActionPointBar || what == Display::Everything) &&
      state::PlayerShip[ship::kActionPoints] > 8)
    ++actionPointsAboveCap;
}

void RecordingUi::Close() {
  closed = true;
  transcript.push_back("combat screen closed");
  CombatScreenClosed();
}

void RecordingUi::OpenBoarding() {
  ++boardingOpened;
  transcript.push_back("boarding screen opened");
}

void RecordingUi::AwardSilverStar() {
  ++silverStars;
  transcript.push_back("medal: Silver Star");
}

void RecordingUi::AwardGoldStar() {
  ++goldStars;
  transcript.push_back("medal: Gold Star");
}

void RecordingSound::PlayEffect(std::string_view wavFile) {
  transcript_.push_back("cue " + std::string(wavFile));
}

void RecordingSound::OpenOggChannel(int channel, std::string_view oggFile) {
  transcript_.push_back("music " + std::to_string(channel) + " " + std::string(oggFile));
}

}  // namespace combat
