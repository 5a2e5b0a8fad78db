#include "platform/script.h"

#include "platform/application.h"
#include "platform/regular_file.h"
#include "platform/text_fit.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <utility>

namespace platform {

namespace {

// Unwinds every loop once the steps are used up.
struct ScriptFinished {};

struct ScriptFailed {
  std::string message;
};

std::vector<std::string> Words(std::string_view s, bool& ok) {
  std::vector<std::string> out;
  ok = true;
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == ' ' || s[i] == '\t' || s[i] == '\r') { ++i; continue; }
    if (s[i] == '#') break;
    std::string w;
    if (s[i] == '"') {
      ++i;
      bool closed = false;
      while (i < s.size()) {
        if (s[i] == '\\' && i + 1 < s.size()) { w += s[i + 1]; i += 2; continue; }
        if (s[i] == '"') { closed = true; ++i; break; }
        w += s[i++];
      }
      if (!closed) ok = false;
    } else {
      while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r') w += s[i++];
    }
    out.push_back(std::move(w));
  }
  return out;
}

std::string Bool(bool b) { return b ? "true" : "false"; }

// A script text or error cut to a readable length for a message, at a character boundary.
std::string Shortened(std::string_view text) {
  constexpr std::size_t kMaxShown = 120;
  if (text.size() <= kMaxShown) return std::string(text);
  std::size_t cut = kMaxShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " bytes)";
}

