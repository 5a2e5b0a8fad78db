// The one application object: the forms, the screen, the event loops, input routing, timers and
// the clock. Everything runs on the one thread that calls it.
#pragma once

#include "platform/form.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct SDL_Surface;
struct SDL_Window;
union SDL_Event;

namespace platform {

// The logical desktop every form is laid out on; the window shows it scaled, aspect kept.
// Wide enough for the 800-wide travel screen with the 351-wide trade window beside it.
inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 720;

// Milliseconds for timers and double clicks. Tests put in a ManualClock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t NowMs() const = 0;
};

class ManualClock : public Clock {
 public:
  std::uint64_t NowMs() const override { return now_; }
  void Set(std::uint64_t ms) { now_ = ms; }

 private:
  std::uint64_t now_ = 0;
};

// Tab moves the focus forward, BackTab (Shift+Tab) backward; Space presses the focused button.
// A, C, V and X count only with Ctrl: select all, copy, paste, cut in the focused edit.
enum class Key { Enter, Backspace, Delete, Escape, Left, Right, Home, End, Tab, BackTab, Space, F11,
                 A, C, V, X };

// The modifier keys held with a key, as bits: Shift extends an edit's selection, Ctrl moves by
// words and makes the letters the clipboard's commands.
enum KeyModifiers : int { kNoModifier = 0, kShift = 1, kCtrl = 2 };

// Input waiting in the application's own queue (the script runner posts these); a loop hands
// them out in order before the window's events, exactly as if the window had sent them.
struct InputEvent {
  enum Type { Move, Down, Up, Text, KeyPress, CloseRequest, LeaveWindow } type = Move;
  MouseButton button = MouseButton::None;
  int x = 0, y = 0;
  std::string text;
  Key key = Key::Enter;
  int modifiers = kNoModifier;
};

// Two presses of the left button on one control within this time make a double click.
inline constexpr std::uint64_t kDoubleClickMs = 500;

class Application {
 public:
  static Application& Instance();

  // Forms in creation order; the first one created is the main form.
  const std::vector<Form*>& Forms() const { return forms_; }
  Form* FindForm(std::string_view name) const;
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
  Form* ActiveForm() const { return active_; }
  // Visible forms, bottom to top.
  const std::vector<Form*>& ZOrder() const { return zorder_; }
  // Modal forms, outermost first.
  const std::vector<Form*>& ModalStack() const { return modalStack_; }

  // Clock and timers. SetClock(nullptr) goes back to the system clock; every running timer
  // restarts its count on the new clock.
  void SetClock(Clock* clock);
  std::uint64_t Now() const;
  const Clock& GetClock() const { return *clock_; }
  // Fires every timer that is due now (earliest first). Returns whether any fired.
  bool RunDueTimers();
  // Moves a ManualClock forward by `ms`, firing each timer at the moment it falls due.
  void AdvanceClock(std::uint64_t ms);

