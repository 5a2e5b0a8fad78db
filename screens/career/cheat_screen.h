// The cheat screen: credits, the next promotion, three fast starts, a switch that keeps the player
// from ageing, and the destruction of the enemy ship of a running fight. Opened from hidden
// pictures of the travel screen and the combat screen (OpenCheatScreen in career.h).
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The tiles, numbered as their tags in the layout.
enum CheatTile : int {
  kCheatCredits = 1,
  kCheatPromotion = 2,
  kCheatFastStart1 = 3,
  kCheatFastStart2 = 4,
  kCheatFastStart3 = 5,
  kCheatNoAgeing = 6,
  kCheatDestroyEnemy = 7,
  kCheatClose = 8,
};

// The picture of tile k (1..8): normal or lit; the no-ageing tile shows its "on" picture while
// the switch is on, lit or not.
std::string CheatTilePicture(int tile, bool lit);

class CheatScreenForm : public platform::Form {
 public:
  CheatScreenForm();

  // The no-ageing tile's picture from the switch.
  void Refresh();

  void OnTileClick(platform::Sender s);
  void ActOnTile(int tile);

  int HoverIndex() const { return tiles_.Lit(); }

 private:
  PictureButtons tiles_;
  ScreenUi rules_;
};

}  // namespace screens
