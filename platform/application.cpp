#include "platform/application.h"

#include "platform/canvas.h"
#include "platform/pictures.h"
#include "platform/text.h"

#include <SDL.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace platform {

namespace {

bool IsEmpty(Rect r) { return r.w <= 0 || r.h <= 0; }

// The smallest rectangle holding both (an empty one adds nothing).
Rect Union(Rect a, Rect b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int x1 = std::min(a.x, b.x), y1 = std::min(a.y, b.y);
  const int x2 = std::max(a.x + a.w, b.x + b.w), y2 = std::max(a.y + a.h, b.y + b.h);
  return Rect{x1, y1, x2 - x1, y2 - y1};
}

constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};

// Whether a press on `c` does nothing but belong to its form's surface: the form itself, or a
// picture, label, panel or shape that answers no press or click.
bool IsSurface(const Control& c) {
  switch (c.kind()) {
    case Kind::Form:
      return true;
    case Kind::Image:
    case Kind::Label:
    case Kind::Panel:
    case Kind::Shape:
      for (Event e : {Event::Click, Event::DblClick, Event::MouseDown, Event::MouseUp})
        if (!c.HandlerName(e).empty()) return false;
      return true;
    default:
      return false;
  }
}

void FireOn(Control& c, Event e, EventArgs& a) {
  if (Form* f = c.OwnerForm()) f->Fire(e, a);
}

Control* HitIn(const Control& container, int x, int y) {
  const auto& kids = container.Children();
  for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
    Control* c = it->get();
    if (c->kind() == Kind::Timer || !c->Visible() || !c->Bounds().Contains(x, y)) continue;
    if (!c->Enabled()) continue;  // lets the mouse through to what lies below
    if (c->IsContainer())
      if (Control* inner = HitIn(*c, x - c->Left(), y - c->Top())) return inner;
    return c;
  }
  return nullptr;
}

void DrawChildren(const Control& parent, Canvas& canvas) {
  for (const auto& child : parent.Children()) {
    if (!child->Visible() || child->kind() == Kind::Timer) continue;
    Canvas sub = canvas.Sub(child->Left(), child->Top(), child->Width(), child->Height());
    if (sub.Empty()) continue;
    child->Paint(sub);
    if (child->IsContainer()) DrawChildren(*child, sub);
  }
}

// A form kept on top beside the others (the trade window) that a modal form has locked shows that
// it cannot be used: it is drawn dimmed, title bar and all.
bool ShownDimmed(const Form& form) { return form.StayOnTop() && !form.Modal() && !form.AcceptsInput(); }

void DrawForm(Form& form, SDL_Surface* target, int x, int y, Rect clip = kWholeScreen) {
  if (form.TitleHeight() > 0) {
    Canvas title(target, x, y - form.TitleHeight(),
                 Intersection(Rect{x, y - form.TitleHeight(), form.Width(), form.TitleHeight()}, clip));
    const bool active = form.Active();
    title.Fill(Rect{0, 0, form.Width(), form.TitleHeight()}, active ? Rgb(0, 84, 166) : Rgb(110, 110, 110));
    Font f;
    f.size = 9;
    f.bold = true;
    if (SDL_Surface* t = TextCache::Get(f, form.Caption(), colors::White))
      title.DrawText(t, 6, (form.TitleHeight() - t->h) / 2);
    if (ShownDimmed(form)) title.Dim(Rect{0, 0, form.Width(), form.TitleHeight()});
  }
  Canvas canvas(target, x, y, Intersection(Rect{x, y, form.Width(), form.Height()}, clip));
  if (canvas.Empty()) return;
  form.Paint(canvas);
  DrawChildren(form, canvas);
  if (ShownDimmed(form)) canvas.Dim(Rect{0, 0, form.Width(), form.Height()});
}

class SystemClock : public Clock {
 public:
  std::uint64_t NowMs() const override { return SDL_GetTicks64(); }
};

SystemClock& TheSystemClock() {
  static SystemClock c;
  return c;
}

// The screen's pixels, 3.5 MiB that the first frame touches all at once: asked for as huge pages
// where the system grants them on request, so that they cost two page faults instead of about
// nine hundred (each a trip into the kernel, and a costly one on a virtual machine).
void* AllocateScreenPixels() {
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  const std::size_t bytes = std::size_t{kScreenWidth} * kScreenHeight * 4;
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* pixels = std::aligned_alloc(kHugePage, rounded);
#ifdef MADV_HUGEPAGE
  if (pixels) madvise(pixels, rounded, MADV_HUGEPAGE);  // a hint: refused, the pages stay small
#endif
  return pixels;
}

}  // namespace

Application& Application::Instance() {
  static Application app;
  return app;
}

Application::Application() : clock_(&TheSystemClock()) {}

Application::~Application() {
  if (screen_) SDL_FreeSurface(screen_);
  std::free(screenPixels_);
}

Form* Application::FindForm(std::string_view name) const {
  for (Form* f : forms_)
    if (f->Name() == name) return f;
  return nullptr;
}

// ---- forms ----

void Application::AddForm(Form* f) { forms_.push_back(f); }

