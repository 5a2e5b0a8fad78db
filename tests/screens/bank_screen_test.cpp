// The bank on the real forms: opened from the planet screen's door, the offers of the player's
// rank, a loan taken (the debt panel is up before the popup about it opens), the small loan refused
// while a debt is owed, the debt paid early at half, war bonds bought and refused for sale while
// locked, the lit buttons, and "Leave bank" (or Escape) closing it.
#include <string>

#include "app/program.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/port/bank.h"
#include "screens/shared/doors.h"
#include "screens/travel/planet.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class BankScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    state::DisplayedSystem = state::PlayerShip[ship::kSystem];
    state::SelectedBody = state::PlayerShip[ship::kBody];
    state::PlayerData[player::kRank] = 1;
    state::PlayerData[player::kLevel] = 19;  // no promotion screen after the bonds' experience
    state::PlayerData[player::kCredits] = 20000;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  static platform::ScriptResult Run(const std::string& steps, void (*open)()) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load("seed 7\n" + steps, "bank.script");
    return runner.Run([open] { open(); });
  }
};

TEST_F(BankScreenTest, LoanTakenRefusedTwiceOverAndPaidEarlyAtHalf) {
  const std::string script = R"(
expect Bank.Visible true
expect Bank.Credits.Caption "Your credits: $ 20,000"
expect Bank.LoanHeading.Caption "Small loan:"
expect Bank.SmallLoanOffer.Caption "\"We lend you $ 5,000 if you pay us $ 25,000 in 100 turns.\""
expect Bank.LargeLoanOffer.Caption "\"We lend you $C 25,000 if you pay us $C 100,000 in 500 turns.\""
expect Bank.CurrentLoanPanel.Visible false
expect Bank.BondValue.Caption "War bonds: None"
)" + ScreenshotStep("Bank", "bank.png") + R"(
click Bank.SmallLoanLabel
expect TextPopup.Topic.Caption "Loan"
expect TextPopup.Text.Caption "You loan $ 5,000 from the local bank. Remember to pay it back in time!"
expect Bank.CurrentLoanPanel.Visible true
expect Bank.Credits.Caption "Your credits: $ 25,000"
answer continue
expect Bank.LoanHeading.Caption "Your loan:"
expect Bank.LargeLoanLabel.Caption "Pay your debt"
expect Bank.Owed.Caption "You owe: $ 25,000"
expect Bank.Payback.Caption "Payback: 100 days."
expect Bank.PaybackNote.Caption "Pay back $C 12,500 in 12 turns and the rest of your loan is waived."
)" + ScreenshotStep("Bank", "bank-debt.png") + R"(
click Bank.SmallLoanButton
expect TextPopup.Topic.Caption "Sorry"
expect TextPopup.Text.Caption "You first have to repay your debts before you can get a bigger loan."
answer continue
expect Bank.Owed.Caption "You owe: $ 25,000"
click Bank.LargeLoanButton
expect TextPopup.Text.Caption "You pay all your debts."
expect Bank.CurrentLoanPanel.Visible false
answer continue
expect Bank.Credits.Caption "Your credits: $ 12,500"
expect Bank.LargeLoanLabel.Caption "Take this loan"
click Bank.LeaveLabel
expect Bank.Visible false
)";
  const platform::ScriptResult r = Run(script, &screens::OpenBank);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kLoan], 0);
  EXPECT_EQ(state::PlayerData[player::kCredits], 12500);
  EXPECT_EQ(sounds.effects.front(), "button.wav");
}

TEST_F(BankScreenTest, BondsBoughtThenLockedThenTooDear) {
  state::PlayerData[player::kCredits] = 40000;
  const std::string script = R"(
expect Bank.BondOffer.Caption "\"Be a patriot! Invest $ 25,000 and support your country. -6% to 2% a turn, no guarantees made!\""
click Bank.BuyBondsLabel
expect TextPopup.Topic.Caption "War bonds"
expect TextPopup.Text.Caption "Thank you for supporting your nation!"
expect Bank.BondValue.Caption "War bonds: $ 25,000"
answer continue
expect FamePopup.Text.Caption "You receive some experience points. The more you have the more likely you will be promoted."
)" + ScreenshotStep("FamePopup", "bank-bonds-fame.png") + R"(
answer continue
expect Bank.BondEffect.Caption "Effect on war efforts: Unknown yet"
expect Bank.BondSale.Caption "Selling possible in: 125 days"
)" + ScreenshotStep("Bank", "bank-bonds.png") + R"(
click Bank.SellBondsButton
expect TextPopup.Text.Caption "You cannot yet sell your war bonds."
answer continue
click Bank.BuyBondsButton
expect TextPopup.Text.Caption "You do not have enough money to buy war bonds."
answer continue
expect Bank.Credits.Caption "Your credits: $ 15,000"
key Escape
expect Bank.Visible false
)";
  const platform::ScriptResult r = Run(script, &screens::OpenBank);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kWarBonds], 25000);
  EXPECT_EQ(state::PlayerData[player::kWarBondLockDays], 125);
}

TEST_F(BankScreenTest, ButtonsLightOneAtATimeAndTheDoorOfThePlanetOpensTheBank) {
  const std::string script = R"(
click PlanetScreen.BankLabel
expect Bank.Visible true
move Bank.SmallLoanButton
expect Bank.SmallLoanButton.Picture "BankScreenON_06.jpg"
move Bank.LargeLoanLabel
expect Bank.SmallLoanButton.Picture "BankScreen_06.jpg"
expect Bank.LargeLoanButton.Picture "BankScreenON_12.jpg"
move Bank.BuyBondsButton
expect Bank.BuyBondsButton.Picture "BankScreenON_05.jpg"
move Bank.SellBondsLabel
expect Bank.SellBondsButton.Picture "BankScreenON_13.jpg"
move Bank.LeaveButton
expect Bank.SellBondsButton.Picture "BankScreen_13.jpg"
expect Bank.LeaveButton.Picture "BankScreenON_10.jpg"
click Bank.LeaveButton
expect Bank.Visible false
expect PlanetScreen.Visible true
click PlanetScreen.BackLabel
)";
  const platform::ScriptResult r = Run(script, &screens::OpenPlanetScreen);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(screens::PlanetScreenShowing());
}

}  // namespace
}  // namespace screens_test
