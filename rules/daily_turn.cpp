#include "rules/daily_turn.h"

#include <cstdint>
#include <limits>
#include <string>

#include "rules/campaigns.h"
#include "rules/credits.h"
#include "rules/diplomacy.h"
#include "rules/markets.h"
#include "rules/missions.h"
#include "rules/news.h"
#include "rules/promotion.h"
#include "rules/space_finds.h"
#include "rules/special_ships.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::PlayerData;
using state::PlayerShip;
using state::Random;

constexpr std::int32_t kTycoonPayDay = 200;

void CountDown(std::int32_t& counter) {
  if (counter > std::numeric_limits<std::int32_t>::min()) counter -= 1;
}

void AgeOneDay(Ui& ui) {
  const std::int32_t before = state::GetPlayerAge();
  if (state::GameDay < std::numeric_limits<std::int32_t>::max()) state::GameDay += 1;
  const std::int32_t after = state::GetPlayerAge();
  for (const std::int32_t threshold : {state::kOldAge, 80, 150}) {
    if (after != threshold || before == threshold) continue;
    const char* text =
        threshold == 150
            ? "You have become old and senile. It really makes no sense to adventure anymore. "
              "Every location you try to reach takes you almost one hundred days when in the past "
              "it only took a couple of days. It´s REALLY time for you to retire!"
            : "You have become old and senile. It´s taking you longer to navigate in the galaxy "
              "than it took you years ago. It´s time for you to retire if you want to have "
              "something of your achievements in age.";
    ui.Message(Popup::Picture, "Old age...", text, state::GetHeroPortraitFile());
  }
}

void RunLoan(Ui& ui) {
  if (PlayerData[player::kLoan] <= 0) return;
  CountDown(PlayerData[player::kLoanDaysLeft]);
  CountDown(PlayerData[player::kEarlyPaybackDays]);
  if (PlayerData[player::kLoanDaysLeft] == 30) {
    ui.Message(Popup::Text, "Loan",
               "You have less than 30 days left to repay your loan or the loan will automatically "
               "renewed with a doubled interest rate!");
  }
  if (PlayerData[player::kLoanDaysLeft] <= 0) {
    AddSaturated(PlayerData[player::kLoan], PlayerData[player::kLoan]);
    PlayerData[player::kLoanDaysLeft] = 500;
    ui.Message(Popup::Text, "Loan",
               "You have not paid back your debt in time. The loan is automatically renewed with a "
               "doubled interest rate!");
  }
}

void RunWarBonds() {
  CountDown(PlayerData[player::kWarBondLockDays]);
  if (PlayerData[player::kWarBondLockDays] < 0) PlayerData[player::kWarBondLockDays] = 0;
  if (PlayerData[player::kWarBonds] > 0) {
    const std::int32_t level = PlayerData[player::kWarBondLevel];
    const std::int64_t loss = level <= 0 ? 1 : level >= 4 ? 5 : level + 1;
    if (Random(100) < 20)
      PlayerData[player::kWarBonds] -=
          static_cast<std::int32_t>(PlayerData[player::kWarBonds] * loss / 100);
  } else {
    PlayerData[player::kWarBondLevel] = 0;
  }
}

void RechargeShields() {
  const std::int32_t most = state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip));
  std::int32_t& shields = PlayerShip[ship::kShields];
  AddSaturated(shields, 10);
  if (state::OwnsSkill(kSkillFastRecharge)) AddSaturated(shields, 10);
  if (shields > most) shields = most;
  if (shields < most / 2) shields = most / 2;
}

void RefreshCargoSpace(Ui& ui) {
  const std::int32_t capacity = state::GetShipCargoCapacity(
      state::ShipClassOf(PlayerShip), CargoModuleId{PlayerShip[ship::kCargoModule]}, state::Side::Player);
  const bool changed = capacity != PlayerShip[ship::kCargoSpace];
  PlayerShip[ship::kCargoSpace] = capacity;
  if (changed) ui.UpdateTradePopup();
}

void LearnPrices() {
  const bool trader = state::OwnsSkill(kSkillTrader);
  const bool advanced = state::OwnsSkill(kSkillAdvancedTrader);
  const bool algorithms = ComputerId{PlayerShip[ship::kTargeting]} == kComputerPriceAlgorithms;
  for (std::int32_t s = 1; s <= state::kLastSystem; ++s) {
    state::SystemVisited[s] = 0;
    const std::int32_t r = Random(100);
    if ((!trader && !advanced && r < 30) || ((trader || algorithms) && r < 60) || advanced ||
        s == PlayerShip[ship::kSystem]) {
      state::SystemVisited[s] = 1;
    }
  }
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    state::BodyPricesKnown[b] = 0;
    const std::int32_t r = Random(100);
    if ((!trader && !advanced && r < 30) || advanced || trader || algorithms ||
        b == PlayerShip[ship::kBody]) {
      state::BodyPricesKnown[b] = 1;
    }
  }
}

void PayInvestments(Ui& ui) {
  const bool tycoon = state::OwnsSkill(kSkillTycoon);
  const bool advanced = state::OwnsSkill(kSkillAdvancedTycoon);
  std::int32_t& counter = PlayerData[player::kTycoonEventDay];
  if (tycoon && !advanced) AddSaturated(counter, 1);
  if (advanced) AddSaturated(counter, 1);
  const auto pay = [&](std::int32_t divisor, const char* ability, const char* percent) {
    counter = 0;
    const std::int32_t gain = PlayerData[player::kCredits] / divisor;
    AddSaturated(PlayerData[player::kCredits], gain);
    ui.UpdateStatusBars();
    ui.Message(Popup::Reward, "",
               std::string("Your different investments (\"") + ability + "\") increase your wealth by " +
                   percent + ". You receive $ " + state::FormatThousands(gain) + ".",
               "treasurer.jpg");
  };
  if (counter > kTycoonPayDay && tycoon && !advanced) pay(20, "Tycoon ability", "5%");
  if (counter > kTycoonPayDay && advanced) pay(10, "Advanced Tycoon ability", "10%");
}

void WearOffCriminalFlag(Ui& ui) {
  if (PlayerData[player::kCriminalDays] <= 0) return;
  PlayerData[player::kCriminalDays] -= 1;
  if (PlayerData[player::kCriminalDays] > 0) return;
  PlayerData[player::kCriminalDays] = 0;
  ui.Message(Popup::Text, "Escaped!", "You have escaped the police and your criminal flag has weared off.");
}

}  // namespace

void AdvanceDay(Ui& ui) {
  AgeOneDay(ui);
  UpdateFactionDiplomacy(ui);
  UpdateMarketNews();
  UpdateCampaigns(ui);
  RunLoan(ui);
  RunWarBonds();
  RechargeShields();
  UpdateMarketPrices();
  UpdateMarketStocks();
  GenerateMissionOffers(ui);
  RefreshCargoSpace(ui);
  LearnPrices();
  PayInvestments(ui);
  UpdateSpecialShips(ui);
  WearOffCriminalFlag(ui);
  CheckPromotion(ui);
  if (ui.IsVisible(Screen::Flight) && state::SelectedBody > 0) UpdateSpaceFinds(ui);
}

}  // namespace rules