void Application::RemoveForm(Form* f) {
  std::erase(forms_, f);
  std::erase(zorder_, f);
  std::erase(modalStack_, f);
  if (active_ == f) active_ = nullptr;
  if (dragForm_ == f) dragForm_ = nullptr;
  if (hoverForm_ == f) hoverForm_ = nullptr;
  Invalidate();
}

void Application::ControlGone(Control* c) {
  std::erase_if(pointerWatches_, [c](const PointerWatchEntry& w) {
    return std::find(w.over.begin(), w.over.end(), c) != w.over.end();
  });
  if (hover_ == c) hover_ = nullptr;
  if (capture_ == c) capture_ = nullptr;
  if (selecting_ == c) selecting_ = nullptr;
  if (lastPress_ == c) lastPress_ = nullptr;
}

void Application::FormShown(Form* f, bool modal) {
  std::erase(zorder_, f);
  auto pos = zorder_.end();
  // The level of the loop the form belongs to: a modal form's own, any other form the innermost
  // running one's.
  const auto inner = std::find(modalStack_.begin(), modalStack_.end(), f);
  const std::size_t level = inner != modalStack_.end()
                                ? static_cast<std::size_t>(inner - modalStack_.begin()) + 1
                                : modalStack_.size();
  // A modal form shown again while its loop runs (it stepped aside for a while, as the travel
  // screen does for a fight) goes back beneath the modal forms opened after it. A form shown
  // modally anew has locked every other form, so it goes on top.
  if (modal && inner != modalStack_.end())
    for (auto it = std::next(inner); it != modalStack_.end(); ++it)
      if (auto at = std::find(zorder_.begin(), pos, *it); at != pos) pos = at;
  // Forms that stay on top (the trade window) stay above the ordinary forms of their own level and
  // of the levels around it, shown before or after them, whatever closed meanwhile; the forms of
  // a loop opened later go above them.
  if (!f->StayOnTop())
    while (pos != zorder_.begin() && (*(pos - 1))->StayOnTop() && !(*(pos - 1))->Modal() &&
           (*(pos - 1))->shownAtLevel_ >= level)
      --pos;
  if (!modal) f->shownAtLevel_ = level;
  zorder_.insert(pos, f);
  Invalidate();
  if (f->AcceptsInput()) Activate(f);
}

void Application::FormHidden(Form* f) {
  std::erase(zorder_, f);
  Invalidate();
  if (capture_ && capture_->OwnerForm() == f) capture_ = nullptr;
  if (hover_ && hover_->OwnerForm() == f) hover_ = nullptr;
  if (hoverForm_ == f) hoverForm_ = nullptr;
  if (active_ != f && active_ != nullptr) return;
  // The window that takes over: the innermost modal form if it is on screen, else the topmost
  // form that takes input. A form locked by a modal one is never activated.
  Form* next = nullptr;
  for (auto it = modalStack_.rbegin(); it != modalStack_.rend() && !next; ++it)
    if (*it != f && (*it)->Visible()) next = *it;
  if (!next)
    for (auto it = zorder_.rbegin(); it != zorder_.rend() && !next; ++it)
      if ((*it)->AcceptsInput()) next = *it;
  active_ = nullptr;
  if (next) Activate(next);
}

void Application::Activate(Form* f) {
  if (active_ == f) return;
  active_ = f;
  Invalidate();
  if (f) {
    EventArgs a{*f};
    f->Fire(Event::Activate, a);
  }
}

void Application::PopModal(Form* f) {
  auto it = std::find(modalStack_.rbegin(), modalStack_.rend(), f);
  if (it != modalStack_.rend()) modalStack_.erase(std::next(it).base());
}

// ---- clock and timers ----

void Application::SetClock(Clock* clock) {
  clock_ = clock ? clock : &TheSystemClock();
  for (Timer* t : timers_) t->Restart();
}

std::uint64_t Application::Now() const { return clock_->NowMs(); }

void Application::AddTimer(Timer* t) { timers_.push_back(t); }
void Application::RemoveTimer(Timer* t) { std::erase(timers_, t); }

void Application::FireTimer(Timer& t) {
  t.running_ = true;
  // The count starts again when the handler returns, so a handler that ran a long modal loop is
  // not followed at once by a tick that piled up meanwhile.
  struct Reset {
    Timer& t;
    ~Reset() {
      t.running_ = false;
      t.Restart();
    }
  } reset{t};
  EventArgs a{t};
  FireOn(t, Event::Timer, a);
}

static Timer* EarliestDue(const std::vector<Timer*>& timers, std::uint64_t limit) {
  Timer* next = nullptr;
  if (App().TimersHeld()) return next;
  for (Timer* t : timers)
    if (t->Enabled() && t->Interval() > 0 && !t->Running() && t->Due() <= limit &&
        (!next || t->Due() < next->Due()))
      next = t;
  return next;
}

bool Application::RunDueTimers() {
  bool any = false;
  for (int n = 0; n < 10000; ++n) {
    Timer* t = EarliestDue(timers_, Now());
    if (!t) break;
    FireTimer(*t);
    any = true;
  }
  return any;
}

