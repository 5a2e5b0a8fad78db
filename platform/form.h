// A form: one screen or popup. Its component tree comes from a layout file; the form class binds
// the layout's handler names to code. Shown modally it runs its own nested event loop.
#pragma once

#include "platform/controls.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct LayoutNode;

enum class FormPosition { Designed, Centre, Maximised };
enum class BorderStyle { None, Single };

// What a form's code asked of its layout and did not find.
class MissingComponent : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Form : public Control {
 public:
  // Loads <layout folder>/<name>.layout (see LayoutFolder in layout.h).
  explicit Form(std::string name);
  // Loads the given layout file.
  Form(std::string name, const std::string& layoutFile);
  // Builds from an already parsed layout.
  Form(std::string name, const LayoutNode& layout);
  ~Form() override;

  const std::string& ClassName() const { return className_; }
  const std::string& LayoutFile() const { return layoutFile_; }

  // Handlers by the names the layout uses.
  void Bind(std::string handlerName, Handler handler);
  // Binds a handler name to a method of the screen class: `Bind("OnBackClick",
  // &HighScoreScreen::OnBackClick)`. The method takes nothing, or the event's arguments.
  template <class Screen>
  void Bind(std::string handlerName, void (Screen::*method)()) {
    Screen* screen = static_cast<Screen*>(this);
    Bind(std::move(handlerName), [screen, method](EventArgs&) { (screen->*method)(); });
  }
  template <class Screen>
  void Bind(std::string handlerName, void (Screen::*method)(EventArgs&)) {
    Screen* screen = static_cast<Screen*>(this);
    Bind(std::move(handlerName), [screen, method](EventArgs& args) { (screen->*method)(args); });
  }
  bool IsBound(std::string_view handlerName) const;
  // Every handler name the layout binds for which no Bind was made, sorted, without repeats.
  std::vector<std::string> MissingHandlers() const;
  // Every handler name bound by Bind that no component of the form uses, sorted: a binding left
  // behind when its layout line went, or a name misspelt on one side.
  std::vector<std::string> UnusedBindings() const;
  // Runs the handler bound to `sender`'s event, if any. Returns whether one ran.
  bool Fire(Event e, EventArgs& args);

  Control* Find(std::string_view name) const;
  template <class T>
  T& Get(std::string_view name) const {
    Control* c = Find(name);
    if (!c) throw MissingComponent(Name() + ": no component named '" + std::string(name) + "'");
    T* t = dynamic_cast<T*>(c);
    if (!t)
      throw MissingComponent(Name() + ": component '" + std::string(name) + "' is a " +
                             std::string(KindName(c->kind())));
    return *t;
  }
  // The numbered components `prefix1` .. `prefix<count>` (a layout's repeated rows), in order: the
  // element k - 1 is row k. A missing one throws MissingComponent like Get.
  template <class T>
  std::vector<T*> GetNumbered(std::string_view prefix, int count) const {
    std::vector<T*> rows;
    rows.reserve(count > 0 ? count : 0);
    for (int k = 1; k <= count; ++k) rows.push_back(&Get<T>(std::string(prefix) + std::to_string(k)));
    return rows;
  }
  // Every component of the tree, parents before children.
  std::vector<Control*> AllControls() const;
  // Adds a component made in code; `parent` is this form when null. Names must be unique.
  Control& Add(std::unique_ptr<Control> control, Control* parent = nullptr);

  // Showing. SetVisible(true) is Show: the form comes to the front and becomes active.
  void SetVisible(bool v) override;
  // Returns 1 when the form closed by its close rules, 0 when its loop ended otherwise (the
  // program ending); while the program is quitting it shows nothing and returns 0 at once.
  int ShowModal();
  // Asks the form to close. A modal form closes when its own loop next resumes; either way the
  // close query may refuse. Closing the main form ends the program.
  void Close();
  bool Modal() const { return modal_; }
  bool Active() const;
  // False while a modal form shown after this one is open.
  bool AcceptsInput() const { return Enabled() && modalLocks_ == 0; }

  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition p) { position_ = p; }
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle b) { border_ = b; Changed(); }
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool v) { stayOnTop_ = v; }
  // Whether the player drags the form by its whole surface (every place where a press does
  // nothing else), not only by its title bar.
  bool DraggedBySurface() const { return draggedBySurface_; }
  void SetDraggedBySurface(bool v) { draggedBySurface_ = v; }
  int TitleHeight() const { return border_ == BorderStyle::Single ? 22 : 0; }
  // Places the form by its Position on the logical screen.
  void PlaceOnScreen();

  // The keyboard focus: an edit takes the typing, a button Enter and Space. Tab moves it among
  // the form's focusable controls in layout order.
  Control* Focused() const { return focused_; }
  Edit* FocusedEdit() const;
  void SetFocused(Control* c);
  void SetFocusedEdit(Edit* e) { SetFocused(e); }
  void FocusNext(bool forward);
  // On screen in its form and enabled, with every parent.
  static bool TakesInput(const Control& c);
  // Edits and push buttons take the focus while they take input.
  static bool Focusable(const Control& c);
  // The controls the layout marks `default` (Enter) and `cancel` (Escape), the first of each that
  // takes input now; null when none does.
  Control* DefaultControl() const;
  Control* CancelControl() const;

  // A form may grow to the right to hold a passing panel (the tutorial's) without being drawn
  // wider: its ground is then painted only over its first `width` pixels, and what lies beneath
  // the rest shows through around that panel. Cleared, the whole form is painted again.
  void SetPaintedWidth(std::optional<int> width);
  // How much of the form's width its ground covers.
  int PaintedWidth() const { return paintedWidth_ ? std::min(*paintedWidth_, Width()) : Width(); }
  // The same downwards: a form grown at its foot for a passing picture (the tutorial's pointer)
  // paints its ground over its first `height` pixels only.
  void SetPaintedHeight(std::optional<int> height);
  int PaintedHeight() const { return paintedHeight_ ? std::min(*paintedHeight_, Height()) : Height(); }

  void Paint(Canvas& canvas) override;

 private:
  friend class Application;
  void Build(const LayoutNode& layout);
  void Register(Control& c);
  // Every handler name the form and its components use.
  std::set<std::string> UsedHandlerNames() const;
  bool TryClose();

  std::string className_;
  std::string layoutFile_;
  std::map<std::string, Handler, std::less<>> bindings_;
  std::map<std::string, Control*, std::less<>> byName_;
  FormPosition position_ = FormPosition::Designed;
  BorderStyle border_ = BorderStyle::None;
  bool stayOnTop_ = false;
  bool draggedBySurface_ = false;
  bool modal_ = false;
  bool closeRequested_ = false;
  int modalLocks_ = 0;
  std::size_t shownAtLevel_ = 0;  // how many modal loops ran when it was last shown (not modally)
  std::optional<int> paintedWidth_;
  std::optional<int> paintedHeight_;
  Control* focused_ = nullptr;
};

}  // namespace platform
