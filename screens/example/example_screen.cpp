#include "screens/example/example_screen.h"

#include "audio/sound.h"

namespace screens {

ExampleScreen::ExampleScreen()
    : Form("Example"),
      back_({{Get<platform::Image>("BackButton"), "HighScoresScreen_34.jpg",
              "HighScoresScreen_34_H.jpg"}}) {
  Bind("OnBackClick", &ExampleScreen::OnBackClick);
  Bind("OnBackHover", [this](platform::Sender) { back_.Hover(kBackButton); });
  Bind("OnFaceHover", [this](platform::Sender) { back_.Restore(); });
}

void ExampleScreen::Refresh() {
  const ExampleView view = BuildExampleView();
  pilot_.SetCaption(view.pilot);
  for (int k = 0; k < kCargoRows; ++k) cargoRows_[k]->SetCaption(view.cargoRows[k]);
}

void ExampleScreen::OnBackClick() {
  audio::PlayButtonSound();
  Close();
}

}  // namespace screens