void Application::AdvanceClock(std::uint64_t ms) {
  auto* manual = dynamic_cast<ManualClock*>(clock_);
  if (!manual) throw std::logic_error("AdvanceClock needs a ManualClock");
  const std::uint64_t target = manual->NowMs() + ms;
  // A close request ends the wait at once, also one that came in a timer's handler further in.
  while (Timer* t = quitting_ || terminated_ ? nullptr : EarliestDue(timers_, target)) {
    if (t->Due() > manual->NowMs()) manual->Set(t->Due());
    FireTimer(*t);
  }
  // A nested wait inside a timer's handler may already have gone further.
  if (manual->NowMs() < target) manual->Set(target);
}

// ---- input ----

Control* Application::ControlAt(int x, int y, Form** formOut) const {
  if (formOut) *formOut = nullptr;
  for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
    Form* f = *it;
    const Rect whole{f->Left(), f->Top() - f->TitleHeight(), f->Width(),
                     f->Height() + f->TitleHeight()};
    if (!whole.Contains(x, y)) continue;
    if (formOut) *formOut = f;
    if (!f->AcceptsInput()) return nullptr;
    if (y < f->Top()) return f;
    if (Control* c = HitIn(*f, x - f->Left(), y - f->Top())) return c;
    return f;
  }
  return nullptr;
}

void Application::UpdateHover(Control* target) {
  if (hover_ == target) return;
  Control* old = hover_;
  hover_ = target;
  Invalidate();
  // A form hears enter and leave for the pointer crossing its edge (UpdateHoverForm), not for
  // the pointer moving between its controls and its bare face.
  if (old && old->kind() != Kind::Form) {
    EventArgs a{*old};
    FireOn(*old, Event::MouseLeave, a);
  }
  if (target && hover_ == target && target->kind() != Kind::Form) {
    EventArgs a{*target};
    FireOn(*target, Event::MouseEnter, a);
  }
}

void Application::UpdateHoverForm(Form* form) {
  if (hoverForm_ == form) return;
  Form* old = hoverForm_;
  hoverForm_ = form;
  if (old) {
    EventArgs a{*old};
    old->Fire(Event::MouseLeave, a);
  }
  if (form && hoverForm_ == form) {
    EventArgs a{*form};
    form->Fire(Event::MouseEnter, a);
  }
}

void Application::LeaveWindow() {
  if (dragForm_ || capture_) return;  // a held button keeps the mouse until it is released
  mouseX_ = mouseY_ = -1;
  UpdateHover(nullptr);
  UpdateHoverForm(nullptr);
  CheckPointerWatches();
}

void Application::WatchPointer(std::vector<const Control*> over, std::function<void()> putOut,
                               const void* owner) {
  if (over.empty() || !putOut) return;
  const Control* key = over.front();
  std::erase_if(pointerWatches_,
                [key](const PointerWatchEntry& w) { return w.over.front() == key; });
  pointerWatches_.push_back({std::move(over), std::move(putOut), owner});
}

void Application::ForgetPointerWatches(const void* owner) {
  std::erase_if(pointerWatches_, [owner](const PointerWatchEntry& w) { return w.owner == owner; });
}

bool Application::Watched(const Control& c) const {
  return std::any_of(pointerWatches_.begin(), pointerWatches_.end(),
                     [&c](const PointerWatchEntry& w) { return w.over.front() == &c; });
}

bool Application::PointerOver(const Control& c) const {
  if (mouseX_ < 0 || mouseY_ < 0) return false;
  Form* const form = c.OwnerForm();
  if (!form || !form->AcceptsInput() || !c.Enabled() || !c.VisibleInForm()) return false;
  // A held button keeps the mouse where it was pressed: the pressed control stays under it.
  if (capture_ == &c) return true;
  Form* under = nullptr;
  ControlAt(mouseX_, mouseY_, &under);
  return under == form && c.ScreenRect().Contains(mouseX_, mouseY_);
}

void Application::CheckPointerWatches() {
  // Each watch leaves the list before its put-out runs, which may watch anew (appending).
  for (std::size_t i = 0; i < pointerWatches_.size();) {
    const PointerWatchEntry& w = pointerWatches_[i];
    const bool over = std::any_of(w.over.begin(), w.over.end(),
                                  [this](const Control* c) { return PointerOver(*c); });
    if (over) {
      ++i;
      continue;
    }
    std::function<void()> putOut = std::move(pointerWatches_[i].putOut);
    pointerWatches_.erase(pointerWatches_.begin() + static_cast<std::ptrdiff_t>(i));
    putOut();
  }
}

void Application::MouseMove(int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
  if (dragForm_) {
    // The whole form stays on the screen, so its title bar and its buttons stay within reach.
    const int left = std::clamp(x - dragDx_, 0, std::max(0, kScreenWidth - dragForm_->Width()));
    const int top = std::clamp(y - dragDy_, dragForm_->TitleHeight(),
                               std::max(dragForm_->TitleHeight(), kScreenHeight - dragForm_->Height()));
    dragForm_->SetBounds(left, top, dragForm_->Width(), dragForm_->Height());
    return;
  }
  Form* under = nullptr;
  Control* hit = ControlAt(x, y, &under);
  // Crossing a form's edge: the control is left before its form, the form entered before its
  // control.
  if (under != hoverForm_) {
    UpdateHover(nullptr);
    UpdateHoverForm(under);
  }
  UpdateHover(hit);
  Control* target = capture_ ? capture_ : hit;
  if (!target) {
    CheckPointerWatches();
    return;
  }
  const Rect r = target->ScreenRect();
  if (capture_ && capture_ == selecting_) selecting_->DragTo(x - r.x);
  EventArgs a{*target, MouseButton::None, false, x - r.x, y - r.y};
  FireOn(*target, Event::MouseMove, a);
  CheckPointerWatches();
}