  // Input in logical screen coordinates, as the window delivers it (scripts use these too).
  void MouseMove(int x, int y);
  void MouseDown(MouseButton button, int x, int y);
  void MouseUp(MouseButton button, int x, int y);
  void TypeText(std::string_view utf8);
  void KeyChar(char32_t c);
  // Enter runs the OnClick handler of the focused button, else of the active form's default
  // control; Escape that of its cancelling control; Space that of the focused button; Tab and
  // BackTab move the focus. A form's or an edit's OnKeyPress handler sees Enter and Escape first
  // and may swallow them. The focused edit takes the editing keys: Left, Right, Home, End (with
  // Shift they select, with Ctrl Left and Right go by words), Backspace, Delete, and Ctrl with
  // A, C, X, V.
  void PressKey(Key key, int modifiers = kNoModifier);
  // The pointer left the window: every hover ends, the form under it hears OnMouseLeave.
  void LeaveWindow();
  // The desktop's close request (the window's close box, Alt+F4). While a close question is set
  // it is asked first, over whatever is showing and with every timer held, and only its yes ends
  // the program; without one the program ends at once (Quit).
  void CloseRequest();
  // The question a close request asks first (a game in progress: "Quit game?"); true lets the
  // program end. Empty: a close request ends the program at once. Returns the question it replaces.
  std::function<bool()> SetCloseQuestion(std::function<bool()> ask);
  // Ends the program at once (SIGTERM, the session's logout): every modal loop winds up,
  // innermost first, each form through its own close query and close handler where they let it
  // close; the loop ends either way. No modal form is shown any more meanwhile.
  void Quit();
  bool Quitting() const { return quitting_; }
  // While the close question is open no timer fires: the screens under it stand still.
  bool TimersHeld() const { return timersHeld_; }
  void ForgetDoubleClick() { lastPress_ = nullptr; }
  void CancelCapture() { capture_ = selecting_ = nullptr; dragForm_ = nullptr; }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  Control* Hovered() const { return hover_; }
  // A control lit while the pointer is over it (a picture button's lit twin): `putOut` runs once,
  // as soon as the pointer is over none of `over` where they take input: it moved off them, left
  // the window, a form came over them or a modal one locked theirs, or they were hidden. The
  // first of `over` names the watch: watching it again replaces the old watch. `owner` is who
  // asked, so that it can forget its watches when it goes.
  void WatchPointer(std::vector<const Control*> over, std::function<void()> putOut,
                    const void* owner);
  void ForgetPointerWatches(const void* owner);
  bool Watched(const Control& c) const;
  // Whether the pointer is over `c` where it takes input: inside it, on the topmost form there,
  // with that form taking input and `c` shown.
  bool PointerOver(const Control& c) const;
  // Runs the put-out of every watch whose controls the pointer has left. Every loop pass and
  // every mouse event checks; the forms shown, hidden or locked meanwhile count too.
  void CheckPointerWatches();
  Control* Captured() const { return capture_; }
  // The control that a mouse event at (x, y) goes to: the topmost visible, enabled one, the form
  // itself where no control is hit; null when nothing takes input there (outside every form, or on
  // a form locked by a modal one). `form` receives the form under the point either way.
  Control* ControlAt(int x, int y, Form** form = nullptr) const;

