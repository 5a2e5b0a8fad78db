#include "screens/travel/message_popups.h"

#include <stdexcept>

#include "audio/sound.h"
#include "platform/application.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

std::int32_t DialogResult = 0;
std::int32_t Message2Result = 0;

TFMessage1* FMessage1 = nullptr;
TFMessage2* FMessage2 = nullptr;
TFMessage3* FMessage3 = nullptr;
TFMessage4* FMessage4 = nullptr;
TFMessage5* FMessage5 = nullptr;
TFMessage6* FMessage6 = nullptr;
TFMessage7* FMessage7 = nullptr;
TFMessage8* FMessage8 = nullptr;

// ---- shared ------------------------------------------------------------------------------------

MessagePopup::MessagePopup(std::string name, std::uint8_t& mayClose,
                           std::vector<PictureButton> buttons)
    : Form(std::move(name)), guard_(*this, mayClose), buttons_(std::move(buttons)) {
  // Every popup has a hidden Continue button on a hidden panel; those that have no Continue of
  // their own under that name rebind it.
  Bind("SpeedButton1Click", [this](Sender) {
    audio::PlayButtonSound();
    CloseByButton();
  });
  for (const PictureButton& b : buttons_) Get<Image>(b.image);
}

void MessagePopup::Requires(std::initializer_list<const char*> labels,
                            std::initializer_list<const char*> images) const {
  for (const char* name : labels) Get<Label>(name);
  for (const char* name : images) Get<Image>(name);
}

void MessagePopup::LoadButton(int k, bool lit) {
  const PictureButton& b = buttons_.at(static_cast<std::size_t>(k - 1));
  Get<Image>(b.image).LoadPicture(lit ? b.highlighted : b.normal);
}

void MessagePopup::HoverButton(int k) {
  const int lit = HoverState();
  if (lit == k) return;
  if (lit >= 1 && lit <= static_cast<int>(buttons_.size())) LoadButton(lit, false);
  LoadButton(k, true);
  SetHoverState(k);
}

void MessagePopup::RestoreHover() {
  const int lit = HoverState();
  if (lit < 1 || lit > static_cast<int>(buttons_.size())) return;
  LoadButton(lit, false);
  SetHoverState(0);
}

void MessagePopup::RestoreAllButtons() {
  for (int k = 1; k <= static_cast<int>(buttons_.size()); ++k) LoadButton(k, false);
  SetHoverState(0);
}

ContinuePopup::ContinuePopup(std::string name, std::uint8_t& mayClose,
                             PictureButton continueButton, bool stateInTag)
    : MessagePopup(std::move(name), mayClose, {continueButton}),
      continueImage_(continueButton.image),
      stateInTag_(stateInTag) {
  // Continue, its label and the hidden button all close the popup; the picture stays as it is.
  Bind("SpeedButton1Click", [this](Sender) {
    audio::PlayButtonSound();
    CloseByButton();
  });
  Bind("Image7Click", [](Sender) {});
}

int ContinuePopup::HoverState() const {
  return stateInTag_ ? Get<Image>(continueImage_).Tag() : MessagePopup::HoverState();
}

void ContinuePopup::SetHoverState(int k) {
  if (stateInTag_) Get<Image>(continueImage_).SetTag(k);
  else MessagePopup::SetHoverState(k);
}

// ---- the eight popups --------------------------------------------------------------------------

TFMessage1::TFMessage1()
    : MessagePopup("FMessage1", state::Message1MayClose,
                   {{"Interface6", "Message1Int_06.jpg", "Message1Int_06_Highlighted.jpg"}}) {
  Requires({"Topic", "LabelText"}, {"Image1"});
  Bind("Interface6Click", [this](Sender) { Interface6Click(); });
  Bind("Interface6MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image10MouseMove", [this](Sender) { RestoreHover(); });
}

void TFMessage1::Interface6Click() {
  audio::PlayButtonSound();
  RestoreHover();
  CloseByButton();
}

TFMessage2::TFMessage2()
    : MessagePopup("FMessage2", state::Message2MayClose,
                   {{"Interface6", "Message2Int_06.jpg", "Message2Int_06_Highlighted.jpg"},
                    {"Interface7", "Message2Int_07.jpg", "Message2Int_07_Highlighted.jpg"}}) {
  Requires({"Topic", "LabelText", "Label1", "Label2"}, {"Image1"});
  Bind("Interface6Click", [this](Sender) { Answer(1); });
  Bind("Interface7Click", [this](Sender) { Answer(2); });
  Bind("Interface6MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Interface7MouseMove", [this](Sender) { HoverButton(2); });
  Bind("Image10MouseMove", [this](Sender) { RestoreHover(); });
}

