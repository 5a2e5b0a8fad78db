#include "screens/combat/boarding_screen.h"

#include <string>

#include "audio/sound.h"
#include "combat/boarding_outcome.h"
#include "screens/combat/boarding_view.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "state/crew.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::MouseButton;
using platform::Sender;

namespace {

// Component name stems, in the order of the view's rows.
constexpr const char* kCrewNames[state::kCrewKindCount] = {"Crewmen", "Officers", "Pirates", "Marines",
                                                "Droids"};
constexpr const char* kDefenderNames[kDefenderKinds] = {"EnemyCrewmen", "EnemyMarines",
                                                        "EnemyDroids"};

// The picture components of the attack buttons, by hover index 1..4.
constexpr const char* kButtonImages[] = {"CommandoButton", "StandardAttackButton", "EmpButton",
                                         "RetreatButton"};

std::vector<PictureButton> AttackButtons(const platform::Form& form) {
  std::vector<PictureButton> buttons;
  for (int k = BoardingScreen::kCommandoButton; k <= BoardingScreen::kRetreatButton; ++k) {
    const combat::HoverPictures pictures = combat::AttackButtonPictures(k);
    buttons.emplace_back(form.Get<Image>(kButtonImages[k - 1]), std::string(pictures.normal),
                         std::string(pictures.highlighted));
  }
  return buttons;
}

std::vector<Label*> Named(const platform::Form& form, const char* const* stems, int count,
                          const char* suffix) {
  std::vector<Label*> labels;
  for (int k = 0; k < count; ++k) labels.push_back(&form.Get<Label>(std::string(stems[k]) + suffix));
  return labels;
}

combat::BoardingAttack AttackOf(int hoverIndex) {
  switch (hoverIndex) {
    case BoardingScreen::kCommandoButton: return combat::BoardingAttack::Commando;
    case BoardingScreen::kEmpButton: return combat::BoardingAttack::Emp;
    default: return combat::BoardingAttack::Standard;
  }
}

}  // namespace

// The boarding rules reach the screen through this: redraws, the two-caption question, closing.
class BoardingScreen::FightUi : public combat::BoardingUi {
 public:
  FightUi(combat::CombatUi& combat, BoardingScreen& screen) : BoardingUi(combat), screen_(screen) {}

  void Refresh() override { screen_.RefreshBoardingScreen(); }
  // Every popup is modal and closed before the call that showed it returns, so none can still
  // be open when an exchange is resolved.
  void HidePopups() override {}
  // Both answers act ("Ransom" / "Capture", "Sell it" / "Keep it"): only a click chooses.
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    return popups::Choose(topic, text, picture, first, second, popups::EscapeKey::DoesNothing);
  }
  // The rules have granted the close; the screen's loop carries it out once the click that ended
  // the fight has been handled.
  void Close() override {
    closed_ = true;
    screen_.Close();
  }
  bool IsClosed() const override { return closed_; }

 private:
  BoardingScreen& screen_;
  bool closed_ = false;
};

BoardingScreen::BoardingScreen()
    : Form("Boarding"),
      guard_(*this, state::BoardingMayClose),
      buttons_(AttackButtons(*this)),
      crewCounts_(Named(*this, kCrewNames, state::kCrewKindCount, "Count")),
      defenderCounts_(Named(*this, kDefenderNames, kDefenderKinds, "Count")) {
  compatibilityLabels_ = areaLabels_;
  for (Label* l : Named(*this, kCrewNames, state::kCrewKindCount, "Text")) compatibilityLabels_.push_back(l);
  for (Label* l : Named(*this, kDefenderNames, kDefenderKinds, "Text"))
    compatibilityLabels_.push_back(l);
  Bind("OnAttackMouseDown", &BoardingScreen::OnAttackMouseDown);
  Bind("OnRetreatClick", &BoardingScreen::OnRetreatClick);
  Bind("OnAreaMouseDown", &BoardingScreen::OnAreaMouseDown);
  Bind("OnCrewMouseDown", &BoardingScreen::OnCrewMouseDown);
  Bind("OnAttackHover", &BoardingScreen::OnAttackHover);
  Bind("OnFaceHover", &BoardingScreen::OnFaceHover);
}

BoardingScreen::~BoardingScreen() = default;

void BoardingScreen::Fight(combat::CombatUi& combat) {
  fight_ = std::make_unique<FightUi>(combat, *this);
  buttons_.RestoreAll();
  // Each fight starts guarded: only its own endings may close the screen.
  state::BoardingMayClose = 0;
  combat::StartBoardingFight(*fight_);
  ShowModal();
  fight_.reset();
}

void BoardingScreen::RefreshBoardingScreen() {
  const BoardingView view = BuildBoardingView();
  for (int k = 0; k < state::kCrewKindCount; ++k) crewCounts_[k]->SetCaption(view.crew[k]);
  for (int k = 0; k < kDefenderKinds; ++k) defenderCounts_[k]->SetCaption(view.defenders[k]);
  for (int k = 0; k < kBoardingAreas; ++k) {
    const BoardingAreaView& area = view.areas[k];
    Image& picture = *areaPictures_[k];
    if (area.visible && picture.PictureName() != area.picture) picture.LoadPicture(area.picture);
    picture.SetVisible(area.visible);
    areaLabels_[k]->SetCaption(area.label);
  }
  for (Label* label : compatibilityLabels_) label->SetVisible(view.compatibilityLabels);
  attacksLive_ = view.attacksLive;
}

void BoardingScreen::OnAttackMouseDown(Sender s) {
  if (!fight_) return;
  const combat::BoardingAttack kind = AttackOf(s.sender.Tag());
  if (s.button == MouseButton::Right)
    combat::ExplainBoardingAttack(kind, *fight_);
  else if (s.button == MouseButton::Left)
    combat::BoardingExchange(kind, *fight_);
}

void BoardingScreen::OnRetreatClick() {
  if (fight_) combat::RetreatFromBoarding(*fight_);
}

void BoardingScreen::OnAreaMouseDown(Sender s) {
  if (fight_) combat::ChooseBoardingArea(s.sender.Tag(), *fight_);
}

void BoardingScreen::OnCrewMouseDown(Sender s) {
  const int kind = s.sender.Tag();
  if (kind < 1 || kind > state::kCrewKindCount) return;
  audio::PlayButtonSound();
  const state::CrewKindInfo info = state::GetCrewKindInfo(static_cast<state::CrewKind>(kind));
  if (fight_)
    fight_->Combat().ShowPopup(combat::CombatPopup::Text, info.topic, info.text);
  else
    popups::ShowText(info.topic, info.text);
}

void BoardingScreen::OnAttackHover(Sender s) {
  // Retreat lights at any time, the attacks only while fighting in an area.
  const int k = s.sender.Tag();
  if (k == kRetreatButton || attacksLive_) buttons_.Hover(k);
}

void OpenBoardingScreen(combat::CombatUi& combat) {
  GameForm<BoardingScreen>().Fight(combat);
}

}  // namespace screens
