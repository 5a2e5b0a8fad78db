#include "screens/shared/picture_buttons.h"

#include "platform/application.h"

namespace screens {

PictureButton::PictureButton(platform::Image& image, std::string normal, std::string lit)
    : image(&image), picture([normal = std::move(normal), lit = std::move(lit)](bool on) {
        return on ? lit : normal;
      }) {}

PictureButton::PictureButton(platform::Image& image, std::function<std::string(bool lit)> picture)
    : image(&image), picture(std::move(picture)) {}

std::vector<PictureButton> NumberedPictureButtons(const platform::Form& form,
                                                  std::span<const char* const> names,
                                                  std::string (*picture)(int k, bool lit)) {
  std::vector<PictureButton> buttons;
  for (int k = 1; k <= static_cast<int>(names.size()); ++k)
    buttons.emplace_back(form.Get<platform::Image>(names[k - 1]), picture(k, false),
                         picture(k, true));
  return buttons;
}

LitState LitState::In(int& lit) {
  return {[&lit] { return lit; }, [&lit](int k) { lit = k; }};
}

LitState LitState::In(std::uint8_t& lit) {
  return {[&lit] { return static_cast<int>(lit); },
          [&lit](int k) { lit = static_cast<std::uint8_t>(k); }};
}

LitState LitState::InTag(platform::Image& image) {
  return {[&image] { return image.Tag(); }, [&image](int k) { image.SetTag(k); }};
}

PictureButtons::PictureButtons(std::vector<PictureButton> buttons)
    : buttons_(std::move(buttons)), lit_(LitState::In(own_)) {}

PictureButtons::PictureButtons(std::vector<PictureButton> buttons, LitState lit)
    : buttons_(std::move(buttons)), lit_(std::move(lit)) {}

PictureButtons::~PictureButtons() { platform::App().ForgetPointerWatches(this); }

void PictureButtons::Load(int k, bool lit) {
  const PictureButton& b = buttons_.at(static_cast<std::size_t>(k - 1));
  b.image->LoadPicture(b.picture(lit));
}

void PictureButtons::Hover(int k) {
  if (!IsButton(k)) return;
  const int lit = Lit();
  if (lit != k) {
    if (IsButton(lit)) Load(lit, false);
    Load(k, true);
    lit_.set(k);
  }
  WatchPointer(k);
}

void PictureButtons::WatchPointer(int k) {
  platform::Application& app = platform::App();
  const platform::Image& image = Image(k);
  std::vector<const platform::Control*> over{&image};
  // The button's caption, or whatever else lights it, keeps it lit while the pointer is on it.
  if (const platform::Control* hovered = app.Hovered();
      hovered != nullptr && hovered != &image && hovered->kind() != platform::Kind::Form)
    over.push_back(hovered);
  app.WatchPointer(std::move(over), [this, k] {
    if (Lit() != k) return;
    Load(k, false);
    lit_.set(0);
  }, this);
}

void PictureButtons::Restore() {
  const int lit = Lit();
  if (!IsButton(lit)) return;
  Load(lit, false);
  lit_.set(0);
}

void PictureButtons::RestoreAll() {
  for (int k = 1; k <= Count(); ++k) Load(k, false);
  lit_.set(0);
}

void PictureButtons::Reload() {
  for (int k = 1; k <= Count(); ++k) Load(k, k == Lit());
}

}  // namespace screens