  // Loops. Run shows the main form and returns when it has closed (or Terminate was called).
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles whatever is pending (window events, due timers, a redraw) without waiting.
  void ProcessMessages() { Pump(false); }
  // Called when a loop has nothing to do instead of waiting (the script runner uses it).
  void SetIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }
  // Work done on every pass of every event loop, on this thread (the music's buffer refills).
  // Any SDL event wakes a waiting loop, so a worker thread pushes one to have this run soon.
  void AddLoopWork(std::function<void()> work) { loopWork_.push_back(std::move(work)); }
  void ClearLoopWork() { loopWork_.clear(); }

  // Drawing. The loop redraws only the screen area that changed since the last frame: Invalidate()
  // marks the whole screen, Invalidate(area) a part of it (screen coordinates).
  void Invalidate() { Invalidate(Rect{0, 0, kScreenWidth, kScreenHeight}); }
  void Invalidate(Rect area);
  bool NeedsRedraw() const { return dirty_; }
  // The area the next frame redraws (empty when nothing changed).
  Rect DirtyArea() const { return dirtyArea_; }
  // The whole screen: every visible form, bottom to top, plus the hint of the hovered control.
  SDL_Surface* RenderScreen();
  // Draws only `area` of the screen afresh, over the last frame; the rest stays as it was.
  SDL_Surface* RenderScreenArea(Rect area);
  // One form alone, visible or not, at its own size (title bar included).
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> RenderForm(Form& form);
  // Writes the screen (form == null) or one form as a PNG file. Returns false on failure.
  bool SaveScreenshot(const std::string& path, Form* form = nullptr);
  // The game's own start: opens a real display or throws std::runtime_error with one line that
  // says there is none (naming DISPLAY, or WAYLAND_DISPLAY when SDL_VIDEODRIVER asks for Wayland
  // alone). SDL_VIDEODRIVER naming x11 or wayland without their display fails the same way: the
  // dummy and offscreen drivers run only when SDL_VIDEODRIVER asks for them by name. Scripts and
  // tests, which start without this, fall back to the dummy driver by themselves.
  void OpenDisplay();
  // Whether the loop draws into a real window. Off by default under the dummy video driver.
  void SetPresenting(bool on) { presenting_ = on; presentingSet_ = true; }
  bool Presenting() const { return presenting_; }
  void ToggleFullscreen();
  bool Fullscreen() const { return fullscreen_; }
  // Gives the window a new size in window points (leaving full screen). False without a window.
  bool ResizeWindow(int w, int h);
  // Window points to logical screen coordinates and back, through the place where the last frame
  // was drawn into the window (scaled, aspect kept, centred). Drawing and the mouse use this one
  // mapping, in every window state. False while no frame has been shown.
  bool WindowToLogical(int wx, int wy, int& x, int& y) const;
  bool LogicalToWindow(int x, int y, int& wx, int& wy) const;
  // The window's id for events of its own (0 without a window).
  std::uint32_t WindowId() const;

  // Drops the mouse and keyboard state, pending input and a finished run (tests call it
  // between cases).
  void Reset();
  void Post(const InputEvent& e);
  void Dispatch(const InputEvent& e);

  // Used by forms and timers.
  void AddForm(Form* f);
  void RemoveForm(Form* f);
  void FormShown(Form* f, bool modal);
  void FormHidden(Form* f);
  void Activate(Form* f);
  void PushModal(Form* f) { modalStack_.push_back(f); }
  void PopModal(Form* f);
  void AddTimer(Timer* t);
  void RemoveTimer(Timer* t);
  void ControlGone(Control* c);
  void EnsureVideo();
  void Pump(bool wait);

 private:
  Application();
  ~Application();
  void HandleSdlEvent(const SDL_Event& ev);
  void Present();
  void UpdateHover(Control* target);
  void UpdateHoverForm(Form* form);
  // Enter, Escape: through OnKeyPress; false when a handler swallowed the key.
  bool SendKey(char32_t c);
  // Runs `c`'s OnClick handler as a click would, when it is on screen and takes input.
  void ClickByKey(Control* c);
  void FireTimer(Timer& t);
  void DrawHint(SDL_Surface* screen, Rect clip);

  std::vector<Form*> forms_;
  std::vector<Form*> zorder_;
  std::vector<Form*> modalStack_;
  std::vector<Timer*> timers_;
  Form* active_ = nullptr;
  Clock* clock_ = nullptr;
  bool terminated_ = false;
  bool quitting_ = false;
  std::function<bool()> closeQuestion_;
  bool timersHeld_ = false;
  bool dirty_ = true;
  Rect dirtyArea_{0, 0, kScreenWidth, kScreenHeight};
  bool presenting_ = true;
  bool presentingSet_ = false;
  std::deque<InputEvent> pending_;
  bool videoReady_ = false;
  std::function<void()> idleHook_;
  std::vector<std::function<void()>> loopWork_;

  int mouseX_ = -1, mouseY_ = -1;
  Control* hover_ = nullptr;
  Form* hoverForm_ = nullptr;
  struct PointerWatchEntry {
    std::vector<const Control*> over;
    std::function<void()> putOut;
    const void* owner = nullptr;
  };
  std::vector<PointerWatchEntry> pointerWatches_;
  Control* capture_ = nullptr;
  MouseButton captureButton_ = MouseButton::None;
  Edit* selecting_ = nullptr;  // the focused edit a held left button selects in
  bool suppressClick_ = false;
  Control* lastPress_ = nullptr;
  std::uint64_t lastPressTime_ = 0;
  int lastPressX_ = 0, lastPressY_ = 0;
  Form* dragForm_ = nullptr;
  int dragDx_ = 0, dragDy_ = 0;

  SDL_Window* window_ = nullptr;
  SDL_Surface* screen_ = nullptr;
  void* screenPixels_ = nullptr;  // screen_'s pixels, which the surface does not own
  bool fullscreen_ = false;
  // The window's place and size before it went full screen, and whether it covers the desktop
  // itself (no window manager) instead of being full screen.
  struct WindowPlace {
    int x = 0, y = 0, w = 0, h = 0;
  };
  WindowPlace windowed_;
  bool coveringDesktop_ = false;
  // Where the last frame went: its rectangle in the window surface's pixels, and the surface's
  // and the window's sizes then (they differ on a high-DPI screen).
  struct Frame {
    int x = 0, y = 0, w = 0, h = 0;
    int surfaceW = 0, surfaceH = 0;
    int windowW = 0, windowH = 0;
  } frame_;
};

inline Application& App() { return Application::Instance(); }

}  // namespace platform
