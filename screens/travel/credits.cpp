#include "screens/travel/credits.h"

#include <SDL.h>

#include <cstdio>

#include "audio/sound.h"
#include "screens/travel/message_popups.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

TForm24* Form24 = nullptr;

std::function<void(const std::string&)> TForm24::OpenUrl = [](const std::string& url) {
  // The answer does not matter to the game: the screen stays open either way.
  if (SDL_OpenURL(url.c_str()) != 0)
    std::fprintf(stderr, "Farhaven 4: cannot open %s: %s\n", url.c_str(), SDL_GetError());
};

TForm24::TForm24() : Form("Form24") {
  Bind("Interface12Click", [this](Sender) { Interface12Click(); });
  Bind("Interface12MouseMove", [this](Sender) { Interface12MouseMove(); });
  Bind("Image2MouseMove", [this](Sender) { Image2MouseMove(); });
  Bind("Interface9MouseDown", [this](Sender) { Interface9MouseDown(); });
  Get<Image>("Interface12");  // Back: a layout without it fails here and in the data check
}

void TForm24::Interface12Click() {
  audio::PlayButtonSound();
  Close();
}

void TForm24::Interface12MouseMove() {
  if (backHover_ == 1) return;
  Get<Image>("Interface12").LoadPicture("CreditsScreen_12_Highlighted.jpg");
  backHover_ = 1;
}

void TForm24::Image2MouseMove() {
  if (backHover_ == 0) return;
  Get<Image>("Interface12").LoadPicture("CreditsScreen_12.jpg");
  backHover_ = 0;
}

void TForm24::Interface9MouseDown() {
  audio::PlayButtonSound();
  DialogResult = 0;
  FMessage4->Get<Label>("Topic").SetCaption("Visit website?");
  FMessage4->Get<Label>("LabelText")
      .SetCaption("Do you wish to open up a web browser window and visit our website?");
  FMessage4->ShowModal();
  if (DialogResult == 1 && OpenUrl) OpenUrl(state::WebSiteUrl);
}

}  // namespace screens
