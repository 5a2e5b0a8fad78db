// The promotion screen and the medals.
#include "screens/career/promotion_screen.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "audio/sound.h"
#include "rules/diplomacy.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// clang-format off
constexpr std::array<std::string_view, 5> kFactionWords{"", "Fed", "Outerrim", "Coal", "Synd"};
constexpr std::array<std::string_view, 5> kBackgrounds{
  "", "FedAwardBackgr.jpg", "ORAwardBackgr.jpg", "CoalAwardBackgr.jpg", "SyndAwardBackgr.jpg"};

struct Ribbon {
  std::int32_t level;
  std::int32_t picture;
  std::array<std::string_view, 4> names;       // factions 1..4, as written on the screen
  std::array<std::string_view, 4> quotations;  // factions 1..4
};

constexpr std::array<Ribbon, 11> kRibbons{{
  {2, 2,
   {"\"Operation Spearhead\"", "\"Defense of Scotland\"", "A New Day", "The \"Operation Fate\""},
   {"\"Find out where your enemy is. Get at him as soon as you can. Strike him as hard as you can, and keep moving on.\", Fleet Admiral Oren Halvard",
    "\"Duty is the sublimest word in our language. Do your duty in all things; you cannot do more, you should never wish to do less.\", General Tessock",
    "\"Everything in the world may be endured except continual prosperity.\", Chairwoman Lira Okonedo",
    "\"The fate of the Empire rests on this enterprise. Let every man do his utmost.\", Admiral Teruzaki"}},
  {3, 3,
   {"The \"Keep marching\"", "The \"Freedom\"", "The \"Operation Wall\"", "The \"Sacrifice\""},
   {"\"Success and glory are in the advance, disaster and shame lurk in the rear.\", General Amos Kerrigan",
    "\"A Union that can only be maintained by swords and bayonets has no charm for me.\", President Vantry",
    "\"Prosperity can change mans nature; a full hold makes a peaceful captain.\", Chairman Idris Pellworth",
    "\"To die for the Emperor is to live forever.\", Marshal Oskar Varkov"}},
  {5, 4,
   {"The \"President Ardley\"", "The \"President Vantry\"", "The \"Prosperity\"", "\"Admiral Teruzaki\""},
   {"\"If we do not save the good old ship of the Union on this voyage, nobody will have a chance to pilot her on another.\", President Ardley",
    "\"It is well that War is so terrible, otherwise we should grow too fond of it.\", General Tessock",
    "\"By virtue of exchange, one man's good fortune becomes the good fortune of all.\", Chairwoman Lira Okonedo",
    "\"In blossom today, then scattered: life is so like a delicate flower.\", Admiral Teruzaki"}},
  {6, 5,
   {"\"President Corwent\"", "The General Tessock", "The \"Pellworth\"", "\"Varkov Commemoration\""},
   {"\"To be prepared for war is one of the most effectual means of preserving peace.\", President Corwent",
    "\"He looked as though he ought to have been, and was, a born leader of men.\", Senator Ross Fairholt",
    "\"The whole annual produce of the land and labour of every country is the wealth of its people.\", Chairman Idris Pellworth",
    "\"One death is a tragedy; one million is a statistic.\", Marshal Oskar Varkov"}},
  {8, 6,
   {"\"Battle Hymn of", "Wearing of the Green", "Prosperity", "Vesko"},
   {"\"Mine eyes have seen the glory of the coming of the fleet; it is trampling out the vintage where the grapes of wrath are stored.\", Anthem of the Federation",
    "\"And theyre hanging men and women there for the wearing of the green.\", Song of the Outer Rim",
    "\"Doing business while your allies die is no sin, as long as the books are balanced.\", Chairman Idris Pellworth",
    "\"Burning war prisoners at a local sun saves the cost of their keep.\", Commandant Rada Vesko"}},
  {9, 7,
   {"\"Men of Normandy\"", "Price of Freedom", "Property", "Manipulation"},
   {"\"The men of Normandy had faith that what they were doing was right.\", President Castell",
    "\"Beware of the aggressive impulses of a government that fears its own people.\", General Brannock Ayre",
    "\"Own labour is the original foundation of all other property.\", Chairwoman Lira Okonedo",
    "\"Religion is the opiate of the masses; fear is the cheaper one.\", Marshal Oskar Varkov"}},
  {11, 8,
   {"\"Duty\"", "\"Justice\"", "\"Power of capital\"", "\"Swift strike\""},
   {"\"Our brethren must be punished, so that no world dares leave the Federation again.\", President Ardley",
    "\"By the Constitution secession is not rebellion, but the right of every free world.\", President Vantry",
    "\"We could have settled the war in thirty minutes, had anyone asked us for a price.\", Chairman Idris Pellworth",
    "\"Death solves all problems: no man, no problem.\", Marshal Oskar Varkov"}},
  {12, 9,
   {"\"Battle of Sirius\"", "\"Valor\"", "\"Peace\"", "\"Our System\""},
   {"\"The dead covered more than five acres of the station's hull; you could have walked across them.\", Captain Elena Morrow",
    "\"Uncommon Valor was a Common Virtue.\", General Fairholt",
    "\"Peace is not merely a distant goal that we seek, but a means by which we arrive at that goal.\", Chairwoman Lira Okonedo",
    "\"Everyone imposes his own system as far as his fleet can reach.\", Marshal Oskar Varkov"}},
  {14, 10,
   {"\"Devildog\"", "\"Forward\"", "\"Faith\"", "\"No retreat\""},
   {"\"First to Fight, last to leave.\", Motto of the Federal Marines",
    "\"Unless they offer us honorable terms, come up, boys, and let us die like brave men.\", General Brannock Ayre",
    "\"It will be all right if it turns out all right; trust the market.\", Chairman Idris Pellworth",
    "\"In the Soviet army it takes more courage to retreat than advance.\", Marshal Oskar Varkov"}},
  {16, 11,
   {"\"General Brannock\"", "\"General Fairholt\"", "The \"Morvaine\"", "\"Berlin will fall\""},
   {"\"It will be all right if it turns out all right.\", General Brannock",
    "\"Fairholt! Fairholt! Ride on, General, and the Rim rides with you!\", Battle cry of the Outer Rim Rangers",
    "\"Deliberation is the work of many men. Action, of one alone.\", Director Anselm Morvaine",
    "\"If the opposition disarms, well and good. If it refuses to disarm, we shall disarm it ourselves.\", Marshal Oskar Varkov"}},
  {17, 12,
   {"\"President Castell\"", "\"True wisdom\"", "The \"Ravindar\"", "\"Volmirovs Glasnost\""},
   {"\"I call upon all scientists who gave us the weapons of the stars to turn their great talents to the cause of peace.\", President Castell",
    "\"The average man does not want to be free. He simply wants to be safe.\", General Fairholt",
    "\"Never doubt that a small group of thoughtful citizens can change the galaxy.\", Director Maya Ravindar",
    "\"Our enemy sees us clearly. Let him tremble at what he sees.\", Premier Volmirov"}},
}};
// clang-format on


