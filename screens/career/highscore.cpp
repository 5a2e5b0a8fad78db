#include "screens/career/highscore.h"

#include "audio/sound.h"
#include "platform/types.h"
#include "rules/highscores.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

TForm23* Form23 = nullptr;

namespace {

constexpr int kRows = rules::kHighscorePlaces;

std::string Slot(const char* component, int row) { return component + std::to_string(row); }

bool IsFaction(std::int32_t faction) { return faction >= 1 && faction <= 4; }

// A name as the player typed it: an "&" in it is shown, not taken for a shortcut mark.
std::string ShownAsTyped(const std::string& name) {
  std::string out;
  for (char c : name) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace

std::string HighscoreFactionPicture(std::int32_t faction) {
  static const char* const kLogos[] = {"FederationLogo.jpg", "OuterRimLogo.jpg",
                                       "CoalitionLogo.jpg", "SyndicateLogo.jpg"};
  return IsFaction(faction) ? kLogos[faction - 1] : "";
}

std::string HighscoreRankPicture(std::int32_t faction, std::int32_t rank) {
  static const char* const kPrefixes[] = {"Fed_Rank", "OR_Rank", "Coal_Rank", "Synd_Rank"};
  if (!IsFaction(faction)) return "";
  const int insignia = rank >= 1 && rank <= 7 ? rank - 1 : 7;
  return kPrefixes[faction - 1] + std::to_string(insignia) + ".jpg";
}

TForm23::TForm23() : Form("Form23") {
  Bind("Interface34Click", [this](Sender) { Interface34Click(); });
  Bind("Interface34MouseMove", [this](Sender) { Interface34MouseMove(); });
  Bind("Image1MouseMove", [this](Sender) { Image1MouseMove(); });

  // What the code below uses: a layout that lacks one fails here and in the data check.
  Get<Image>("Interface34");
  for (int k = 1; k <= kRows; ++k) {
    Get<Label>(Slot("NameSlot", k));
    Get<Label>(Slot("ScoreSlot", k));
    Get<Image>(Slot("FactionPicSlot", k));
    Get<Image>(Slot("RankPicSlot", k));
    Get<Image>(Slot("ShipPicSlot", k));
  }
}

void TForm23::ShowHighscoreTable() {
  for (int k = 1; k <= kRows; ++k) {
    state::THighscoreRow& row = state::HighscoreTable[k];
    Get<Label>(Slot("NameSlot", k)).SetCaption(ShownAsTyped(state::HighscoreNames[k]));
    Get<Label>(Slot("ScoreSlot", k)).SetCaption(state::FormatThousands(row[highscore::kScore]));

    // A faction outside 1..4 leaves the logo and the insignia as they were.
    if (IsFaction(row[highscore::kFaction])) {
      Get<Image>(Slot("FactionPicSlot", k))
          .LoadPicture(HighscoreFactionPicture(row[highscore::kFaction]));
      Get<Image>(Slot("RankPicSlot", k))
          .LoadPicture(HighscoreRankPicture(row[highscore::kFaction], row[highscore::kRank]));
    }

    if (row[highscore::kShipFaction] == 0) row[highscore::kShipFaction] = row[highscore::kFaction];
    Get<Image>(Slot("ShipPicSlot", k))
        .LoadPicture(
            state::GetShipFactionImage(row[highscore::kShipClass], row[highscore::kShipFaction]) +
            "_scene.jpg");

    // A row that holds no entry has no faction, rank or ship to picture: its three pictures stay
    // hidden rather than showing a ship that was never flown.
    const bool used = row[highscore::kUsed] == 1;
    for (const char* picture : {"FactionPicSlot", "RankPicSlot", "ShipPicSlot"})
      Get<Image>(Slot(picture, k)).SetVisible(used);
  }
}

void TForm23::WhitenRows() {
  for (int k = 1; k <= kRows; ++k) {
    Get<Label>(Slot("NameSlot", k)).SetFontColor(platform::colors::White);
    Get<Label>(Slot("ScoreSlot", k)).SetFontColor(platform::colors::White);
  }
}

void TForm23::MarkRow(int row) {
  if (row < 1 || row > kRows) return;
  Get<Label>(Slot("NameSlot", row)).SetFontColor(platform::colors::Yellow);
  Get<Label>(Slot("ScoreSlot", row)).SetFontColor(platform::colors::Yellow);
}

void TForm23::Interface34Click() {
  audio::PlayButtonSound();
  Close();
}

void TForm23::Interface34MouseMove() {
  if (backHover_ == 1) return;
  Get<Image>("Interface34").LoadPicture("HighScoresScreen_34_H.jpg");
  backHover_ = 1;
}

void TForm23::Image1MouseMove() {
  if (backHover_ == 1) Get<Image>("Interface34").LoadPicture("HighScoresScreen_34.jpg");
  backHover_ = 0;
}

void InsertHighscore(std::int32_t score) {
  Form23->WhitenRows();
  Form23->MarkRow(rules::InsertHighscore(score));
}

}  // namespace screens
