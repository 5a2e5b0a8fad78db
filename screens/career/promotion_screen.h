// The promotion screen: what a new level brought (a campaign ribbon or a new rank) or a medal,
// with its picture on the faction's award background, beside the player's uniform. Shown modally
// by the level-ups and the medals of ship combat; Continue closes it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "rules/medals.h"
#include "platform/form.h"
#include "screens/career/uniform.h"
#include "screens/shared/picture_buttons.h"
#include "state/factions.h"
#include "state/ranks.h"

namespace screens {

// What the screen shows beside the uniform.
struct PromotionView {
  std::string headline;    // "For your great efforts the ... high command awards you:"
  std::string awardName;   // the ribbon's, rank's or medal's name
  std::string awardKind;   // "campaign ribbon", "medal" or the short rank title in brackets
  std::string quotation;   // the ribbon's quotation, the medal's citation or "Congratulations!"
  std::string picture;     // the ribbon, medal or shoulder insignia
  std::string background;  // the faction's award background
  bool operator==(const PromotionView&) const = default;
};

using rules::Medal;

// The campaign ribbon of a ribbon level (2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17) for faction 1..4;
// an empty view for any other level or faction.
PromotionView BuildRibbonView(Faction faction, std::int32_t level);
// The new rank `rank` reached at rank level `level` (4, 7, 10, 13, 15, 18).
PromotionView BuildRankView(Faction faction, std::int32_t level, Rank rank);
PromotionView BuildMedalView(Faction faction, Medal medal);

class PromotionScreen : public platform::Form {
 public:
  PromotionScreen();

  // Fills the labels and pictures and composes the uniform from the player's record.
  void ShowAward(const PromotionView& view);
  void OnContinueClick();

  int HoverIndex() const { return continue_.Lit(); }

 private:
  platform::Label& headline_ = Get<platform::Label>("Headline");
  platform::Label& awardName_ = Get<platform::Label>("AwardName");
  platform::Label& awardKind_ = Get<platform::Label>("AwardKind");
  platform::Label& quotation_ = Get<platform::Label>("Quotation");
  platform::Image& picture_ = Get<platform::Image>("AwardPicture");
  platform::Image& background_ = Get<platform::Image>("AwardBackground");
  UniformPanel uniform_{*this};
  PictureButtons continue_;
};

}  // namespace screens