std::string InsigniaWord(std::int32_t level) {
  switch (level) {
    case 4: return "2ndLt";
    case 7: return "1stLt";
    case 10: return "Lt";
    case 13: return "Comm";
    case 15: return "Capt";
    default: return "Adm";
  }
}

std::string MedalPicture(Medal medal, Faction faction) {
  return std::string(kFactionWords[static_cast<std::size_t>(faction)]) +
         (medal == Medal::SilverStar ? "-Medal-SilverStar.jpg" : "-Medal-GoldStar.jpg");
}

// Each award shows the player's uniform as it now is.
void ShowOnScreen(const PromotionView& view) {
  PromotionScreen& promotion = GameForm<PromotionScreen>();
  promotion.ShowAward(view);
  promotion.ShowModal();
}

void AwardMedal(Medal medal) {
  if (!rules::GrantMedal(medal)) return;
  audio::PlayAwardMusic();
  ShowOnScreen(BuildMedalView(Faction{state::PlayerData[player::kFaction]}, medal));
}

}  // namespace

PromotionView BuildRibbonView(Faction faction, std::int32_t level) {
  if (!state::IsPower(faction)) return {};
  for (const Ribbon& r : kRibbons) {
    if (r.level != level) continue;
    const auto f = static_cast<std::size_t>(state::Stored(faction) - 1);
    PromotionView view;
    view.headline = "For your great efforts the " + rules::FactionShortName(faction) + " high command awards you:";
    view.awardName = std::string(r.names[f]);
    view.awardKind = "campaign ribbon";
    // The Federation's long ribbon names run over both lines.
    if (faction == kFactionFederation && level == 8) view.awardKind = "the Republic\"";
    else if (faction == kFactionFederation && level >= 9) view.awardKind = "campaign ribbon\"";
    view.quotation = std::string(r.quotations[f]);
    view.picture = std::string(kFactionWords[static_cast<std::size_t>(faction)]) + "-Ribbon" +
                   std::to_string(r.picture) + ".jpg";
    view.background = std::string(kBackgrounds[static_cast<std::size_t>(faction)]);
    return view;
  }
  return {};
}