void Application::MouseDown(MouseButton button, int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
  if (capture_ || dragForm_) return;  // another button already holds the mouse
  Control* target = ControlAt(x, y);
  if (!target) return;
  Form* form = target->OwnerForm();
  if (form != active_) Activate(form);
  const bool titleBar = target == form && y < form->Top();
  if (titleBar || (button == MouseButton::Left && form->DraggedBySurface() && IsSurface(*target))) {
    if (button == MouseButton::Left) {
      dragForm_ = form;
      dragDx_ = x - form->Left();
      dragDy_ = y - form->Top();
    }
    return;
  }
  if (target->kind() == Kind::Edit) {
    // The press that gives an edit the focus selects its text; a press in the focused edit puts
    // the caret where it was pressed, and moving with the button held selects from there.
    auto* edit = static_cast<Edit*>(target);
    if (edit->Focused() && button == MouseButton::Left) {
      edit->PressAt(x - edit->ScreenRect().x, false);
      selecting_ = edit;
    } else {
      edit->SetFocus();
    }
  } else if (Form::Focusable(*target)) {
    form->SetFocused(target);
  }
  const std::uint64_t now = Now();
  const bool dbl = button == MouseButton::Left && lastPress_ == target &&
                   now - lastPressTime_ <= kDoubleClickMs && std::abs(x - lastPressX_) <= 4 &&
                   std::abs(y - lastPressY_) <= 4;
  if (button == MouseButton::Left) {
    lastPress_ = dbl ? nullptr : target;
    lastPressTime_ = now;
    lastPressX_ = x;
    lastPressY_ = y;
  }
  capture_ = target;
  captureButton_ = button;
  suppressClick_ = dbl;  // the second press of a double click makes no Click
  Invalidate();
  const Rect r = target->ScreenRect();
  if (dbl) {
    EventArgs d{*target, button, true, x - r.x, y - r.y};
    FireOn(*target, Event::DblClick, d);
  }
  EventArgs a{*target, button, dbl, x - r.x, y - r.y};
  FireOn(*target, Event::MouseDown, a);
}

void Application::MouseUp(MouseButton button, int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
  if (dragForm_) {
    if (button == MouseButton::Left) dragForm_ = nullptr;
    return;
  }
  Invalidate();
  if (capture_) {
    if (button != captureButton_) return;
    Control* c = capture_;
    capture_ = nullptr;
    selecting_ = nullptr;
    const Rect r = c->ScreenRect();
    // A click needs the press and the release on the same control.
    const bool inside = ControlAt(x, y) == c;
    if (button == MouseButton::Left && !suppressClick_ && inside) {
      EventArgs a{*c, button, false, x - r.x, y - r.y};
      FireOn(*c, Event::Click, a);
    }
    EventArgs u{*c, button, false, x - r.x, y - r.y};
    FireOn(*c, Event::MouseUp, u);
    return;
  }
  // No press of ours (it was cancelled by a modal form): the release alone, no click.
  if (Control* t = ControlAt(x, y)) {
    const Rect r = t->ScreenRect();
    EventArgs u{*t, button, false, x - r.x, y - r.y};
    FireOn(*t, Event::MouseUp, u);
  }
}

void Application::TypeText(std::string_view utf8) {
  for (char32_t c : Utf8ToUtf32(utf8)) KeyChar(c);
}

void Application::KeyChar(char32_t c) { SendKey(c); }

bool Application::SendKey(char32_t c) {
  Form* f = active_;
  if (!f) return false;
  Edit* e = f->FocusedEdit();
  if (e && (!e->VisibleInForm() || !e->Enabled())) e = nullptr;
  Control& target = e ? static_cast<Control&>(*e) : static_cast<Control&>(*f);
  EventArgs a{target};
  a.key = c;
  FireOn(target, Event::KeyPress, a);
  if (a.key == 0) return false;
  if (!e) return true;
  if (a.key == 8) e->Backspace();
  else e->InsertChar(a.key);
  return true;
}

void Application::ClickByKey(Control* c) {
  if (!c || capture_ || dragForm_) return;
  Form* form = c->OwnerForm();
  if (!form || !form->Visible() || !form->AcceptsInput() || !Form::TakesInput(*c)) return;
  EventArgs a{*c, MouseButton::Left};
  FireOn(*c, Event::Click, a);
}

