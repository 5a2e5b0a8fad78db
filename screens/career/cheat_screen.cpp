// The cheat screen.
#include "screens/career/cheat_screen.h"

#include <cstdio>

#include "audio/sound.h"
#include "combat/combat_end.h"
#include "platform/types.h"
#include "rules/cheats.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// The picture number of tile k in the picture files.
constexpr int kTilePictureNumbers[] = {2, 4, 6, 7, 8, 10, 12, 13};

PictureButton Tile(platform::Form& form, int tile) {
  return {form.Get<Image>("Tile" + std::to_string(tile)),
          [tile](bool lit) { return CheatTilePicture(tile, lit); }};
}

}  // namespace

std::string CheatTilePicture(int tile, bool lit) {
  if (tile < 1 || tile > kCheatClose) return "";
  if (tile == kCheatNoAgeing && state::NoAgingFlag == 1) return "CheatsScreenON_10.jpg";
  char name[40];
  std::snprintf(name, sizeof name, "%s_%02d.jpg", lit ? "CheatsScreenMouseOver" : "CheatsScreen",
                kTilePictureNumbers[tile - 1]);
  return name;
}

CheatScreenForm::CheatScreenForm()
    : Form("CheatScreen"),
      tiles_({Tile(*this, 1), Tile(*this, 2), Tile(*this, 3), Tile(*this, 4), Tile(*this, 5),
              Tile(*this, 6), Tile(*this, 7), Tile(*this, 8)}) {
  Bind("OnTileClick", &CheatScreenForm::OnTileClick);
  Bind("OnTileHover", [this](Sender s) { tiles_.Hover(static_cast<int>(s.sender.Tag())); });
  Bind("OnFaceHover", [this](Sender) { tiles_.Restore(); });
}

void CheatScreenForm::Refresh() {
  tiles_.Image(kCheatNoAgeing).LoadPicture(CheatTilePicture(kCheatNoAgeing, false));
}

void CheatScreenForm::OnTileClick(Sender s) { ActOnTile(static_cast<int>(s.sender.Tag())); }

void CheatScreenForm::ActOnTile(int tile) {
  if (tile == kCheatNoAgeing) {
    rules::SwitchNoAgeing();
    Refresh();
    return;
  }
  audio::PlayButtonSound();
  switch (tile) {
    case kCheatCredits: rules::CheatCredits(rules_); break;
    case kCheatPromotion: rules::CheatNextPromotion(rules_); break;
    case kCheatFastStart1:
    case kCheatFastStart2:
    case kCheatFastStart3: rules::ApplyFastStart(tile - kCheatFastStart1 + 1, rules_); break;
    case kCheatDestroyEnemy:
      // Only a fight under way has an enemy to destroy.
      if (!ShipCombatShowing()) break;
      Close();
      DestroyEnemyInFight();
      break;
    case kCheatClose: Close(); break;
    default: break;
  }
}

void OpenCheatScreen() {
  CheatScreenForm& cheat = GameForm<CheatScreenForm>();
  cheat.Refresh();
  cheat.ShowModal();
}

}  // namespace screens
