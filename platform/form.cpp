#include "platform/form.h"

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/layout.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace platform {

namespace {

std::unique_ptr<Control> MakeControl(Kind kind, const std::string& name) {
  switch (kind) {
    case Kind::Image: return std::make_unique<Image>(name);
    case Kind::Label: return std::make_unique<Label>(name);
    case Kind::Panel: return std::make_unique<Panel>(name);
    case Kind::Shape: return std::make_unique<Shape>(name);
    case Kind::SpeedButton: return std::make_unique<SpeedButton>(name);
    case Kind::Button: return std::make_unique<Button>(name);
    case Kind::GroupBox: return std::make_unique<GroupBox>(name);
    case Kind::Edit: return std::make_unique<Edit>(name);
    case Kind::ProgressBar: return std::make_unique<ProgressBar>(name);
    case Kind::Timer: return std::make_unique<Timer>(name);
    case Kind::Form: break;
  }
  return nullptr;
}

// Pictures go last, so a "transparent" flag anywhere on the line is known before the load.
void ApplyProperties(Control& c, const LayoutNode& node) {
  for (int pass = 0; pass < 2; ++pass)
    for (const LayoutProperty& p : node.properties) {
      const bool picture = p.row->name == "picture" || p.row->name == "glyph";
      if (picture == (pass == 1)) p.row->apply(c, p.value);
    }
  if (node.kind == Kind::Label) {
    bool sized = false;
    for (const LayoutProperty& p : node.properties) sized = sized || p.row->name == "width";
    if (!sized) static_cast<Label&>(c).SetAutoSize(true);
  }
}

}  // namespace

Form::Form(std::string name) : Form(name, LayoutPath(name)) {}

Form::Form(std::string name, const std::string& layoutFile) : Control(Kind::Form, name) {
  layoutFile_ = layoutFile;
  Build(ReadLayoutFile(layoutFile));
}

Form::Form(std::string name, const LayoutNode& layout) : Control(Kind::Form, std::move(name)) {
  layoutFile_ = layout.file;
  Build(layout);
}

Form::~Form() { App().RemoveForm(this); }

void Form::Build(const LayoutNode& layout) {
  form_ = this;
  Control::SetVisible(false);
  SetColor(colors::ButtonFace);
  if (layout.name != Name())
    throw LayoutError(layout.file, layout.line,
                      "the layout is for form " + layout.name + ", not " + Name());
  className_ = layout.className;
  ApplyProperties(*this, layout);
  struct Builder {
    Form& form;
    void Children(Control& parent, const LayoutNode& node) {
      for (const LayoutNode& childNode : node.children) {
        Control& child = form.Add(MakeControl(childNode.kind, childNode.name), &parent);
        ApplyProperties(child, childNode);
        Children(child, childNode);
      }
    }
  } builder{*this};
  builder.Children(*this, layout);
  App().AddForm(this);
}

void Form::Register(Control& c) {
  if (c.Name().empty()) return;
  if (!byName_.emplace(c.Name(), &c).second || c.Name() == Name())
    throw MissingComponent(Name() + ": a second component named '" + c.Name() + "'");
}

Control& Form::Add(std::unique_ptr<Control> control, Control* parent) {
  if (!parent) parent = this;
  Register(*control);
  Control& c = parent->Adopt(std::move(control));
  return c;
}

Control* Form::Find(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::vector<Control*> Form::AllControls() const {
  std::vector<Control*> out;
  struct Walk {
    std::vector<Control*>& out;
    void operator()(const Control& c) {
      for (const auto& child : c.Children()) {
        out.push_back(child.get());
        (*this)(*child);
      }
    }
  } walk{out};
  walk(*this);
  return out;
}

void Form::Bind(std::string handlerName, Handler handler) {
  bindings_[std::move(handlerName)] = std::move(handler);
}

bool Form::IsBound(std::string_view handlerName) const {
  auto it = bindings_.find(handlerName);
  return it != bindings_.end() && it->second;
}

std::set<std::string> Form::UsedHandlerNames() const {
  std::set<std::string> used;
  auto collect = [&](const Control& c) {
    for (int e = 0; e < int(Event::Count); ++e)
      if (const std::string& h = c.HandlerName(Event(e)); !h.empty()) used.insert(h);
  };
  collect(*this);
  for (Control* c : AllControls()) collect(*c);
  return used;
}

std::vector<std::string> Form::MissingHandlers() const {
  std::vector<std::string> missing;
  for (const std::string& h : UsedHandlerNames())
    if (!IsBound(h)) missing.push_back(h);
  return missing;
}

std::vector<std::string> Form::UnusedBindings() const {
  const std::set<std::string> used = UsedHandlerNames();
  std::vector<std::string> unused;
  for (const auto& [name, handler] : bindings_)
    if (handler && !used.contains(name)) unused.push_back(name);
  return unused;
}

bool Form::Fire(Event e, EventArgs& args) {
  const std::string& name = args.sender.HandlerName(e);
  if (name.empty()) return false;
  auto it = bindings_.find(name);
  if (it == bindings_.end() || !it->second) {
    std::fprintf(stderr, "Farhaven 4: %s: handler %s is not bound\n", Name().c_str(), name.c_str());
    return false;
  }
  // A copy, so a handler that rebinds its own name does not pull the function from under itself.
  Handler h = it->second;
  h(args);
  return true;
}

bool Form::Active() const { return App().ActiveForm() == this; }

void Form::PlaceOnScreen() {
  if (position_ == FormPosition::Centre) {
    const int top = (kScreenHeight - Height() - TitleHeight()) / 2 + TitleHeight();
    SetBounds((kScreenWidth - Width()) / 2, std::max(top, TitleHeight()), Width(), Height());
  } else if (position_ == FormPosition::Maximised) {
    SetBounds(0, TitleHeight(), kScreenWidth, kScreenHeight - TitleHeight());
  }
}

void Form::SetVisible(bool v) {
  if (v == Visible()) {
    if (v) App().FormShown(this, modal_);
    return;
  }
  if (v) {
    PlaceOnScreen();
    EventArgs a{*this};
    Fire(Event::Show, a);
    Control::SetVisible(true);
    App().FormShown(this, modal_);
  } else {
    Control::SetVisible(false);
    App().FormHidden(this);
    EventArgs a{*this};
    Fire(Event::Hide, a);
  }
}

int Form::ShowModal() {
  Application& app = App();
  if (modal_) throw std::logic_error(Name() + " is already shown modally");
  // The program is ending: nothing new opens.
  if (app.Quitting()) return 0;
  // The forms visible now are locked while this one is open; forms shown later stay usable.
  std::vector<Form*> locked;
  for (Form* f : app.ZOrder())
    if (f != this) {
      ++f->modalLocks_;
      locked.push_back(f);
    }
  app.CancelCapture();
  modal_ = true;
  closeRequested_ = false;
  app.PushModal(this);
  struct Guard {
    Form& form;
    std::vector<Form*>& locked;
    ~Guard() {
      Application& app = App();
      app.PopModal(&form);
      for (Form* f : locked) --f->modalLocks_;
      form.modal_ = false;
      form.closeRequested_ = false;
      if (form.Visible()) {
        form.Hide();
      } else {
        app.FormHidden(&form);
      }
    }
  } guard{*this, locked};
  if (Visible()) app.FormShown(this, true);
  else Show();
  int result = 0;
  while (!app.Terminated()) {
    if (app.Quitting()) {
      // Closed through its own close rules where they allow it; the program ends either way.
      result = TryClose() ? 1 : 0;
      break;
    }
    if (closeRequested_) {
      closeRequested_ = false;
      if (TryClose()) {
        result = 1;
        break;
      }
    }
    app.Pump(true);
  }
  return result;
}

bool Form::TryClose() {
  EventArgs a{*this};
  Fire(Event::CloseQuery, a);
  if (!a.canClose) return false;
  Fire(Event::Close, a);
  return true;
}

void Form::Close() {
  if (modal_) {
    closeRequested_ = true;
    return;
  }
  if (!TryClose()) return;
  Hide();
  if (App().MainForm() == this) App().Terminate();
}

Edit* Form::FocusedEdit() const {
  return focused_ && focused_->kind() == Kind::Edit ? static_cast<Edit*>(focused_) : nullptr;
}

void Form::SetFocused(Control* c) {
  if (focused_ == c) return;
  focused_ = c;
  // An edit that gets the focus has its whole text selected: typing replaces it.
  if (c && c->kind() == Kind::Edit) static_cast<Edit*>(c)->SelectAll();
  Changed();
}

bool Form::TakesInput(const Control& c) {
  if (!c.VisibleInForm()) return false;
  for (const Control* p = &c; p && p->kind() != Kind::Form; p = p->Parent())
    if (!p->Enabled()) return false;
  return true;
}

bool Form::Focusable(const Control& c) {
  return (c.kind() == Kind::Edit || c.kind() == Kind::Button) && TakesInput(c);
}

void Form::FocusNext(bool forward) {
  std::vector<Control*> ring;
  for (Control* c : AllControls())
    if (Focusable(*c)) ring.push_back(c);
  if (ring.empty()) return;
  auto it = std::find(ring.begin(), ring.end(), focused_);
  std::size_t next = 0;
  if (it == ring.end()) next = forward ? 0 : ring.size() - 1;
  else if (forward) next = (std::size_t(it - ring.begin()) + 1) % ring.size();
  else next = (std::size_t(it - ring.begin()) + ring.size() - 1) % ring.size();
  SetFocused(ring[next]);
}

Control* Form::DefaultControl() const {
  for (Control* c : AllControls())
    if (c->IsDefault() && TakesInput(*c)) return c;
  return nullptr;
}

Control* Form::CancelControl() const {
  for (Control* c : AllControls())
    if (c->IsCancel() && TakesInput(*c)) return c;
  return nullptr;
}

void Form::SetPaintedWidth(std::optional<int> width) {
  paintedWidth_ = width;
  Changed();
}

void Form::SetPaintedHeight(std::optional<int> height) {
  paintedHeight_ = height;
  Changed();
}

void Form::Paint(Canvas& canvas) { canvas.Fill(Rect{0, 0, PaintedWidth(), PaintedHeight()}, GetColor()); }

}  // namespace platform
