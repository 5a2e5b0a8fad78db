#include "screens/shared/tutorial_panel.h"

#include <algorithm>
#include <vector>

#include "audio/sound.h"
#include "screens/tutorial/tutorial.h"
#include "state/variables.h"

namespace screens {

namespace {

// The helpers alive now: every screen's panel and arrow, for HideAllTutorialGuidance.
template <class T>
std::vector<T*>& Alive() {
  static std::vector<T*> alive;
  return alive;
}

template <class T>
void Forget(T* helper) {
  auto& alive = Alive<T>();
  alive.erase(std::remove(alive.begin(), alive.end(), helper), alive.end());
}

}  // namespace

TutorialPanel::TutorialPanel(platform::Form& form)
    : form_(form),
      panel_(form.Get<platform::Panel>("TutorialPanel")),
      minimized_(form.Get<platform::Panel>("TutorialMinimizedPanel")),
      text1_(form.Get<platform::Label>("TutorialText1")),
      text2_(form.Get<platform::Label>("TutorialText2")),
      frame_(form.Get<platform::Shape>("TutorialFrame")),
      heading_(form.Get<platform::Label>("TutorialHeading")),
      minimizeButton_(*form.Find("TutorialMinimizeButton")),
      cancelButton_(*form.Find("TutorialCancelButton")) {
  form.Bind("OnTutorialMinimizeClick", [this](platform::Sender) {
    audio::PlayButtonSound();
    Minimize();
  });
  form.Bind("OnTutorialShowClick", [this](platform::Sender) {
    audio::PlayButtonSound();
    Restore();
  });
  form.Bind("OnTutorialCancelClick", [](platform::Sender) {
    audio::PlayButtonSound();
    AskTurnOffTutorial();
  });
  Alive<TutorialPanel>().push_back(this);
}

TutorialPanel::~TutorialPanel() { Forget(this); }

void TutorialPanel::Show(std::string_view text1, std::string_view text2, int left, int top,
                         int minimizedLeft, int minimizedTop) {
  panel_.SetBounds(left, top, panel_.Width(), panel_.Height());
  minimized_.SetBounds(minimizedLeft, minimizedTop, minimized_.Width(), minimized_.Height());
  Show(text1, text2);
}

void TutorialPanel::Show(std::string_view text1, std::string_view text2) {
  text1_.SetCaption(std::string(text1));
  text2_.SetCaption(std::string(text2));
  FitToTexts();
  minimized_.Hide();
  panel_.Show();
  panel_.BringToFront();
}

void TutorialPanel::FitToTexts() {
  constexpr int kGap = 8;
  auto below = [](const platform::Control& c, int gap) { return c.Top() + c.Height() + gap; };
  auto place = [](platform::Control& c, int top, int height) {
    c.SetBounds(c.Left(), top, c.Width(), height);
  };
  place(text1_, text1_.Top(), std::max(text1_.TextHeight(), 14));
  place(heading_, below(text1_, kGap), heading_.Height());
  place(text2_, below(heading_, 2), std::max(text2_.TextHeight(), 14));
  place(minimizeButton_, below(text2_, kGap), minimizeButton_.Height());
  place(cancelButton_, below(text2_, kGap), cancelButton_.Height());
  const int height = below(cancelButton_, 10);
  panel_.SetBounds(panel_.Left(), panel_.Top(), panel_.Width(), height);
  frame_.SetBounds(frame_.Left(), frame_.Top(), frame_.Width(), height);
}

void TutorialPanel::Hide() {
  panel_.Hide();
  minimized_.Hide();
}

void TutorialPanel::Minimize() {
  panel_.Hide();
  minimized_.Show();
  minimized_.BringToFront();
}

void TutorialPanel::Restore() {
  minimized_.Hide();
  panel_.Show();
  panel_.BringToFront();
}

TutorialArrow::TutorialArrow(platform::Form& form)
    : form_(form),
      arrow_(form.Get<platform::Panel>("TutorialArrow")),
      timer_(form.Get<platform::Timer>("TutorialArrowTimer")) {
  form.Bind("OnTutorialArrowTimer", [this](platform::Sender) {
    if (state::TutorialActive == 1) arrow_.SetVisible(!arrow_.Visible());
  });
  Alive<TutorialArrow>().push_back(this);
}

TutorialArrow::~TutorialArrow() { Forget(this); }

void TutorialArrow::Start(int left, int top, bool shownNow) {
  MoveTo(left, top);
  arrow_.SetVisible(shownNow);
  arrow_.BringToFront();
  timer_.SetEnabled(true);
}

bool TutorialArrow::PointAt(std::string_view control, rules::ArrowSide side, bool shownNow) {
  const platform::Control* target = form_.Find(control);
  if (!target) return false;
  // The control's place in the form: its own place plus that of every panel around it.
  int left = target->Left(), top = target->Top();
  for (const platform::Control* p = target->Parent(); p && p != &form_; p = p->Parent()) {
    left += p->Left();
    top += p->Top();
  }
  const int w = arrow_.Width(), h = arrow_.Height();
  switch (side) {
    case rules::ArrowSide::Inside:
      left += target->Width() - w - 2;
      top += 2;
      break;
    case rules::ArrowSide::Above:
      left += (target->Width() - w) / 2;
      top -= h + 2;
      break;
    case rules::ArrowSide::Right:
      left += target->Width() + 4;
      top += (target->Height() - h) / 2;
      break;
    case rules::ArrowSide::Below:
      left += (target->Width() - w) / 2;
      top += target->Height() + 2;
      break;
  }
  Start(left, top, shownNow);
  return true;
}

void TutorialArrow::MoveTo(int left, int top) {
  arrow_.SetBounds(left, top, arrow_.Width(), arrow_.Height());
}

void TutorialArrow::Stop() {
  timer_.SetEnabled(false);
  arrow_.Hide();
}

TutorialPanel* FindTutorialPanel(std::string_view formName) {
  for (TutorialPanel* panel : Alive<TutorialPanel>())
    if (panel->Owner().Name() == formName) return panel;
  return nullptr;
}

TutorialArrow* FindTutorialArrow(std::string_view formName) {
  for (TutorialArrow* arrow : Alive<TutorialArrow>())
    if (arrow->Owner().Name() == formName) return arrow;
  return nullptr;
}

void HideAllTutorialGuidance() {
  for (TutorialPanel* panel : Alive<TutorialPanel>()) panel->Hide();
  for (TutorialArrow* arrow : Alive<TutorialArrow>()) arrow->Stop();
}

}  // namespace screens
