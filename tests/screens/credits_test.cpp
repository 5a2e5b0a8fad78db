// The credits screen: the website question and its answers, the Back button's picture, Back.
#include "screens/travel/credits.h"

#include "screens/form_test_fixture.h"
#include "screens/travel/message_popups.h"

namespace screens_test {
namespace {

class CreditsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    screens::FMessage4 = &question;
    saved = screens::TForm24::OpenUrl;
    screens::TForm24::OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    state::WebSiteUrl = "https://example.org/farhaven4/";
  }
  void TearDown() override {
    screens::TForm24::OpenUrl = saved;
    screens::FMessage4 = nullptr;
    FormTest::TearDown();
  }

  screens::TForm24 credits;
  screens::TFMessage4 question;
  std::vector<std::string> opened;
  std::function<void(const std::string&)> saved;
};

TEST_F(CreditsTest, TheWebsiteOpensOnlyWhenThePlayerAnswersYes) {
  struct Case {
    const char* answer;  // what closes the question
    bool opens;
  };
  for (const Case& c : {Case{"Label1", true}, Case{"Label2", false}, Case{"SpeedButton1", false}}) {
    SCOPED_TRACE(c.answer);
    opened.clear();
    screens::DialogResult = 7;  // whatever an earlier question left
    WhenIdle({
        [&] {
          const platform::Rect r = credits.Get<platform::Image>("Interface9").ScreenRect();
          platform::App().MouseMove(r.x + 5, r.y + 5);
          platform::App().MouseDown(platform::MouseButton::Right, r.x + 5, r.y + 5);
        },
        [&] {
          EXPECT_TRUE(question.Visible());
          EXPECT_EQ(question.Get<platform::Label>("Topic").Caption(), "Visit website?");
          EXPECT_EQ(question.Get<platform::Label>("LabelText").Caption(),
                    "Do you wish to open up a web browser window and visit our website?");
          if (std::string(c.answer) == "SpeedButton1") FireClick(question, c.answer);
          else ClickOn(question.Get<platform::Label>(c.answer));
        },
        [&] {
          EXPECT_TRUE(credits.Visible()) << "the screen stays open";
          ClickOn(credits.Get<platform::Label>("Label4"));
        },
    });
    credits.ShowModal();
    EXPECT_FALSE(credits.Visible());
    EXPECT_EQ(opened, c.opens ? std::vector<std::string>{"https://example.org/farhaven4/"}
                              : std::vector<std::string>{});
  }
}

TEST_F(CreditsTest, BackLightsOnceAndGoesDarkOverTheSurroundingPictures) {
  WhenIdle({[&] {
    auto& back = credits.Get<platform::Image>("Interface12");
    MoveOnto(back);
    EXPECT_EQ(back.PictureName(), "CreditsScreen_12_Highlighted.jpg");
    const auto loads = PictureLoads();
    MoveOnto(credits.Get<platform::Label>("Label4"), 10);
    EXPECT_EQ(PictureLoads(), loads);
    // Beside the button on the band below, and the two side pictures.
    for (auto [around, dx] : {std::pair{"Interface11", -200}, {"Image1", 0}, {"Image2", 0}}) {
      MoveOnto(back);
      MoveOnto(credits.Get<platform::Image>(around), dx);
      EXPECT_EQ(back.PictureName(), "CreditsScreen_12.jpg") << around;
      EXPECT_EQ(credits.BackHover(), 0);
    }
    ClickOn(credits.Get<platform::Image>("Interface12"));
  }});
  credits.ShowModal();
  EXPECT_FALSE(credits.Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

}  // namespace
}  // namespace screens_test