void Application::PressKey(Key key, int modifiers) {
  Form* f = active_;
  Edit* e = f ? f->FocusedEdit() : nullptr;
  if (e && !Form::TakesInput(*e)) e = nullptr;
  Control* focused = f ? f->Focused() : nullptr;
  const bool onButton = focused && focused->kind() == Kind::Button;
  const bool shift = modifiers & kShift, ctrl = modifiers & kCtrl;
  switch (key) {
    case Key::Enter:
      if (SendKey(13)) ClickByKey(onButton ? focused : f->DefaultControl());
      break;
    case Key::Escape:
      if (SendKey(27)) ClickByKey(f->CancelControl());
      break;
    case Key::Space: if (onButton) ClickByKey(focused); break;
    case Key::Backspace: KeyChar(8); break;
    case Key::Delete: if (e) e->DeleteForward(); break;
    case Key::Left:
    case Key::Right:
      if (!e) break;
      if (ctrl) e->MoveByWord(key == Key::Right, shift);
      // Without Shift a selection collapses to the side the arrow points to.
      else if (!shift && e->SelLength() > 0)
        e->SetCaret(key == Key::Right ? e->SelStart() + e->SelLength() : e->SelStart());
      else e->SetCaret(e->Caret() + (key == Key::Right ? 1 : -1), shift);
      break;
    case Key::Home: if (e) e->SetCaret(0, shift); break;
    case Key::End: if (e) e->SetCaret(1 << 30, shift); break;
    case Key::Tab: if (f) f->FocusNext(true); break;
    case Key::BackTab: if (f) f->FocusNext(false); break;
    case Key::F11: ToggleFullscreen(); break;
    case Key::A: if (e && ctrl) e->SelectAll(); break;
    case Key::C: if (e && ctrl) e->CopyToClipboard(); break;
    case Key::X: if (e && ctrl) e->CutToClipboard(); break;
    case Key::V: if (e && ctrl) e->PasteFromClipboard(); break;
  }
}

void Application::CloseRequest() {
  if (quitting_) return;
  if (closeQuestion_) {
    // Asked once: a second request while the question is open adds nothing.
    if (timersHeld_) return;
    timersHeld_ = true;
    struct Release {
      bool& held;
      ~Release() { held = false; }
    } release{timersHeld_};
    if (!closeQuestion_()) return;
  }
  Quit();
}

std::function<bool()> Application::SetCloseQuestion(std::function<bool()> ask) {
  std::swap(closeQuestion_, ask);
  return ask;
}

void Application::Quit() {
  quitting_ = true;
  // Without a modal loop to wind up, the main form closes here; Run ends the loops that remain.
  if (modalStack_.empty()) {
    if (Form* main = MainForm(); main && main->Visible()) main->Close();
    Terminate();
  }
}

void Application::Reset() {
  hover_ = capture_ = lastPress_ = nullptr;
  selecting_ = nullptr;
  hoverForm_ = nullptr;
  dragForm_ = nullptr;
  captureButton_ = MouseButton::None;
  mouseX_ = mouseY_ = -1;
  terminated_ = false;
  quitting_ = false;
  pending_.clear();
  pointerWatches_.clear();
}

void Application::Post(const InputEvent& e) { pending_.push_back(e); }

void Application::Dispatch(const InputEvent& e) {
  switch (e.type) {
    case InputEvent::Move: MouseMove(e.x, e.y); break;
    case InputEvent::Down: MouseDown(e.button, e.x, e.y); break;
    case InputEvent::Up: MouseUp(e.button, e.x, e.y); break;
    case InputEvent::Text: TypeText(e.text); break;
    case InputEvent::KeyPress: PressKey(e.key, e.modifiers); break;
    case InputEvent::CloseRequest: CloseRequest(); break;
    case InputEvent::LeaveWindow: LeaveWindow(); break;
  }
}

// ---- loops ----

void Application::EnsureVideo() {
  if (videoReady_) return;
  videoReady_ = true;
  // The screen is drawn in software, so the window takes its pixels straight: an OpenGL context
  // behind the window surface (a software one on many desktops) would hold tens of megabytes and
  // wake threads of its own for every frame. The environment may still ask for one.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The close box (and Alt+F4 under a window manager) arrives as the window's close event, told
  // apart from the SDL_QUIT that SIGTERM brings: the one may ask first, the other ends at once.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "Farhaven 4: no display (%s); running without a window\n", SDL_GetError());
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      presenting_ = false;
      return;
    }
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!presentingSet_ && driver && std::strcmp(driver, "dummy") == 0) presenting_ = false;
}

namespace {

// What keeps the display from opening, by the variable that names it: WAYLAND_DISPLAY when
// Wayland alone was asked for, DISPLAY otherwise.
std::string MissingDisplay(const std::string& asked) {
  const bool waylandOnly =
      asked.find("wayland") != std::string::npos && asked.find("x11") == std::string::npos;
  const char* variable = waylandOnly ? "WAYLAND_DISPLAY" : "DISPLAY";
  const char* value = std::getenv(variable);
  std::string which = variable;
  if (value && *value) {
    which += '=';
    which += value;
    which += " cannot be opened";
  } else {
    which += " is not set";
  }
  return which;
}

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

// Whether every driver the comma-separated list `asked` names needs a display that no variable
// names (x11 without DISPLAY, wayland without WAYLAND_DISPLAY): trying them could only fail, and
// Wayland's library would first complain on stderr.
bool OnlyDriversWithoutTheirDisplay(const std::string& asked) {
  std::size_t start = 0;
  while (start <= asked.size()) {
    const std::size_t comma = std::min(asked.find(',', start), asked.size());
    const std::string driver = asked.substr(start, comma - start);
    const bool missing = (driver == "x11" && !IsSet("DISPLAY")) ||
                         (driver == "wayland" && !IsSet("WAYLAND_DISPLAY"));
    if (!missing) return false;
    start = comma + 1;
  }
  return true;
}

}  // namespace