// Each line of a message cut to a readable length (a step's failure may list several faults).
std::string ShortenedLines(std::string_view text) {
  std::string out;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (start > 0) out += '\n';
    out += Shortened(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

// The longest `wait`: ten minutes of the game's clock, far more than any flow waits at once.
constexpr std::uint64_t kMaxWaitMs = 600000;
// A wait moves the clock on in steps this long and looks between them for a close request from
// outside (the desktop's, or SIGTERM's), which ends it at once.
constexpr std::uint64_t kWaitStepMs = 100;

bool CloseRequestWaiting() {
  SDL_PumpEvents();
  if (SDL_HasEvent(SDL_QUIT)) return true;  // SIGTERM's
  SDL_Event events[16];
  const int n = SDL_PeepEvents(events, 16, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < n; ++i) {
    if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) return true;  // the close box's
  }
  return false;
}

// A step with a NUL byte, named as such: printed, the text would end at the byte.
void RefuseNulByte(std::string_view line, const std::function<void(const std::string&)>& fail) {
  const std::size_t nul = line.find('\0');
  if (nul != std::string_view::npos)
    fail("the step holds a NUL byte (at column " + std::to_string(nul + 1) + ")");
}

// The largest script file read: far more steps than any test needs.
constexpr std::size_t kMaxScriptBytes = std::size_t{16} << 20;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Hex(Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

}  // namespace

std::string PropertyText(const Control& c, std::string_view p) {
  if (p == "Caption" || p == "Text") return c.Caption();
  if (p == "Visible") return Bool(c.Visible());
  if (p == "Enabled") return Bool(c.Enabled());
  if (p == "Tag") return std::to_string(c.Tag());
  if (p == "Left") return std::to_string(c.Left());
  if (p == "Top") return std::to_string(c.Top());
  if (p == "Width") return std::to_string(c.Width());
  if (p == "Height") return std::to_string(c.Height());
  if (p == "Hint") return c.Hint();
  if (p == "Color") return Hex(c.GetColor());
  if (p == "FontColor") return Hex(c.GetFont().color);
  if (p == "Picture" && c.kind() == Kind::Image) return static_cast<const Image&>(c).PictureName();
  if (p == "Position" && c.kind() == Kind::ProgressBar)
    return std::to_string(static_cast<const ProgressBar&>(c).Position());
  if (p == "Interval" && c.kind() == Kind::Timer)
    return std::to_string(static_cast<const Timer&>(c).Interval());
  throw ScriptError(std::string(KindName(c.kind())) + " " + c.Name() + " has no property " +
                    std::string(p));
}

ScriptRunner::ScriptRunner() = default;
ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::AddVerb(std::string name, Verb verb) { verbs_[std::move(name)] = std::move(verb); }

void ScriptRunner::Add(std::string_view line) {
  bool ok = true;
  ScriptStep step;
  step.line = int(steps_.size()) + 1;
  step.text = std::string(line);
  step.words = Words(line, ok);
  RefuseNulByte(line, [&](const std::string& what) {
    throw ScriptError(source_ + ":" + std::to_string(step.line) + ": " + what);
  });
  if (!ok) throw ScriptError(source_ + ":" + std::to_string(step.line) + ": text without a closing quotation mark");
  if (step.words.empty()) return;
  steps_.push_back(std::move(step));
}

// Every common step: how many arguments it takes (-1: it checks them itself) and its handler.
struct ScriptRunner::StepKind {
  int arity;
  void (ScriptRunner::*run)(const ScriptStep& step);
};

const ScriptRunner::StepKind* ScriptRunner::FindStepKind(std::string_view verb) {
  static const std::map<std::string_view, StepKind> kinds = {
      {"click", {1, &ScriptRunner::ClickStep}},
      {"dblclick", {1, &ScriptRunner::DoubleClickStep}},
      {"rightclick", {1, &ScriptRunner::RightClickStep}},
      {"move", {1, &ScriptRunner::MoveStep}},
      {"key", {1, &ScriptRunner::KeyStep}},
      {"wait", {1, &ScriptRunner::WaitStep}},
      {"screenshot", {2, &ScriptRunner::ScreenshotStep}},
      {"expect", {2, &ScriptRunner::ExpectStep}},
      {"close", {0, &ScriptRunner::CloseStep}},
      {"type", {-1, &ScriptRunner::TypeStep}},
      {"window", {-1, &ScriptRunner::WindowStep}},
      {"print", {1, &ScriptRunner::PrintStep}},
      {"unfit", {1, &ScriptRunner::UnfitStep}},
      {"drag", {3, &ScriptRunner::DragStep}},
  };
  const auto kind = kinds.find(verb);
  return kind == kinds.end() ? nullptr : &kind->second;
}

void ScriptRunner::Load(std::string_view text, std::string sourceName) {
  source_ = std::move(sourceName);
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::istringstream in{std::string(text)};
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    bool ok = true;
    ScriptStep step;
    step.line = number;
    step.text = line;
    while (!step.text.empty() && (step.text.back() == '\r' || step.text.back() == ' ')) step.text.pop_back();
    step.words = Words(line, ok);
    auto fail = [&](const std::string& what) {
      throw ScriptError(source_ + ":" + std::to_string(number) + ": " + Shortened(what));
    };
    RefuseNulByte(line, fail);
    if (!ok) fail("text without a closing quotation mark");
    if (step.words.empty()) continue;
    const std::string& verb = step.words[0];
    const StepKind* kind = FindStepKind(verb);
    if (!kind && !verbs_.count(verb)) fail("unknown step '" + verb + "'");
    if (kind && kind->arity >= 0 && int(step.words.size()) - 1 != kind->arity)
      fail(verb + " takes " + std::to_string(kind->arity) + " argument(s)");
    steps_.push_back(std::move(step));
  }
}

void ScriptRunner::LoadFile(const std::string& path) {
  std::string text;
  switch (ReadRegularFile(path, kMaxScriptBytes, text)) {
    case FileRead::Ok: break;
    case FileRead::CannotOpen: throw ScriptError(path + ": cannot read the script");
    case FileRead::NotRegular: throw ScriptError(path + ": the script is not a regular file");
    case FileRead::TooLarge: throw ScriptError(path + ": the script is larger than 16 MB");
  }
  Load(text, path);
}

Control& ScriptRunner::Resolve(std::string_view path) {
  const std::size_t dot = path.find('.');
  const std::string_view formName = path.substr(0, dot);
  Form* form = App().FindForm(formName);
  if (!form) throw ScriptError("no form named " + std::string(formName));
  if (dot == std::string_view::npos) return *form;
  const std::string_view name = path.substr(dot + 1);
  Control* c = form->Find(name);
  if (!c) throw ScriptError(std::string(formName) + " has no component " + std::string(name));
  return *c;
}

