// The player's dress uniform: the faction's base uniform with the rank insignia on shoulder and
// collar, pilot wings, up to twelve campaign ribbons and up to three medals, each a picture laid
// over the base at its own place. The promotion screen, the personal status and the retirement
// summary carry the same uniform panel and compose it the same way.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "state/factions.h"
#include "state/ranks.h"

namespace screens {

// What the uniform shows is decided by these fields of the player's record.
struct UniformRecord {
  Faction faction = kFactionFederation;  // 1..4
  std::int32_t variant = 0;  // kUniformFemale (state/ranks.h) for the female uniform
  std::int32_t wings = 1;    // pilot wings 0..3
  std::int32_t ribbons = 0;  // campaign ribbons earned
  std::int32_t silverStar = 0, goldStar = 0, medalOfHonor = 0;  // earned when exactly 1
  Rank rank = kRankEnsign;   // 1 Ensign .. 7 Admiral, 8 the admirals' insignia shown
};
UniformRecord PlayerUniformRecord();

// One picture on the panel: its file, whether it shows, and its place from the panel's corner.
struct UniformPiece {
  std::string picture;
  bool visible = false;
  int left = 0;
  int top = 0;
  bool operator==(const UniformPiece&) const = default;
};

struct UniformView {
  std::string base;
  UniformPiece shoulder, collar;
  // Left, middle and right wing. When `wingsPlaced` is false the wings keep the visibility and
  // places they had (a wing count outside 0..3).
  std::array<UniformPiece, 3> wings;
  bool wingsPlaced = true;
  std::array<UniformPiece, 12> ribbons;
  UniformPiece silverStar, goldStar, medalOfHonor, awardPlace;
};

// A faction outside 1..4 is dressed as faction 1, a rank below 1 as an Ensign and above 8 as 8.
UniformView BuildUniformView(const UniformRecord& record);

// The uniform panel of a screen: a panel "UniformPanel" holding the images UniformBase,
// AwardPlace, ShoulderInsignia, CollarInsignia, WingLeft, WingMiddle, WingRight, Ribbon1..12,
// SilverStarMedal, GoldStarMedal and HonorMedal, in that order (later ones lie over earlier ones).
class UniformPanel {
 public:
  explicit UniformPanel(platform::Form& form);
  // Composes the panel from the player's current record.
  void ShowPlayerUniform() { Show(BuildUniformView(PlayerUniformRecord())); }
  void Show(const UniformView& view);

 private:
  platform::Image& base_;
  platform::Image& shoulder_;
  platform::Image& collar_;
  std::array<platform::Image*, 3> wings_;
  std::array<platform::Image*, 12> ribbons_;
  platform::Image& silverStar_;
  platform::Image& goldStar_;
  platform::Image& medalOfHonor_;
  platform::Image& awardPlace_;
};

}  // namespace screens