void Application::OpenDisplay() {
  if (!videoReady_ && SDL_WasInit(SDL_INIT_VIDEO) == 0) {
    const char* named = std::getenv("SDL_VIDEODRIVER");
    const std::string asked = named ? named : "";
    if (asked.empty()) {
      // Only the drivers that show a window to somebody: X11, Wayland where a session names one
      // (its library complains on stderr when tried without), and the console's own.
      const char* wayland = std::getenv("WAYLAND_DISPLAY");
      SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland && *wayland ? "x11,wayland,KMSDRM" : "x11,KMSDRM");
    }
    // A driver the environment names must open too: only the windowless ones (dummy, offscreen)
    // open without a display, and only when named; no failed driver falls back to running unseen.
    const bool hopeless = !asked.empty() && OnlyDriversWithoutTheirDisplay(asked);
    if (hopeless || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      std::string line = "no display: ";
      line += MissingDisplay(asked);
      line += " (";
      line += hopeless ? "SDL_VIDEODRIVER=" + asked : std::string(SDL_GetError());
      line += "); start the game in a desktop session";
      throw std::runtime_error(line);
    }
  }
  EnsureVideo();
}

void Application::Run() {
  EnsureVideo();
  terminated_ = false;
  quitting_ = false;
  if (Form* main = MainForm()) main->Show();
  while (!terminated_) {
    Pump(true);
    if (quitting_ && modalStack_.empty()) Quit();
  }
}

void Application::Terminate() { terminated_ = true; }

void Application::Pump(bool wait) {
  EnsureVideo();
  bool busy = false;
  while (!pending_.empty()) {
    const InputEvent e = pending_.front();
    pending_.pop_front();
    Dispatch(e);
    busy = true;
  }
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) {
    HandleSdlEvent(ev);
    busy = true;
  }
  for (std::size_t i = 0; i < loopWork_.size(); ++i) loopWork_[i]();
  if (RunDueTimers()) busy = true;
  CheckPointerWatches();
  if (presenting_ && dirty_) Present();
  if (busy || !wait || terminated_) return;
  if (idleHook_) {
    idleHook_();
    return;
  }
  int timeout = -1;
  for (Timer* t : timers_)
    if (!timersHeld_ && t->Enabled() && t->Interval() > 0 && !t->Running()) {
      const std::uint64_t now = Now();
      const int left = t->Due() > now ? int(std::min<std::uint64_t>(t->Due() - now, 1 << 30)) : 0;
      timeout = timeout < 0 ? left : std::min(timeout, left);
    }
  if (timeout < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, timeout)) HandleSdlEvent(ev);
  for (std::size_t i = 0; i < loopWork_.size(); ++i) loopWork_[i]();
}

bool Application::WindowToLogical(int wx, int wy, int& x, int& y) const {
  const Frame& f = frame_;
  if (!window_ || f.w <= 0 || f.h <= 0 || f.windowW <= 0 || f.windowH <= 0) return false;
  // Window points to surface pixels, then into the drawn rectangle.
  const double px = (wx + 0.5) * f.surfaceW / f.windowW, py = (wy + 0.5) * f.surfaceH / f.windowH;
  x = int(std::floor((px - f.x) * kScreenWidth / f.w));
  y = int(std::floor((py - f.y) * kScreenHeight / f.h));
  return true;
}

bool Application::LogicalToWindow(int x, int y, int& wx, int& wy) const {
  const Frame& f = frame_;
  if (!window_ || f.w <= 0 || f.h <= 0 || f.surfaceW <= 0 || f.surfaceH <= 0) return false;
  const double px = f.x + (x + 0.5) * f.w / kScreenWidth, py = f.y + (y + 0.5) * f.h / kScreenHeight;
  wx = int(std::floor(px * f.windowW / f.surfaceW));
  wy = int(std::floor(py * f.windowH / f.surfaceH));
  return true;
}

std::uint32_t Application::WindowId() const { return window_ ? SDL_GetWindowID(window_) : 0; }

static MouseButton ButtonOf(std::uint8_t b) {
  return b == SDL_BUTTON_LEFT ? MouseButton::Left
         : b == SDL_BUTTON_RIGHT ? MouseButton::Right
                                 : MouseButton::Middle;
}

