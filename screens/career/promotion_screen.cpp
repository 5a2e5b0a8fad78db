// The promotion screen and the medals.
#include "screens/career/career.h"
#include "screens/screen_ui.h"

namespace screens {

void ShowPromotionScreen(rules::PromotionAward award, int level) {
  (void)award, (void)level;
  ScreenNotBuiltYet("ShowPromotion");
}

void AwardSilverStarMedal() { ScreenNotBuiltYet("AwardSilverStar"); }

void AwardGoldStarMedal() { ScreenNotBuiltYet("AwardGoldStar"); }

}  // namespace screens
