// The rules' popups and questions shown on the game's real popups.
#pragma once

#include "rules/ui.h"

namespace screens {

class ScreenUi : public rules::Ui {
 public:
  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override;
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override;
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override;
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override;
};

}  // namespace screens