void Application::HandleSdlEvent(const SDL_Event& ev) {
  int x = 0, y = 0;
  switch (ev.type) {
    case SDL_QUIT:
      // The close box no longer sends this (see EnsureVideo): it comes from SIGTERM or SIGINT.
      Quit();
      break;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_LEAVE) LeaveWindow();
      if (ev.window.event == SDL_WINDOWEVENT_CLOSE) CloseRequest();
      Invalidate();
      break;
    case SDL_MOUSEMOTION:
      if (WindowToLogical(ev.motion.x, ev.motion.y, x, y)) MouseMove(x, y);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (WindowToLogical(ev.button.x, ev.button.y, x, y)) MouseDown(ButtonOf(ev.button.button), x, y);
      break;
    case SDL_MOUSEBUTTONUP:
      if (WindowToLogical(ev.button.x, ev.button.y, x, y)) MouseUp(ButtonOf(ev.button.button), x, y);
      break;
    case SDL_TEXTINPUT:
      TypeText(ev.text.text);
      break;
    case SDL_KEYDOWN:
      // A held key answers one popup, not the next ones that open under it.
      if (ev.key.repeat && (ev.key.keysym.sym == SDLK_RETURN || ev.key.keysym.sym == SDLK_KP_ENTER ||
                            ev.key.keysym.sym == SDLK_ESCAPE || ev.key.keysym.sym == SDLK_SPACE))
        break;
      {
        const int mods = (ev.key.keysym.mod & KMOD_SHIFT ? kShift : 0) |
                         (ev.key.keysym.mod & KMOD_CTRL ? kCtrl : 0);
        switch (ev.key.keysym.sym) {
          case SDLK_RETURN: case SDLK_KP_ENTER: PressKey(Key::Enter); break;
          case SDLK_BACKSPACE: PressKey(Key::Backspace); break;
          case SDLK_DELETE: PressKey(Key::Delete); break;
          case SDLK_ESCAPE: PressKey(Key::Escape); break;
          case SDLK_LEFT: PressKey(Key::Left, mods); break;
          case SDLK_RIGHT: PressKey(Key::Right, mods); break;
          case SDLK_HOME: PressKey(Key::Home, mods); break;
          case SDLK_END: PressKey(Key::End, mods); break;
          case SDLK_TAB: PressKey(mods & kShift ? Key::BackTab : Key::Tab); break;
          case SDLK_SPACE: PressKey(Key::Space); break;
          case SDLK_F11: PressKey(Key::F11); break;
          case SDLK_a: PressKey(Key::A, mods); break;
          case SDLK_c: PressKey(Key::C, mods); break;
          case SDLK_v: PressKey(Key::V, mods); break;
          case SDLK_x: PressKey(Key::X, mods); break;
          default: break;
        }
      }
      switch (ev.key.keysym.sym) {
        case SDLK_F4:
          if (ev.key.keysym.mod & KMOD_ALT) CloseRequest();
          break;
        default: break;
      }
      break;
    default:
      break;
  }
}

// ---- drawing ----

SDL_Surface* Application::RenderScreen() { return RenderScreenArea(kWholeScreen); }

SDL_Surface* Application::RenderScreenArea(Rect area) {
  if (!screen_) {
    if (!screenPixels_) screenPixels_ = AllocateScreenPixels();
    if (screenPixels_)
      screen_ = SDL_CreateRGBSurfaceWithFormatFrom(screenPixels_, kScreenWidth, kScreenHeight, 32,
                                                   kScreenWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    // Every pixel of the screen is opaque: it goes to the window as a copy, not blended.
    if (screen_) SDL_SetSurfaceBlendMode(screen_, SDL_BLENDMODE_NONE);
  }
  area = Intersection(area, kWholeScreen);
  if (!screen_ || IsEmpty(area)) return screen_;
  const SDL_Rect fill{area.x, area.y, area.w, area.h};
  SDL_FillRect(screen_, &fill, SDL_MapRGB(screen_->format, 0, 0, 0));
  for (Form* f : zorder_) DrawForm(*f, screen_, f->Left(), f->Top(), area);
  DrawHint(screen_, area);
  return screen_;
}

void Application::Invalidate(Rect area) {
  area = Intersection(area, kWholeScreen);
  if (IsEmpty(area)) return;
  dirtyArea_ = Union(dirtyArea_, area);
  dirty_ = true;
}

void Application::DrawHint(SDL_Surface* screen, Rect clip) {
  if (!hover_ || hover_->Hint().empty() || capture_) return;
  // A control on a form locked by a modal one shows no hint: the modal form has the mouse now.
  if (Form* f = hover_->OwnerForm(); f && !f->AcceptsInput()) return;
  Font f;
  f.size = 8;
  SDL_Surface* t = TextCache::Get(f, hover_->Hint(), colors::Black);
  if (!t) return;
  const int w = t->w + 8, h = t->h + 4;
  const int x = std::clamp(mouseX_ + 4, 0, std::max(0, kScreenWidth - w));
  const int y = mouseY_ + 22 + h > kScreenHeight ? mouseY_ - h - 4 : mouseY_ + 22;
  Canvas c(screen, 0, 0, clip);
  c.Fill(Rect{x, y, w, h}, Rgb(255, 255, 225));
  c.Frame(Rect{x, y, w, h}, colors::Black);
  c.DrawText(t, x + 4, y + 2);
}

std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> Application::RenderForm(Form& form) {
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> s(
      SDL_CreateRGBSurfaceWithFormat(0, std::max(1, form.Width()),
                                     std::max(1, form.Height() + form.TitleHeight()), 32,
                                     SDL_PIXELFORMAT_ARGB8888),
      SDL_FreeSurface);
  if (!s) return s;
  SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, 0, 0, 0));
  DrawForm(form, s.get(), 0, form.TitleHeight(), Rect{0, 0, s->w, s->h});
  return s;
}

bool Application::SaveScreenshot(const std::string& path, Form* form) {
  if (form) return WritePng(RenderForm(*form).get(), path);
  return WritePng(RenderScreen(), path);
}