void TFMessage2::Answer(int answer) {
  Message2Result = answer;
  audio::PlayButtonSound();
  RestoreAllButtons();
  CloseByButton();
}

TFMessage3::TFMessage3()
    : MessagePopup("FMessage3", state::Message3MayClose,
                   {{"Interface2", "Message3Int_02.jpg", "Message3Int_02_Highlighted.jpg"}}) {
  Requires({"Topic", "LabelText", "LabelText2Line", "LabelText2Header", "LabelText2"}, {});
  Bind("Interface2Click", [this](Sender) { Interface2Click(); });
  Bind("Interface2MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image10MouseMove", [this](Sender) { RestoreHover(); });
}

void TFMessage3::Interface2Click() {
  audio::PlayButtonSound();
  ShowApBlock(false);
  RestoreHover();
  CloseByButton();
}

void TFMessage3::ShowApBlock(bool show) {
  for (const char* name : {"LabelText2Line", "LabelText2Header", "LabelText2"})
    Get<Label>(name).SetVisible(show);
}

TFMessage4::TFMessage4()
    : MessagePopup("FMessage4", state::Message4MayClose,
                   {{"Interface2", "Message4Int_02.jpg", "Message4Int_02_Highlighted.jpg"},
                    {"Interface3", "Message4Int_03.jpg", "Message4Int_03_Highlighted.jpg"}}) {
  Requires({"Topic", "LabelText"}, {});
  Bind("Interface2Click", [this](Sender) { Answer(1); });
  Bind("Interface3Click", [this](Sender) { Answer(2); });
  Bind("Interface2MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Interface3MouseMove", [this](Sender) { HoverButton(2); });
  Bind("Image1MouseMove", [this](Sender) { RestoreHover(); });
}

void TFMessage4::Answer(int answer) {
  DialogResult = answer;
  audio::PlayButtonSound();
  RestoreAllButtons();
  CloseByButton();
}

TFMessage5::TFMessage5()
    : ContinuePopup("FMessage5", state::Message5MayClose,
                    {"Interface6", "EncounterScreen_06.jpg", "EncounterScreenHIGHLIGHT_06.jpg"}) {
  Requires({"Topic", "Label1", "LabelText"}, {"Image1"});
  Bind("Interface6Click", [this](Sender) {
    audio::PlayButtonSound();
    CloseByButton();
  });
  Bind("Interface6MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image10MouseMove", [this](Sender) { RestoreHover(); });
}

TFMessage6::TFMessage6()
    : ContinuePopup("FMessage6", state::Message6MayClose,
                    {"Interface6", "ReputationScreen_06.jpg", "ReputationScreenHIGHLIGHT_06.jpg"}) {
  Requires({"LabelText"}, {"Image1"});
  Bind("Interface6MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image2MouseMove", [this](Sender) { RestoreHover(); });
}

TFMessage7::TFMessage7()
    : ContinuePopup("FMessage7", state::Message7MayClose,
                    {"Interface6", "CreditsReceivedScreen_06.jpg",
                     "CreditsReceivedScreenHIGHLIGHT_06.jpg"}) {
  Requires({"LabelText"}, {"Image1"});
  Bind("Interface6MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image2MouseMove", [this](Sender) { RestoreHover(); });
}

TFMessage8::TFMessage8()
    : ContinuePopup("FMessage8", state::Message8MayClose,
                    {"Interface7", "FlaggedCriminalScreen_07.jpg",
                     "FlaggedCriminalScreen_07_Highlighted.jpg"},
                    /*stateInTag=*/false) {
  Requires({"Topic", "Topic2", "LabelText", "RetirementScreen_Line", "RetirementScreen_ScoreText"},
           {"Interface3"});
  Bind("Interface7MouseMove", [this](Sender) { HoverButton(1); });
  Bind("Image1MouseMove", [this](Sender) { RestoreHover(); });
}

void TFMessage8::ShowScoreLines(bool show) {
  Get<Label>("RetirementScreen_Line").SetVisible(show);
  Get<Label>("RetirementScreen_ScoreText").SetVisible(show);
}

// ---- answering by script -----------------------------------------------------------------------

std::string PopupAnswerButton(std::string_view answer) {
  struct Answer {
    const platform::Form* popup;
    std::string_view answer;
    const char* button;
  };
  const Answer answers[] = {
      {FMessage1, "continue", "Interface6"},
      {FMessage2, "yes", "Interface6"},       {FMessage2, "no", "Interface7"},
      {FMessage3, "continue", "Interface2"},
      {FMessage4, "yes", "Interface2"},       {FMessage4, "no", "Interface3"},
      {FMessage5, "continue", "Interface6"},
      {FMessage6, "continue", "Interface6"},
      {FMessage7, "continue", "Interface6"},
      {FMessage8, "continue", "Interface7"},
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
