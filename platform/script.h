// Driving forms by name, for tests and for `farhaven --script FILE`. One step per line:
//
//   click Start.NewGameButton       left click in the middle of a component
//   dblclick Travel.Planet3         double click
//   rightclick Travel.Planet3       right button press and release
//   move Start.NewGameButton        the mouse moves onto a component
//   drag TradeWindow.Topic 500 -40  press on a component, move 500 across and 40 up, let go
//   type NameEntry.NameEdit "Jane"  click into an edit and type; `type "text"` types into the focus
//   key Enter                       Enter, Backspace, Delete, Escape, Left, Right, Home, End,
//                                   Tab, BackTab, Space, F11, A, C, V, X, with Shift+ and/or
//                                   Ctrl+ before it: `key Shift+Home`, `key Ctrl+V`
//   wait 500                        the clock moves on 500 ms (at most 600000), timers fire as
//                                   they fall due; a close request ends the wait at once
//   screenshot Start "start.png"    one form as a PNG; `screenshot screen "all.png"` the screen;
//                                   then every label shown there must fit its place (TextFitFaults)
//   unfit Travel.NewsLine1          a label known not to fit yet: the screenshots do not check it
//   expect Start.NewGameLabel.Caption "Start a new game"    a property equals a text
//   close                           the desktop's close request: the program ends
//   window fullscreen               shows the window (also under the dummy video driver) in a state:
//                                   show, fullscreen, windowed, size W H; `window leave` moves the
//                                   pointer out of it. Once shown, the mouse steps come as the
//                                   window's own events, at the window point where the target is
//                                   drawn
//
// Steps run whenever an event loop has nothing else to do, so a step that opens a modal form is
// followed by the steps that work inside it. The run stops at the first failed step and names it.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Control;
class Form;
class ManualClock;

// Thrown by a step that fails; the runner adds where.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptStep {
  int line = 0;
  std::string text;
  std::vector<std::string> words;  // quotes removed
};

struct ScriptResult {
  bool ok = true;
  std::string message;  // "<source>:<line>: <step>: <what went wrong>"
  int stepsRun = 0;
};

// A property of a component as text: Caption, Text, Visible, Enabled, Tag, Left, Top, Width,
// Height, Hint, Picture, Position, Interval, Color, FontColor. Throws ScriptError when unknown.
std::string PropertyText(const Control& c, std::string_view property);

class ScriptRunner {
 public:
  using Verb = std::function<void(const ScriptStep& step)>;

  ScriptRunner();
  ~ScriptRunner();

  // Adds a step kind of the game's own (for example answering the next popup).
  void AddVerb(std::string name, Verb verb);
  // Does one step, written as a script line ("click YesNoPopup.YesButton"), at once: what a step
  // of the game's own uses to act through the common steps. Throws ScriptError when it fails.
  void Perform(std::string_view line);
  // Parses steps; throws ScriptError naming the line for an unknown step or bad quoting.
  void Load(std::string_view text, std::string sourceName = "script");
  void LoadFile(const std::string& path);
  void Add(std::string_view line);

  // Runs `body` (for example showing a form modally, or the whole program) with the steps
  // executing as its loops go idle; the steps left when it returns run afterwards. Uses a manual
  // clock for the run unless one is already in place.
  ScriptResult Run(const std::function<void()>& body = {});

  // Resolves "Form.Component" (or "Form" alone) to a control.
  static Control& Resolve(std::string_view path);

 private:
  void Idle();
  void Execute(const ScriptStep& step);
  // The common steps, found by their first word, one handler each.
  struct StepKind;
  static const StepKind* FindStepKind(std::string_view verb);
  void ClickStep(const ScriptStep& step);
  void RightClickStep(const ScriptStep& step);
  void DoubleClickStep(const ScriptStep& step);
  void MoveStep(const ScriptStep& step);
  void DragStep(const ScriptStep& step);
  void TypeStep(const ScriptStep& step);
  void KeyStep(const ScriptStep& step);
  void WaitStep(const ScriptStep& step);
  void ScreenshotStep(const ScriptStep& step);
  void ExpectStep(const ScriptStep& step);
  void UnfitStep(const ScriptStep& step);
  void CloseStep(const ScriptStep& step);
  void PrintStep(const ScriptStep& step);
  void WindowStep(const ScriptStep& step);
  std::vector<ScriptStep> steps_;
  std::size_t next_ = 0;
  std::string source_ = "script";
  std::map<std::string, Verb, std::less<>> verbs_;
  std::set<std::string, std::less<>> unfit_;  // labels the screenshots do not check (`unfit`)
  std::unique_ptr<ManualClock> clock_;
};

// `farhaven --script FILE`: runs `program` under the steps of FILE with `runner` (which may carry
// the game's own verbs). Prints the first failure to stderr and returns 1 then (also when the
// file cannot be read or parsed, is not a regular file, or runs no step), else 0. A byte-order
// mark before the first step is skipped; a step shown in a message is cut to a readable length.
int RunScriptFile(const std::string& path, const std::function<void()>& program,
                  ScriptRunner& runner);

}  // namespace platform