void Application::Present() {
  Rect area = dirtyArea_;
  dirty_ = false;
  dirtyArea_ = Rect{};
  if (!window_) {
    int w = kScreenWidth, h = kScreenHeight;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && (mode.w < w || mode.h < h)) {
      const double s = std::min(double(mode.w) / w, double(mode.h) / h) * 0.9;
      w = int(w * s);
      h = int(h * s);
    }
    window_ = SDL_CreateWindow("Farhaven 4", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                               SDL_WINDOW_RESIZABLE);
    if (!window_) {
      std::fprintf(stderr, "Farhaven 4: cannot open a window: %s\n", SDL_GetError());
      presenting_ = false;
      return;
    }
    area = kWholeScreen;
  }
  // A hidden or minimised window draws nothing; showing it again brings a window event, and with
  // it a whole redraw.
  if (SDL_GetWindowFlags(window_) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) return;
  SDL_Surface* out = SDL_GetWindowSurface(window_);
  if (!out) return;
  // The one place the picture goes; the mouse is mapped through the same rectangle.
  const double scale = std::min(double(out->w) / kScreenWidth, double(out->h) / kScreenHeight);
  const int w = std::max(1, int(kScreenWidth * scale)), h = std::max(1, int(kScreenHeight * scale));
  SDL_Rect dst{(out->w - w) / 2, (out->h - h) / 2, w, h};
  // A window smaller than the screen shows each pixel as the average of what it covers; a larger
  // one repeats pixels, which keeps every stroke.
  const bool shrunk = w < kScreenWidth || h < kScreenHeight;
  const Rect frame{dst.x, dst.y, dst.w, dst.h};
  const bool sameFrame = frame_.x == dst.x && frame_.y == dst.y && frame_.w == dst.w &&
                         frame_.h == dst.h && frame_.surfaceW == out->w && frame_.surfaceH == out->h;
  if (!sameFrame) area = kWholeScreen;
  if (!RenderScreenArea(area)) return;
  if (area == kWholeScreen) {
    frame_ = Frame{dst.x, dst.y, dst.w, dst.h, out->w, out->h};
    SDL_GetWindowSize(window_, &frame_.windowW, &frame_.windowH);
    // Black bars where the window's shape differs from the picture's; none when it covers all.
    if (dst.w != out->w || dst.h != out->h)
      SDL_FillRect(out, nullptr, SDL_MapRGB(out->format, 0, 0, 0));
    if (shrunk) DrawShrunk(screen_, out, frame, frame);
    else SDL_BlitScaled(screen_, nullptr, out, &dst);
    SDL_UpdateWindowSurface(window_);
    return;
  }
  // Only the changed part goes to the window, scaled to the pixels that cover it.
  const double sx = double(dst.w) / kScreenWidth, sy = double(dst.h) / kScreenHeight;
  const int x1 = int(std::floor(dst.x + area.x * sx)), y1 = int(std::floor(dst.y + area.y * sy));
  const int x2 = int(std::ceil(dst.x + (area.x + area.w) * sx));
  const int y2 = int(std::ceil(dst.y + (area.y + area.h) * sy));
  SDL_Rect src{area.x, area.y, area.w, area.h};
  SDL_Rect part{x1, y1, x2 - x1, y2 - y1};
  if (part.w <= 0 || part.h <= 0) return;
  if (shrunk) DrawShrunk(screen_, out, frame, Rect{part.x, part.y, part.w, part.h});
  else SDL_BlitScaled(screen_, &src, out, &part);
  SDL_UpdateWindowSurfaceRects(window_, &part, 1);
}

// Without a window manager an X server leaves the window as it is on a full-screen request,
// while SDL takes the request as done and draws for the whole desktop: the picture and the mouse
// would then part. There the window covers the desktop itself, borderless. A window manager shows
// in the frame it puts round the window.
static bool WithoutWindowManager(SDL_Window* window) {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return false;
  int top = 0, left = 0, bottom = 0, right = 0;
  return SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) == 0 && top == 0 &&
         left == 0 && bottom == 0 && right == 0 && !(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS);
}

void Application::ToggleFullscreen() {
  if (!window_) return;
  fullscreen_ = !fullscreen_;
  if (fullscreen_) {
    SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
    coveringDesktop_ = WithoutWindowManager(window_);
  }
  if (coveringDesktop_) {
    SDL_Rect desktop{0, 0, windowed_.w, windowed_.h};
    SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &desktop);
    const SDL_Rect r = fullscreen_ ? desktop : SDL_Rect{windowed_.x, windowed_.y, windowed_.w, windowed_.h};
    SDL_SetWindowBordered(window_, fullscreen_ ? SDL_FALSE : SDL_TRUE);
    SDL_SetWindowSize(window_, r.w, r.h);
    SDL_SetWindowPosition(window_, r.x, r.y);
  } else {
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    // Back in a window at the size it had, set outright, so that SDL and the window system agree
    // on it even where no resize notice comes back.
    if (!fullscreen_ && windowed_.w > 0 && windowed_.h > 0)
      SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
  }
  Invalidate();
}

bool Application::ResizeWindow(int w, int h) {
  if (!window_ || w <= 0 || h <= 0) return false;
  if (fullscreen_) ToggleFullscreen();
  SDL_SetWindowSize(window_, w, h);
  Invalidate();
  return true;
}

}  // namespace platform