// Points of a rectangle, the middle first, then ever finer grids over the whole of it.
static std::vector<std::pair<int, int>> ProbePoints(const Rect& r) {
  std::vector<std::pair<int, int>> points{{r.x + r.w / 2, r.y + r.h / 2}};
  for (int n : {4, 8, 16})
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i)
        points.emplace_back(r.x + int((2LL * i + 1) * r.w / (2 * n)),
                            r.y + int((2LL * j + 1) * r.h / (2 * n)));
  return points;
}

static std::string NameOf(const Control& c) {
  const Form* f = c.OwnerForm();
  return f && f != &c ? f->Name() + "." + c.Name() : c.Name();
}

// A point where the mouse reaches the component itself: its middle, or where the middle is
// covered by another control, some other point of it that nothing covers. A form alone is reached
// anywhere on it. Fails when no point of the component would receive the mouse.
static void Target(const std::string& path, int& x, int& y) {
  Control& c = ScriptRunner::Resolve(path);
  Form* form = c.OwnerForm();
  if (c.kind() == Kind::Timer) throw ScriptError(path + " is a timer");
  if (!form->Visible()) throw ScriptError(form->Name() + " is not shown");
  if (!c.VisibleInForm()) throw ScriptError(path + " is not visible");
  for (const Control* p = &c; p; p = p->Parent())
    if (!p->Enabled() && p != form) throw ScriptError(path + " is disabled");
  const Rect r = c.ScreenRect();
  x = r.x + r.w / 2;
  y = r.y + r.h / 2;
  Form* under = nullptr;
  Control* hit = App().ControlAt(x, y, &under);
  if (!hit) {
    if (under && !under->AcceptsInput())
      throw ScriptError(path + " does not take input: a modal form is open over " + under->Name());
    if (&c != form) {
      // The middle may lie outside the panel that clips it; look for a reachable point.
      for (auto [px, py] : ProbePoints(r))
        if (App().ControlAt(px, py) == &c) {
          x = px;
          y = py;
          return;
        }
    }
    throw ScriptError(path + " is off the screen");
  }
  if (hit->OwnerForm() != form)
    throw ScriptError(path + " is covered by " + NameOf(*hit));
  if (&c == form || hit == &c) return;
  for (auto [px, py] : ProbePoints(r))
    if (App().ControlAt(px, py) == &c) {
      x = px;
      y = py;
      return;
    }
  throw ScriptError(path + " would not receive the mouse: " + NameOf(*hit) + " lies over it");
}

