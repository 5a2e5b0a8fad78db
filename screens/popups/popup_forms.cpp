#include "screens/popups/popup_forms.h"

#include <algorithm>
#include <stdexcept>

#include "audio/sound.h"
#include "platform/application.h"
#include "screens/shared/game_forms.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;

std::int32_t YesNoAnswer = 0;
std::int32_t ChoiceAnswer = 0;
std::int32_t QuitGameAnswer = 0;

namespace {

// The quit question's close permission: its own, since it may stand over the yes/no popup.
std::uint8_t QuitGamePopupMayClose = 0;

// The small question popup's two answers, lit under the mouse.
const std::vector<MessagePopup::ButtonPictures> kYesNoButtons = {
    {"YesButton", "Message4Int_02.jpg", "Message4Int_02_Highlighted.jpg"},
    {"NoButton", "Message4Int_03.jpg", "Message4Int_03_Highlighted.jpg"}};

std::vector<PictureButton> Buttons(const platform::Form& form,
                                   const std::vector<MessagePopup::ButtonPictures>& pictures) {
  std::vector<PictureButton> buttons;
  for (const auto& p : pictures) buttons.emplace_back(form.Get<Image>(p.image), p.normal, p.lit);
  return buttons;
}

}  // namespace

// ---- shared ------------------------------------------------------------------------------------

MessagePopup::MessagePopup(std::string name, std::uint8_t& mayClose,
                           std::vector<ButtonPictures> buttons, bool litInContinueTag)
    : Form(std::move(name)),
      guard_(*this, mayClose),
      buttons_(Buttons(*this, buttons),
               litInContinueTag ? LitState::InTag(Get<Image>("ContinueButton")) : LitState::In(lit_)),
      text_(&Get<Label>("Text")) {
  designedForm_ = {Left(), Top(), Width(), Height()};
  for (const auto& child : Children())
    designed_.push_back({child.get(), {child->Left(), child->Top(), child->Width(), child->Height()}});
  // Every popup has a hidden Continue button on a hidden panel.
  Bind("OnCloseClick", &MessagePopup::OnCloseClick);
  Bind("OnFaceHover", &MessagePopup::OnFaceHover);
  if (buttons_.Count() == 1) {
    Bind("OnContinueHover", &MessagePopup::OnContinueHover);
  } else {
    Bind("OnYesHover", &MessagePopup::OnContinueHover);
    Bind("OnNoHover", &MessagePopup::OnNoHover);
  }
}

void MessagePopup::FitToText() {
  for (const Placed& p : designed_)
    p.control->SetBounds(p.bounds.x, p.bounds.y, p.bounds.w, p.bounds.h);
  SetBounds(designedForm_.x, designedForm_.y, designedForm_.w, designedForm_.h);
  const int top = text_->Top();
  const int designedBottom = top + text_->Height();
  const int room = platform::kScreenHeight - designedForm_.h + text_->Height();
  const int needed = std::clamp(text_->TextHeight() + 4, kMinTextHeight, std::max(kMinTextHeight, room));
  const int delta = needed - text_->Height();
  if (delta == 0) return;
  text_->SetBounds(text_->Left(), top, text_->Width(), needed);
  for (const Placed& p : designed_) {
    const platform::Rect& r = p.bounds;
    if (r.y >= designedBottom) p.control->SetBounds(r.x, r.y + delta, r.w, r.h);
    else if (r.y + r.h > designedBottom) p.control->SetBounds(r.x, r.y, r.w, r.h + delta);
  }
  SetBounds(designedForm_.x, designedForm_.y, designedForm_.w, designedForm_.h + delta);
}

void MessagePopup::OnCloseClick() {
  audio::PlayButtonSound();
  CloseByButton();
}

// ---- the eight popups --------------------------------------------------------------------------

PicturePopup::PicturePopup()
    : TopicPopup("PicturePopup", state::PicturePopupMayClose,
                 {{"ContinueButton", "Message1Int_06.jpg", "Message1Int_06_Highlighted.jpg"}}) {
  Bind("OnContinueClick", &PicturePopup::OnContinueClick);
}

void PicturePopup::OnContinueClick() {
  audio::PlayButtonSound();
  buttons_.Restore();
  CloseByButton();
}

QuestionPopup::QuestionPopup(std::string name, std::uint8_t& mayClose,
                             std::vector<ButtonPictures> buttons, std::int32_t& answer)
    : TopicPopup(std::move(name), mayClose, std::move(buttons)), answer_(answer) {
  Bind("OnYesClick", [this](platform::Sender) { Answer(1); });
  Bind("OnNoClick", [this](platform::Sender) { Answer(2); });
}

void QuestionPopup::Answer(int answer) {
  answer_ = answer;
  audio::PlayButtonSound();
  buttons_.RestoreAll();
  CloseByButton();
}

