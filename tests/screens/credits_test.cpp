// The credits screen: the website question and its answers, the Back button's picture, Back.
#include "screens/travel/credits.h"

#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"

namespace screens_test {
namespace {

class CreditsTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    saved = screens::CreditsScreen::OpenUrl;
    screens::CreditsScreen::OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    state::WebSiteUrl = "https://example.org/farhaven4/";
  }
  void TearDown() override {
    screens::CreditsScreen::OpenUrl = saved;
    GameFormsTest::TearDown();
  }

  static screens::CreditsScreen& credits() { return screens::GameForm<screens::CreditsScreen>(); }
  static screens::YesNoPopup& question() { return screens::GameForm<screens::YesNoPopup>(); }
  std::vector<std::string> opened;
  std::function<void(const std::string&)> saved;
};

TEST_F(CreditsTest, TheWebsiteOpensOnlyWhenThePlayerAnswersYes) {
  struct Case {
    const char* answer;  // what closes the question
    bool opens;
  };
  for (const Case& c : {Case{"YesLabel", true}, Case{"NoLabel", false}, Case{"HiddenContinueButton", false}}) {
    SCOPED_TRACE(c.answer);
    opened.clear();
    screens::YesNoAnswer = 7;  // whatever an earlier question left
    WhenIdle({
        [&] {
          const platform::Rect r = credits().Get<platform::Image>("WebSiteLink").ScreenRect();
          platform::App().MouseMove(r.x + 5, r.y + 5);
          platform::App().MouseDown(platform::MouseButton::Right, r.x + 5, r.y + 5);
        },
        [&] {
          EXPECT_TRUE(question().Visible());
          EXPECT_EQ(question().Get<platform::Label>("Topic").Caption(), "Visit website?");
          EXPECT_EQ(question().Get<platform::Label>("Text").Caption(),
                    "Do you wish to open up a web browser window and visit our website?");
          if (std::string(c.answer) == "HiddenContinueButton") FireClick(question(), c.answer);
          else ClickOn(question().Get<platform::Label>(c.answer));
        },
        [&] {
          EXPECT_TRUE(credits().Visible()) << "the screen stays open";
          ClickOn(credits().Get<platform::Label>("BackLabel"));
        },
    });
    credits().ShowModal();
    EXPECT_FALSE(credits().Visible());
    EXPECT_EQ(opened, c.opens ? std::vector<std::string>{"https://example.org/farhaven4/"}
                              : std::vector<std::string>{});
  }
}

TEST_F(CreditsTest, BackLightsOnceAndGoesDarkOverTheSurroundingPictures) {
  WhenIdle({[&] {
    auto& back = credits().Get<platform::Image>("BackButton");
    MoveOnto(back);
    EXPECT_EQ(back.PictureName(), "CreditsScreen_12_Highlighted.jpg");
    const auto loads = PictureLoads();
    MoveOnto(credits().Get<platform::Label>("BackLabel"), 10);
    EXPECT_EQ(PictureLoads(), loads);
    // Beside the button on the band below, and the two side pictures.
    for (auto [around, dx] : {std::pair{"BottomFace", -200}, {"LeftFace", 0}, {"RightFace", 0}}) {
      MoveOnto(back);
      MoveOnto(credits().Get<platform::Image>(around), dx);
      EXPECT_EQ(back.PictureName(), "CreditsScreen_12.jpg") << around;
      EXPECT_EQ(credits().BackHover(), 0);
    }
    ClickOn(credits().Get<platform::Image>("BackButton"));
  }});
  credits().ShowModal();
  EXPECT_FALSE(credits().Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

}  // namespace
}  // namespace screens_test
