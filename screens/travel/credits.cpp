#include "screens/travel/credits.h"

#include <SDL.h>

#include <cstdio>

#include "audio/sound.h"
#include "screens/popups/popups.h"
#include "state/variables.h"

namespace screens {

using platform::Image;

std::function<void(const std::string&)> CreditsScreen::OpenUrl = [](const std::string& url) {
  // The answer does not matter to the game: the screen stays open either way.
  if (SDL_OpenURL(url.c_str()) != 0)
    std::fprintf(stderr, "Farhaven 4: cannot open %s: %s\n", url.c_str(), SDL_GetError());
};

CreditsScreen::CreditsScreen()
    : Form("Credits"),
      back_({{Get<Image>("BackButton"), "CreditsScreen_12.jpg", "CreditsScreen_12_Highlighted.jpg"}}) {
  Bind("OnBackClick", &CreditsScreen::OnBackClick);
  Bind("OnBackHover", [this](platform::Sender) { back_.Hover(1); });
  Bind("OnFaceHover", [this](platform::Sender) { back_.Restore(); });
  Bind("OnWebSiteMouseDown", &CreditsScreen::OnWebSiteMouseDown);
}

void CreditsScreen::OnBackClick() {
  audio::PlayButtonSound();
  Close();
}

void CreditsScreen::OnWebSiteMouseDown() {
  audio::PlayButtonSound();
  if (popups::AskYesNo("Visit website?",
                       "Do you wish to open up a web browser window and visit our website?") &&
      OpenUrl)
    OpenUrl(state::WebSiteUrl);
}

}  // namespace screens