PromotionView BuildRankView(Faction faction, std::int32_t level, Rank rank) {
  if (!state::IsPower(faction)) return {};
  PromotionView view;
  view.headline =
      "For your honorful service the " + rules::FactionShortName(faction) + " high command promotes you to:";
  view.awardName = state::GetRankTitle(faction, rank);
  std::string kind = "(";
  kind += state::GetRankTitleShort(faction, rank);
  kind += ')';
  view.awardKind = std::move(kind);
  view.quotation = "Congratulations!";
  view.picture = "Uni-" + std::string(kFactionWords[static_cast<std::size_t>(faction)]) + "-" +
                 InsigniaWord(level) + "-shoulder.jpg";
  view.background = std::string(kBackgrounds[static_cast<std::size_t>(faction)]);
  return view;
}

PromotionView BuildMedalView(Faction faction, Medal medal) {
  if (!state::IsPower(faction)) return {};
  static constexpr std::array<std::string_view, 5> kSilverNames{
      "", "\"Silver Star\"", "\"Silver Eagle\"", "\"Silver Ying-Yang", "Red Cross"};
  static constexpr std::array<std::string_view, 5> kGoldNames{
      "", "\"Gold Star\"", "\"Gold Eagle\"", "\"Gold Ying-Yang", "Gold Cross"};
  const bool silver = medal == Medal::SilverStar;
  const auto f = static_cast<std::size_t>(faction);
  PromotionView view;
  view.headline = std::string(silver ? "For exceptional bravery the " : "For uncommon valor the ") +
                  rules::FactionShortName(faction) + " high command awards you:";
  view.awardName = std::string(silver ? kSilverNames[f] : kGoldNames[f]);
  view.awardKind = "medal";
  view.quotation = silver ? "\"For exceptional bravery in influencing our war efforts.\""
                          : "\"For uncommon valor in conquering a whole sector.\"";
  view.picture = MedalPicture(medal, faction);
  view.background = std::string(kBackgrounds[f]);
  return view;
}

PromotionScreen::PromotionScreen()
    : Form("Promotion"),
      continue_({{Get<Image>("ContinueButton"), "PromotionScreen_11.jpg", "PromotionScreenH_11.jpg"}}) {
  Bind("OnContinueClick", &PromotionScreen::OnContinueClick);
  Bind("OnContinueHover", [this](Sender) { continue_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { continue_.Restore(); });
}

void PromotionScreen::ShowAward(const PromotionView& view) {
  headline_.SetCaption(view.headline);
  awardName_.SetCaption(view.awardName);
  awardKind_.SetCaption(view.awardKind);
  quotation_.SetCaption(view.quotation);
  picture_.LoadPicture(view.picture);
  background_.LoadPicture(view.background);
  uniform_.ShowPlayerUniform();
}

void PromotionScreen::OnContinueClick() {
  audio::PlayButtonSound();
  Close();
}

void ShowPromotionScreen(rules::PromotionAward award, int level) {
  const Faction faction{state::PlayerData[player::kFaction]};
  ShowOnScreen(award == rules::PromotionAward::Ribbon
                   ? BuildRibbonView(faction, level)
                   : BuildRankView(faction, level, Rank{state::PlayerData[player::kRank]}));
}

void AwardSilverStarMedal() { AwardMedal(Medal::SilverStar); }

void AwardGoldStarMedal() { AwardMedal(Medal::GoldStar); }

}  // namespace screens