// `window show | fullscreen | windowed | size W H | leave`: the window is shown (also under the
// dummy video driver) and put in that state, or the pointer leaves it.
void ScriptRunner::WindowStep(const ScriptStep& step) {
  Application& app = App();
  const auto& w = step.words;
  const std::string what = w.size() >= 2 ? w[1] : "";
  const bool sized = what == "size" && w.size() == 4;
  if (!sized && w.size() != 2) throw ScriptError("window takes show, fullscreen, windowed, size W H or leave");
  app.SetPresenting(true);
  app.ProcessMessages();
  if (app.WindowId() == 0) throw ScriptError("no window could be opened");
  if (what == "leave") {
    SDL_Event ev{};
    ev.type = SDL_WINDOWEVENT;
    ev.window.windowID = app.WindowId();
    ev.window.event = SDL_WINDOWEVENT_LEAVE;
    SDL_PushEvent(&ev);
  } else if (what == "fullscreen" || what == "windowed") {
    if (app.Fullscreen() != (what == "fullscreen")) app.ToggleFullscreen();
  } else if (sized) {
    auto number = [](const std::string& n) {
      if (n.empty() || n.size() > 5 || n.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError("window size needs a width and a height in points");
      return std::stoi(n);
    };
    if (!app.ResizeWindow(number(w[2]), number(w[3]))) throw ScriptError("cannot resize the window");
  } else if (what != "show") {
    throw ScriptError("unknown window state " + what);
  }
  // Let the window settle and draw the new frame before the next step.
  app.ProcessMessages();
  app.Invalidate();
  app.ProcessMessages();
}

// Every text on the forms of a screenshot fits its place; the step fails naming each that does
// not, except the labels the script names as known not to fit yet (`unfit Form.Label`).
// A screenshot of the whole screen also fails where a lower screen's text shows in part beside
// one above it.
static void CheckTextsFit(Form* shot, const std::set<std::string, std::less<>>& unfit) {
  std::vector<std::string> faults;
  auto add = [&](std::vector<std::string> found) {
    for (std::string& fault : found)
      if (!unfit.contains(fault.substr(0, fault.find(' ')))) faults.push_back(std::move(fault));
  };
  for (Form* f : shot ? std::vector<Form*>{shot} : App().ZOrder()) add(TextFitFaults(*f));
  if (!shot) add(TextsShowingPastFaults(App().ZOrder()));
  if (faults.empty()) return;
  std::string message = "texts that do not fit their place:";
  for (const std::string& fault : faults) message += "\n  " + fault;
  throw ScriptError(message);
}

// A key by name, with the modifiers written before it: "Enter", "Shift+Home", "Ctrl+Shift+Left",
// "Ctrl+V".
static InputEvent KeyFromName(const std::string& name) {
  static const std::map<std::string_view, Key> keys = {
      {"Enter", Key::Enter}, {"Backspace", Key::Backspace}, {"Delete", Key::Delete},
      {"Escape", Key::Escape}, {"Left", Key::Left}, {"Right", Key::Right},
      {"Home", Key::Home}, {"End", Key::End}, {"Tab", Key::Tab}, {"BackTab", Key::BackTab},
      {"Space", Key::Space}, {"F11", Key::F11}, {"A", Key::A}, {"C", Key::C}, {"V", Key::V},
      {"X", Key::X}};
  InputEvent e;
  e.type = InputEvent::KeyPress;
  std::string_view rest = name;
  for (;;) {
    if (rest.starts_with("Shift+")) e.modifiers |= kShift, rest.remove_prefix(6);
    else if (rest.starts_with("Ctrl+")) e.modifiers |= kCtrl, rest.remove_prefix(5);
    else break;
  }
  auto it = keys.find(rest);
  if (it == keys.end()) throw ScriptError("unknown key " + name);
  e.key = it->second;
  return e;
}

// Once the window is shown, the mouse comes as the window's own events, at the window point
// where the logical point is drawn: the clicks go through the same mapping as a player's.
static void SendMouse(InputEvent::Type type, MouseButton b, int x, int y) {
  Application& app = App();
  int wx = 0, wy = 0;
  if (!app.Presenting() || !app.LogicalToWindow(x, y, wx, wy)) {
    app.Post({type, b, x, y, {}, {}, kNoModifier});
    return;
  }
  SDL_Event ev{};
  if (type == InputEvent::Move) {
    ev.type = SDL_MOUSEMOTION;
    ev.motion.windowID = app.WindowId();
    ev.motion.x = wx;
    ev.motion.y = wy;
  } else {
    ev.type = type == InputEvent::Down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    ev.button.windowID = app.WindowId();
    ev.button.button = b == MouseButton::Left    ? SDL_BUTTON_LEFT
                       : b == MouseButton::Right ? SDL_BUTTON_RIGHT
                                                 : SDL_BUTTON_MIDDLE;
    ev.button.state = type == InputEvent::Down ? SDL_PRESSED : SDL_RELEASED;
    ev.button.clicks = 1;
    ev.button.x = wx;
    ev.button.y = wy;
  }
  if (SDL_PushEvent(&ev) != 1) throw ScriptError(std::string("cannot send the mouse: ") + SDL_GetError());
}

static void PressMouse(MouseButton b, int x, int y) {
  SendMouse(InputEvent::Down, b, x, y);
  SendMouse(InputEvent::Up, b, x, y);
}

// The mouse moved onto the component at `path`, at a point where it receives it (see Target).
static std::pair<int, int> MoveOnto(const std::string& path) {
  int x = 0, y = 0;
  Target(path, x, y);
  App().ForgetDoubleClick();
  SendMouse(InputEvent::Move, MouseButton::None, x, y);
  return {x, y};
}

namespace {

// A step's arguments by place: asking for one the step lacks fails the step, naming it.
class Arguments {
 public:
  explicit Arguments(const ScriptStep& step) : words_(step.words) {}
  const std::string& operator()(std::size_t i) const {
    if (i >= words_.size()) throw ScriptError(words_[0] + " needs more arguments");
    return words_[i];
  }

 private:
  const std::vector<std::string>& words_;
};

}  // namespace

void ScriptRunner::MoveStep(const ScriptStep& step) { MoveOnto(Arguments(step)(1)); }

void ScriptRunner::ClickStep(const ScriptStep& step) {
  const auto [x, y] = MoveOnto(Arguments(step)(1));
  PressMouse(MouseButton::Left, x, y);
}

void ScriptRunner::RightClickStep(const ScriptStep& step) {
  const auto [x, y] = MoveOnto(Arguments(step)(1));
  PressMouse(MouseButton::Right, x, y);
}

void ScriptRunner::DoubleClickStep(const ScriptStep& step) {
  const auto [x, y] = MoveOnto(Arguments(step)(1));
  PressMouse(MouseButton::Left, x, y);
  PressMouse(MouseButton::Left, x, y);
}

// Press the left button on the component, move by DX, DY with it held, and let go there.
void ScriptRunner::DragStep(const ScriptStep& step) {
  const Arguments arg(step);
  int x = 0, y = 0;
  Target(arg(1), x, y);
  auto offset = [&](const std::string& n) {
    const bool negative = n.starts_with('-');
    const std::string digits = negative ? n.substr(1) : n;
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
      throw ScriptError("drag needs a distance in points across and down");
    return negative ? -std::stoi(digits) : std::stoi(digits);
  };
  const int dx = offset(arg(2)), dy = offset(arg(3));
  App().ForgetDoubleClick();
  SendMouse(InputEvent::Move, MouseButton::None, x, y);
  SendMouse(InputEvent::Down, MouseButton::Left, x, y);
  SendMouse(InputEvent::Move, MouseButton::None, x + dx / 2, y + dy / 2);
  SendMouse(InputEvent::Move, MouseButton::None, x + dx, y + dy);
  SendMouse(InputEvent::Up, MouseButton::Left, x + dx, y + dy);
}

void ScriptRunner::TypeStep(const ScriptStep& step) {
  Application& app = App();
  const auto& w = step.words;
  if (w.size() == 3) {
    int x = 0, y = 0;
    Target(w[1], x, y);
    if (Resolve(w[1]).kind() != Kind::Edit) throw ScriptError(w[1] + " is not an edit");
    app.ForgetDoubleClick();
    SendMouse(InputEvent::Move, MouseButton::None, x, y);
    PressMouse(MouseButton::Left, x, y);
  } else if (w.size() != 2) {
    throw ScriptError("type takes a text, or an edit and a text");
  }
  app.Post({InputEvent::Text, MouseButton::None, 0, 0, w.back(), {}, kNoModifier});
}

void ScriptRunner::KeyStep(const ScriptStep& step) { App().Post(KeyFromName(Arguments(step)(1))); }

void ScriptRunner::WaitStep(const ScriptStep& step) {
  Application& app = App();
  const std::string& n = Arguments(step)(1);
  if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos || n.size() > 9 ||
      std::stoull(n) > kMaxWaitMs)
    throw ScriptError("wait needs milliseconds, at most " + std::to_string(kMaxWaitMs));
  app.ProcessMessages();
  // Up to a fixed time: a timer's handler that waits further in may already have gone past it.
  std::uint64_t now = app.Now();
  const std::uint64_t end = now + std::stoull(n);
  do {
    app.AdvanceClock(std::min(end - now, kWaitStepMs));
    now = app.Now();
  } while (now < end && !app.Quitting() && !app.Terminated() && !CloseRequestWaiting());
}