ChoicePopup::ChoicePopup()
    : QuestionPopup("ChoicePopup", state::ChoicePopupMayClose,
                    {{"YesButton", "Message2Int_06.jpg", "Message2Int_06_Highlighted.jpg"},
                     {"NoButton", "Message2Int_07.jpg", "Message2Int_07_Highlighted.jpg"}},
                    ChoiceAnswer) {}

TextPopup::TextPopup()
    : TopicPopup("TextPopup", state::TextPopupMayClose,
                 {{"ContinueButton", "Message3Int_02.jpg", "Message3Int_02_Highlighted.jpg"}}),
      actionPointBlock_{&Get<Label>("ActionPointLine"), &Get<Label>("ActionPointHeader"),
                        &ActionPoints} {
  Bind("OnContinueClick", &TextPopup::OnContinueClick);
}

void TextPopup::OnContinueClick() {
  audio::PlayButtonSound();
  ShowActionPointBlock(false);
  buttons_.Restore();
  CloseByButton();
}

void TextPopup::ShowActionPointBlock(bool show) {
  for (Label* label : actionPointBlock_) label->SetVisible(show);
}

YesNoPopup::YesNoPopup()
    : QuestionPopup("YesNoPopup", state::YesNoPopupMayClose, kYesNoButtons, YesNoAnswer) {}

QuitGamePopup::QuitGamePopup()
    : QuestionPopup("QuitGamePopup", QuitGamePopupMayClose, kYesNoButtons, QuitGameAnswer) {}

EncounterPopup::EncounterPopup()
    : TopicPopup("EncounterPopup", state::EncounterPopupMayClose,
                 {{"ContinueButton", "EncounterScreen_06.jpg", "EncounterScreenHIGHLIGHT_06.jpg"}},
                 /*litInContinueTag=*/true) {
  Bind("OnCornerClick", [](platform::Sender) {});
}

FamePopup::FamePopup()
    : MessagePopup("FamePopup", state::FamePopupMayClose,
                   {{"ContinueButton", "ReputationScreen_06.jpg",
                     "ReputationScreenHIGHLIGHT_06.jpg"}},
                   /*litInContinueTag=*/true) {
  Bind("OnCornerClick", [](platform::Sender) {});
}

RewardPopup::RewardPopup()
    : MessagePopup("RewardPopup", state::RewardPopupMayClose,
                   {{"ContinueButton", "CreditsReceivedScreen_06.jpg",
                     "CreditsReceivedScreenHIGHLIGHT_06.jpg"}},
                   /*litInContinueTag=*/true) {
  Bind("OnCornerClick", [](platform::Sender) {});
}

NoticePopup::NoticePopup()
    : TopicPopup("NoticePopup", state::NoticePopupMayClose,
                 {{"ContinueButton", "FlaggedCriminalScreen_07.jpg",
                   "FlaggedCriminalScreen_07_Highlighted.jpg"}}) {
  Bind("OnCornerClick", [](platform::Sender) {});
}

void NoticePopup::ShowScoreLines(bool show) {
  scoreLine_.SetVisible(show);
  ScoreText.SetVisible(show);
}

// ---- answering by script -----------------------------------------------------------------------

std::string PopupAnswerButton(std::string_view answer) {
  struct Answer {
    const platform::Form* popup;
    std::string_view answer;
    const char* button;
  };
  const Answer answers[] = {
      {&GameForm<PicturePopup>(), "continue", "ContinueButton"},
      {&GameForm<ChoicePopup>(), "yes", "YesButton"},
      {&GameForm<ChoicePopup>(), "no", "NoButton"},
      {&GameForm<TextPopup>(), "continue", "ContinueButton"},
      {&GameForm<YesNoPopup>(), "yes", "YesButton"},
      {&GameForm<YesNoPopup>(), "no", "NoButton"},
      {&GameForm<QuitGamePopup>(), "yes", "YesButton"},
      {&GameForm<QuitGamePopup>(), "no", "NoButton"},
      {&GameForm<EncounterPopup>(), "continue", "ContinueButton"},
      {&GameForm<FamePopup>(), "continue", "ContinueButton"},
      {&GameForm<RewardPopup>(), "continue", "ContinueButton"},
      {&GameForm<NoticePopup>(), "continue", "ContinueButton"},
  };
  const auto& modal = platform::App().ModalStack();
  const platform::Form* open = modal.empty() ? nullptr : modal.back();
  if (!open) throw std::runtime_error("no popup is open");
  bool isPopup = false;
  for (const Answer& a : answers) {
    if (a.popup != open) continue;
    isPopup = true;
    if (a.answer == answer) return open->Name() + "." + a.button;
  }
  if (!isPopup) throw std::runtime_error("no popup is open (" + open->Name() + " is)");
  throw std::runtime_error(open->Name() + " takes no answer \"" + std::string(answer) + "\"");
}

}  // namespace screens
