// A scripted stand-in for the screens: records every popup and question the rules raise, answers
// questions from a queue (then a default), and reports the screens a test marks visible. Lets a
// whole world run headless and lets a test read back what the player would have seen.
#pragma once

#include <cstddef>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/null_ui.h"

namespace support {

struct ShownPopup {
  rules::Popup kind;
  std::string topic;
  std::string headline;  // the second caption line of the large picture popup; empty elsewhere
  std::string text;
  std::string picture;
};

struct AskedQuestion {
  std::string topic;
  std::string text;
  bool answer;
};

class ScriptUi : public rules::NullUi {
 public:
  // What the player saw and was asked, in order.
  std::vector<ShownPopup> popups;
  std::vector<AskedQuestion> questions;

  // Answers for the coming questions, used front first; then defaultAnswer.
  std::deque<bool> answers;
  bool defaultAnswer = false;

  // Refresh calls received.
  int redraws = 0;
  int statusBarUpdates = 0;
  int tradePopupUpdates = 0;

  void SetVisible(rules::Screen screen, bool visible = true);

  // Popups of one topic, in the order shown.
  std::vector<ShownPopup> WithTopic(std::string_view topic) const;
  std::size_t CountTopic(std::string_view topic) const;
  void Clear();

  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override;
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  bool IsVisible(rules::Screen screen) const override;
  void RedrawSystem(bool placeBodies) override;
  void UpdateStatusBars() override;
  void UpdateTradePopup() override;

 private:
  std::set<rules::Screen> visible_;
};

}  // namespace support