void ScriptRunner::ScreenshotStep(const ScriptStep& step) {
  Application& app = App();
  const Arguments arg(step);
  Form* form = nullptr;
  if (arg(1) != "screen") {
    form = app.FindForm(arg(1));
    if (!form) throw ScriptError("no form named " + arg(1));
  }
  app.ProcessMessages();
  if (!app.SaveScreenshot(arg(2), form)) throw ScriptError("cannot write " + arg(2));
  CheckTextsFit(form, unfit_);
}

void ScriptRunner::ExpectStep(const ScriptStep& step) {
  Application& app = App();
  const Arguments arg(step);
  const std::string& path = arg(1);
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) throw ScriptError("expect needs Form.Component.Property");
  app.ProcessMessages();
  const std::string got = PropertyText(Resolve(path.substr(0, dot)), path.substr(dot + 1));
  if (got != arg(2)) throw ScriptError("expected \"" + arg(2) + "\", found \"" + got + "\"");
}

void ScriptRunner::UnfitStep(const ScriptStep& step) {
  const Arguments arg(step);
  Resolve(arg(1));
  unfit_.insert(arg(1));
}

void ScriptRunner::CloseStep(const ScriptStep&) {
  App().Post({InputEvent::CloseRequest, MouseButton::None, 0, 0, {}, {}, kNoModifier});
}

