#include "screens/shared/tutorial_panel.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "audio/sound.h"
#include "platform/canvas.h"
#include "screens/shared/doors.h"
#include "state/variables.h"

namespace screens {

namespace {

// The panel's distance from the edges of its form.
constexpr int kEdge = 8;

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

bool Captioned(const platform::Control& c) {
  return (c.kind() == platform::Kind::Label || c.kind() == platform::Kind::Button ||
          c.kind() == platform::Kind::SpeedButton) &&
         !c.Caption().empty();
}

// Whether `c` is `holder` or lies inside it.
bool Within(const platform::Control& c, const platform::Control& holder) {
  for (const platform::Control* p = &c; p; p = p->Parent())
    if (p == &holder) return true;
  return false;
}

// Whether the player clicks `c`: a click, double click or press is bound to it.
bool Clicked(const platform::Control& c) {
  using platform::Event;
  return !c.HandlerName(Event::Click).empty() || !c.HandlerName(Event::DblClick).empty() ||
         !c.HandlerName(Event::MouseDown).empty();
}

}  // namespace

std::vector<platform::Rect> OtherControls(const platform::Form& form, const platform::Control& target) {
  std::vector<platform::Rect> out;
  const platform::Rect t = target.ScreenRect();
  for (platform::Control* c : form.AllControls()) {
    if (c == &target || c->Name() == "TutorialArrow" || !c->VisibleInForm()) continue;
    switch (c->kind()) {
      case platform::Kind::Shape: case platform::Kind::Panel: case platform::Kind::GroupBox:
      case platform::Kind::Timer: case platform::Kind::ProgressBar:
        continue;
      case platform::Kind::Image:
        if (!Clicked(*c)) continue;
        break;
      case platform::Kind::Label:
        if (!Captioned(*c)) continue;
        break;
      default: break;
    }
    const platform::Rect r = ShownRect(*c);
    if (r.x <= t.x && r.y <= t.y && r.x + r.w >= t.x + t.w && r.y + r.h >= t.y + t.h) continue;
    out.push_back(r);
  }
  return out;
}

TutorialPanel::TutorialPanel(platform::Form& form)
    : form_(form),
      panel_(form.Get<platform::Panel>("TutorialPanel")),
      minimized_(form.Get<platform::Panel>("TutorialMinimizedPanel")),
      text1_(form.Get<platform::Label>("TutorialText1")),
      text2_(form.Get<platform::Label>("TutorialText2")),
      frame_(form.Get<platform::Shape>("TutorialFrame")),
      layoutPlace_(panel_.Bounds()),
      layoutTwinPlace_(minimized_.Bounds()),
      heading_(form.Get<platform::Label>("TutorialHeading")),
      minimizeButton_(*form.Find("TutorialMinimizeButton")),
      cancelButton_(*form.Find("TutorialCancelButton")),
      layoutMinimize_(minimizeButton_.Bounds()),
      layoutCancel_(cancelButton_.Bounds()) {
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
                         int minimizedLeft, int minimizedTop,
                         const std::vector<platform::Rect>& keepClear,
                         const std::vector<platform::Rect>& rather) {
  Shrink();
  SetPanelWidth(layoutPlace_.w);
  panel_.SetBounds(left, top, panel_.Width(), panel_.Height());
  text1_.SetCaption(std::string(text1));
  text2_.SetCaption(std::string(text2));
  FitToTexts();
  minimized_.Hide();
  panel_.Show();
  panel_.BringToFront();
  // The height follows the texts, so the place is chosen once they are in: at the layout's width
  // where there is room, else wider and so lower, where a wider panel finds a clear place. A screen
  // too full for the panel at all widens to take it at its right.
  std::vector<platform::Rect> both = keepClear;
  both.insert(both.end(), rather.begin(), rather.end());
  std::optional<platform::Rect> place;
  const std::vector<platform::Rect>* tiers[] = {&both, &keepClear};
  for (const std::vector<platform::Rect>* clearOf : tiers) {
    for (int extra = 0; extra <= 560; extra += 16) {
      if (place || layoutPlace_.w + extra + 2 * kEdge > form_.Width()) continue;
      SetPanelWidth(layoutPlace_.w + extra);
      FitToTexts();
      place = ClearPlace(left, top, panel_.Width(), panel_.Height(), *clearOf);
    }
  }
  if (!place) {
    SetPanelWidth(layoutPlace_.w);
    FitToTexts();
    grownFrom_ = form_.Width();
    form_.SetWidth(form_.Width() + panel_.Width() + 2 * kEdge);
    form_.SetPaintedWidth(*grownFrom_);  // the panel stands beside the screen, not on a slab
    place = platform::Rect{*grownFrom_ + kEdge, kEdge, panel_.Width(), panel_.Height()};
  }
  panel_.SetBounds(place->x, place->y, panel_.Width(), panel_.Height());
  // The minimised twin waits where it covers none of that either, nor any text of the screen.
  std::vector<platform::Rect> twinClear = keepClear;
  for (platform::Control* c : form_.AllControls())
    if (Captioned(*c) && c->VisibleInForm() && !Within(*c, panel_)) twinClear.push_back(ShownRect(*c));
  const std::optional<platform::Rect> twin =
      ClearPlace(minimizedLeft, minimizedTop, minimized_.Width(), minimized_.Height(), twinClear);
  minimized_.SetBounds(twin ? twin->x : minimizedLeft, twin ? twin->y : minimizedTop,
                       minimized_.Width(), minimized_.Height());
}

std::optional<platform::Rect> TutorialPanel::ClearPlace(
    int left, int top, int w, int h, const std::vector<platform::Rect>& keepClear) const {
  // The form's origin on the screen, to compare the panel's places with the screen rectangles.
  const platform::Rect formRect = form_.ScreenRect();
  const int originX = formRect.x, originY = formRect.y;
  // A few pixels of air around the panel, so that it does not touch what it leaves free.
  constexpr int kAir = 3;
  auto clear = [&](int x, int y) {
    const platform::Rect r{originX + x - kAir, originY + y - kAir, w + 2 * kAir, h + 2 * kAir};
    return std::none_of(keepClear.begin(), keepClear.end(),
                        [&](const platform::Rect& k) { return Overlap(r, k); });
  };
  const int width = grownFrom_ ? *grownFrom_ : form_.Width();
  if (left >= 0 && top >= 0 && left + w <= width && top + h <= form_.PaintedHeight() && clear(left, top))
    return platform::Rect{left, top, w, h};
  // The nearest clear place on a grid over the form, kept off its edges.
  constexpr int kGrid = 4;
  std::optional<platform::Rect> best;
  long bestDistance = -1;
  for (int y = kEdge; y + h + kEdge <= form_.PaintedHeight(); y += kGrid) {
    for (int x = kEdge; x + w + kEdge <= width; x += kGrid) {
      const long d = static_cast<long>(x - left) * (x - left) + static_cast<long>(y - top) * (y - top);
      if ((bestDistance < 0 || d < bestDistance) && clear(x, y)) {
        best = platform::Rect{x, y, w, h};
        bestDistance = d;
      }
    }
  }
  return best;
}

void TutorialPanel::SetPanelWidth(int width) {
  const int grow = width - panel_.Width();
  if (grow == 0) return;
  panel_.SetWidth(width);
  frame_.SetWidth(frame_.Width() + grow);
  for (platform::Control* c : {static_cast<platform::Control*>(&text1_),
                               static_cast<platform::Control*>(&heading_),
                               static_cast<platform::Control*>(&text2_)})
    c->SetWidth(c->Width() + grow);
}

void TutorialPanel::Show(std::string_view text1, std::string_view text2,
                         const std::vector<platform::Rect>& keepClear,
                         const std::vector<platform::Rect>& rather) {
  Show(text1, text2, layoutPlace_.x, layoutPlace_.y, layoutTwinPlace_.x, layoutTwinPlace_.y,
       keepClear, rather);
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
  // A panel made wide enough holds its buttons at the right of its topic, and is lower by them.
  const platform::Rect& minimize = layoutMinimize_;
  const platform::Rect& cancel = layoutCancel_;
  const int rowWidth = cancel.x + cancel.w - minimize.x;
  const bool buttonsBesideTopic = panel_.Width() >= layoutPlace_.w + rowWidth;
  int height = 0;
  if (buttonsBesideTopic) {
    const int right = panel_.Width() - (layoutPlace_.w - (cancel.x + cancel.w));
    cancelButton_.SetBounds(right - cancel.w, 4, cancel.w, cancel.h);
    minimizeButton_.SetBounds(right - rowWidth, 4, minimize.w, minimize.h);
    height = below(text2_, 10);
  } else {
    minimizeButton_.SetBounds(minimize.x, below(text2_, kGap), minimize.w, minimize.h);
    cancelButton_.SetBounds(cancel.x, below(text2_, kGap), cancel.w, cancel.h);
    height = below(cancelButton_, 10);
  }
  panel_.SetBounds(panel_.Left(), panel_.Top(), panel_.Width(), height);
  frame_.SetBounds(frame_.Left(), frame_.Top(), frame_.Width(), height);
}

void TutorialPanel::Shrink() {
  if (grownFrom_) {
    form_.SetWidth(*grownFrom_);
    form_.SetPaintedWidth(std::nullopt);
  }
  grownFrom_.reset();
}

void TutorialPanel::Hide() {
  panel_.Hide();
  minimized_.Hide();
  Shrink();
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
      arrow_(form.Get<platform::Image>("TutorialArrow")),
      timer_(form.Get<platform::Timer>("TutorialArrowTimer")) {
  form.Bind("OnTutorialArrowTimer", [this](platform::Sender) {
    if (state::TutorialActive == 1) arrow_.SetVisible(!arrow_.Visible());
  });
  Alive<TutorialArrow>().push_back(this);
}

TutorialArrow::~TutorialArrow() { Forget(this); }

bool TutorialArrow::PointAt(std::string_view control, ArrowSide side, bool shownNow) {
  if (!Place(control, side)) return false;
  arrow_.SetVisible(shownNow);
  arrow_.BringToFront();
  timer_.SetEnabled(true);
  return true;
}

void TutorialArrow::MoveTo(std::string_view control, ArrowSide side) {
  Place(control, side);
}

bool TutorialArrow::Place(std::string_view control, ArrowSide side) {
  const platform::Control* target = form_.Find(control);
  if (!target) return false;
  Shrink();
  // The control's place in the form: its own place plus that of every panel around it.
  const platform::Rect screen = target->ScreenRect();
  const platform::Rect formRect = form_.ScreenRect();
  const platform::Rect t{screen.x - formRect.x, screen.y - formRect.y, screen.w, screen.h};
  constexpr int kLong = 34, kShort = 24, kGap = 2;
  // Beside the control on `s`, pointing at it, across from its middle, its start or its end
  // (the asked side first, wherever along it):
  // the pointer's picture and place in the form.
  struct Spot {
    const char* picture;
    platform::Rect r;
  };
  auto spot = [&](ArrowSide s, int along) -> Spot {
    const int x = along == 0 ? t.x + (t.w - kShort) / 2 : along < 0 ? t.x + 4 : t.x + t.w - kShort - 4;
    const int y = along == 0 ? t.y + (t.h - kShort) / 2 : along < 0 ? t.y + 2 : t.y + t.h - kShort - 2;
    switch (s) {
      case ArrowSide::Above: return {"TutorialPointer_down.bmp", {x, t.y - kLong - kGap, kShort, kLong}};
      case ArrowSide::Below: return {"TutorialPointer_up.bmp", {x, t.y + t.h + kGap, kShort, kLong}};
      case ArrowSide::Left: return {"TutorialPointer_right.bmp", {t.x - kLong - kGap, y, kLong, kShort}};
      case ArrowSide::Right: break;
    }
    return {"TutorialPointer_left.bmp", {t.x + t.w + kGap, y, kLong, kShort}};
  };
  // Where it covers no other control, in the form or else below it, at the foot of a control
  // whose every other side is taken (the screen then grows downwards to hold it); failing that
  // where it covers no caption at least.
  const std::vector<platform::Rect> controls = OtherControls(form_, *target);
  const std::vector<platform::Rect> captions = CaptionRects(form_);
  auto free = [&](const platform::Rect& r, const std::vector<platform::Rect>& others, int below) {
    if (r.x < 0 || r.y < 0 || r.x + r.w > form_.Width() || r.y + r.h > form_.Height() + below)
      return false;
    const platform::Rect onScreen{formRect.x + r.x, formRect.y + r.y, r.w, r.h};
    return std::none_of(others.begin(), others.end(),
                        [&](const platform::Rect& c) { return Overlap(onScreen, c); });
  };
  struct Pass {
    const std::vector<platform::Rect>* others;
    int below;  // how far past the form's foot the pointer may stand
  };
  Spot chosen = spot(side, 0);
  bool found = false;
  for (const Pass& pass : {Pass{&controls, 0}, Pass{&controls, kLong + kGap}, Pass{&captions, 0}}) {
    for (ArrowSide s : {side, ArrowSide::Right, ArrowSide::Above, ArrowSide::Left, ArrowSide::Below}) {
      for (int along : {0, -1, 1}) {
        if (!found && free(spot(s, along).r, *pass.others, pass.below)) {
          chosen = spot(s, along);
          found = true;
        }
      }
    }
  }
  if (chosen.r.y + chosen.r.h > form_.Height()) {
    grownFrom_ = form_.Height();
    form_.SetHeight(chosen.r.y + chosen.r.h);
    form_.SetPaintedHeight(*grownFrom_);  // the pointer stands below the screen, not on a slab
  }
  arrow_.LoadPicture(chosen.picture);
  arrow_.SetBounds(chosen.r.x, chosen.r.y, chosen.r.w, chosen.r.h);
  return true;
}

void TutorialArrow::Shrink() {
  if (grownFrom_) {
    form_.SetHeight(*grownFrom_);
    form_.SetPaintedHeight(std::nullopt);
  }
  grownFrom_.reset();
}

void TutorialArrow::Stop() {
  timer_.SetEnabled(false);
  arrow_.Hide();
  Shrink();
}

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

platform::Rect ShownRect(platform::Control& c) {
  const platform::Rect box = c.ScreenRect();
  if (!Captioned(c)) return box;
  // Where the text is drawn: a label's from its top, by its alignment (a wrapped one fills its
  // width); a button's in its middle.
  auto* label = c.kind() == platform::Kind::Label ? static_cast<platform::Label*>(&c) : nullptr;
  int w = 0, h = 0;
  platform::MeasureText(c.GetFont(), c.Caption(), w, h);
  if (label && label->WordWrap()) w = box.w, h = label->TextHeight();
  w = std::min(w, box.w);
  h = std::min(h, box.h);
  const platform::Align align = label ? label->Alignment() : platform::Align::Center;
  const int x = align == platform::Align::Left    ? 0
                : align == platform::Align::Right ? box.w - w
                                                  : (box.w - w) / 2;
  const int y = label ? 0 : (box.h - h) / 2;
  return {box.x + x, box.y + y, w, h};
}

std::vector<platform::Rect> CaptionRects(const platform::Form& form) {
  std::vector<platform::Rect> out;
  for (platform::Control* c : form.AllControls())
    if (Captioned(*c) && c->VisibleInForm()) out.push_back(ShownRect(*c));
  return out;
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