void ScriptRunner::PrintStep(const ScriptStep& step) {
  // At once, so that a program watching the output sees when the run got here.
  std::printf("%s\n", step.words[1].c_str());
  std::fflush(stdout);
}

void ScriptRunner::Execute(const ScriptStep& step) {
  const std::string& verb = step.words[0];
  if (auto custom = verbs_.find(verb); custom != verbs_.end()) {
    custom->second(step);
  } else if (const StepKind* kind = FindStepKind(verb)) {
    (this->*kind->run)(step);
  } else {
    throw ScriptError("unknown step '" + verb + "'");
  }
  // Deliver what the step posted now, so its effects (and any form it opens) come before the
  // next step.
  App().ProcessMessages();
}

void ScriptRunner::Perform(std::string_view line) {
  bool ok = true;
  ScriptStep step;
  step.text = std::string(line);
  step.words = Words(line, ok);
  if (!ok) throw ScriptError("text without a closing quotation mark");
  if (step.words.empty()) return;
  Execute(step);
}

void ScriptRunner::Idle() {
  if (next_ >= steps_.size()) throw ScriptFinished{};
  const ScriptStep& step = steps_[next_++];
  try {
    Execute(step);
  } catch (const std::exception& e) {
    throw ScriptFailed{source_ + ":" + std::to_string(step.line) + ": " + Shortened(step.text) +
                       ": " + ShortenedLines(e.what())};
  }
}

ScriptResult ScriptRunner::Run(const std::function<void()>& body) {
  Application& app = App();
  ScriptResult result;
  if (!dynamic_cast<const ManualClock*>(&app.GetClock())) {
    clock_ = std::make_unique<ManualClock>();
    clock_->Set(app.Now());
    app.SetClock(clock_.get());
  }
  app.SetIdleHook([this] { Idle(); });
  next_ = 0;
  try {
    if (body) body();
    while (next_ < steps_.size()) Idle();
  } catch (const ScriptFinished&) {
  } catch (const ScriptFailed& f) {
    result.ok = false;
    result.message = f.message;
  }
  result.stepsRun = int(next_);
  app.SetIdleHook(nullptr);
  if (clock_) {
    app.SetClock(nullptr);
    clock_.reset();
  }
  return result;
}

int RunScriptFile(const std::string& path, const std::function<void()>& program,
                  ScriptRunner& runner) {
  try {
    runner.LoadFile(path);
  } catch (const ScriptError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  const ScriptResult r = runner.Run(program);
  if (!r.ok) {
    std::fprintf(stderr, "script failed: %s\n", r.message.c_str());
    return 1;
  }
  // A script that did nothing proves nothing: it has no steps, or the program ended before one.
  if (r.stepsRun == 0) {
    std::fprintf(stderr, "script failed: %s: no step was run\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace platform
