// The eight message popups: close permission, answers, and their buttons' mouse-over pictures.
#include "screens/travel/message_popups.h"

#include <memory>

#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

using platform::Form;
using screens::MessagePopup;

struct PopupCase {
  const char* name;
  std::unique_ptr<MessagePopup> (*make)();
  std::uint8_t* mayClose;
  const char* button;  // the first button's picture and label
  const char* label;
  const char* normal;
  const char* highlighted;
  const char* face;          // a picture around the buttons
  bool restoresOnClick;      // the clicked button is normal again when the popup closes
};

template <class T>
std::unique_ptr<MessagePopup> Make() { return std::make_unique<T>(); }

const PopupCase kPopups[] = {
    // name        make                        flag                       button        label     normal                          highlighted                                face        restores
    {"FMessage1", Make<screens::TFMessage1>, &state::Message1MayClose, "Interface6", "Label1", "Message1Int_06.jpg",            "Message1Int_06_Highlighted.jpg",          "Image10",  true},
    {"FMessage2", Make<screens::TFMessage2>, &state::Message2MayClose, "Interface6", "Label1", "Message2Int_06.jpg",            "Message2Int_06_Highlighted.jpg",          "Image10",  true},
    {"FMessage3", Make<screens::TFMessage3>, &state::Message3MayClose, "Interface2", "Label1", "Message3Int_02.jpg",            "Message3Int_02_Highlighted.jpg",          "Image10",  true},
    {"FMessage4", Make<screens::TFMessage4>, &state::Message4MayClose, "Interface2", "Label1", "Message4Int_02.jpg",            "Message4Int_02_Highlighted.jpg",          "Image1",   true},
    {"FMessage5", Make<screens::TFMessage5>, &state::Message5MayClose, "Interface6", "Label2", "EncounterScreen_06.jpg",        "EncounterScreenHIGHLIGHT_06.jpg",         "Image10",  false},
    {"FMessage6", Make<screens::TFMessage6>, &state::Message6MayClose, "Interface6", "Label2", "ReputationScreen_06.jpg",       "ReputationScreenHIGHLIGHT_06.jpg",        "Image2",   false},
    {"FMessage7", Make<screens::TFMessage7>, &state::Message7MayClose, "Interface6", "Label2", "CreditsReceivedScreen_06.jpg",  "CreditsReceivedScreenHIGHLIGHT_06.jpg",   "Image2",   false},
    {"FMessage8", Make<screens::TFMessage8>, &state::Message8MayClose, "Interface7", "Label2", "FlaggedCriminalScreen_07.jpg",  "FlaggedCriminalScreen_07_Highlighted.jpg", "Image1",   false},
};

class MessagePopupTest : public FormTest {
 protected:
  // A point on the button picture that its caption does not cover.
  static void ClickPictureEdge(const platform::Control& c) {
    const platform::Rect r = c.ScreenRect();
    platform::App().MouseMove(r.x + 2, r.y + 2);
    platform::App().MouseDown(platform::MouseButton::Left, r.x + 2, r.y + 2);
    platform::App().MouseUp(platform::MouseButton::Left, r.x + 2, r.y + 2);
  }
};

TEST_F(MessagePopupTest, CloseRequestsAreRefusedUntilOneOfItsOwnButtonsIsPressed) {
  enum Closer { Picture, Caption, Hidden };
  for (const PopupCase& p : kPopups) {
    for (Closer closer : {Picture, Caption, Hidden}) {
      SCOPED_TRACE(std::string(p.name) + " closer " + std::to_string(closer));
      auto popup = p.make();
      sounds.effects.clear();
      bool refusedAndStillOpen = false;
      WhenIdle({
          [&] { popup->Close(); },
          [&] {
            refusedAndStillOpen = popup->Visible() && *p.mayClose == 0;
            if (closer == Picture) ClickPictureEdge(popup->Get<platform::Image>(p.button));
            if (closer == Caption) ClickOn(popup->Get<platform::Label>(p.label));
            if (closer == Hidden) FireClick(*popup, "SpeedButton1");
          },
      });
      popup->ShowModal();
      EXPECT_TRUE(refusedAndStillOpen);
      EXPECT_FALSE(StepsLeft());
      EXPECT_FALSE(popup->Visible());
      EXPECT_EQ(*p.mayClose, 0) << "the next showing must be guarded again";
      EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
    }
  }
}

TEST_F(MessagePopupTest, QuestionsAnswerOneForTheFirstButtonTwoForTheSecondAndKeepZeroOtherwise) {
  struct Case {
    bool yesNo;             // FMessage4 (DialogResult), else FMessage2 (Message2Result)
    const char* closer;     // a caption, or the hidden Continue
    int answer;
  };
  const Case cases[] = {
      {true, "Label1", 1},  {true, "Label2", 2},  {true, "SpeedButton1", 0},
      {false, "Label1", 1}, {false, "Label2", 2}, {false, "SpeedButton1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.yesNo ? "FMessage4 " : "FMessage2 ") + c.closer);
    std::unique_ptr<MessagePopup> popup =
        c.yesNo ? Make<screens::TFMessage4>() : Make<screens::TFMessage2>();
    std::int32_t& result = c.yesNo ? screens::DialogResult : screens::Message2Result;
    result = 0;
    WhenIdle({[&] {
      if (std::string(c.closer) == "SpeedButton1") FireClick(*popup, c.closer);
      else ClickOn(popup->Get<platform::Label>(c.closer));
    }});
    popup->ShowModal();
    EXPECT_EQ(result, c.answer);
    EXPECT_FALSE(popup->Visible());
  }
}

TEST_F(MessagePopupTest, EnterPressesTheDefaultAnswerAndEscapeTheCancellingOne) {
  // The question popups answer yes to Enter and no to Escape; the others close on either key.
  for (const PopupCase& p : kPopups) {
    for (platform::Key key : {platform::Key::Enter, platform::Key::Escape}) {
      const bool enter = key == platform::Key::Enter;
      SCOPED_TRACE(std::string(p.name) + (enter ? " Enter" : " Escape"));
      auto popup = p.make();
      screens::DialogResult = 0;
      screens::Message2Result = 0;
      sounds.effects.clear();
      WhenIdle({[key] { platform::App().PressKey(key); }});
      popup->ShowModal();
      EXPECT_FALSE(StepsLeft());
      EXPECT_FALSE(popup->Visible());
      EXPECT_EQ(*p.mayClose, 0);
      EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
      const std::string name = p.name;
      if (name == "FMessage4") {
        EXPECT_EQ(screens::DialogResult, enter ? 1 : 2);
      }
      if (name == "FMessage2") {
        EXPECT_EQ(screens::Message2Result, enter ? 1 : 2);
      }
    }
  }
}

TEST_F(MessagePopupTest, ThePointerLeavingThePopupOrTheWindowPutsTheLitButtonOut) {
  for (const PopupCase& p : kPopups) {
    for (bool window : {true, false}) {
      SCOPED_TRACE(std::string(p.name) + (window ? " window" : " popup"));
      auto popup = p.make();
      WhenIdle({[&] {
        MoveOnto(popup->Get<platform::Image>(p.button));
        ASSERT_EQ(Picture(*popup, p.button), p.highlighted);
        if (window) platform::App().LeaveWindow();
        else platform::App().MouseMove(2, 2);  // off the popup, onto nothing
        EXPECT_EQ(Picture(*popup, p.button), p.normal);
        EXPECT_EQ(popup->HoverState(), 0);
        FireClick(*popup, "SpeedButton1");
      }});
      popup->ShowModal();
    }
  }
}

TEST_F(MessagePopupTest, OnlyTheFirstFourPopupsPutTheNormalPictureBackWhenClicked) {
  for (const PopupCase& p : kPopups) {
    SCOPED_TRACE(p.name);
    auto popup = p.make();
    WhenIdle({[&] {
      MoveOnto(popup->Get<platform::Image>(p.button));
      EXPECT_EQ(Picture(*popup, p.button), p.highlighted);
      ClickOn(popup->Get<platform::Label>(p.label));
    }});
    popup->ShowModal();
    EXPECT_EQ(Picture(*popup, p.button), p.restoresOnClick ? p.normal : p.highlighted);
    EXPECT_EQ(popup->HoverState(), p.restoresOnClick ? 0 : 1);

    // A Continue left lit stays lit at the next showing until the mouse passes over the face.
    WhenIdle({[&] {
      EXPECT_EQ(Picture(*popup, p.button), p.restoresOnClick ? p.normal : p.highlighted);
      MoveOnto(popup->Get<platform::Image>(p.face));
      EXPECT_EQ(Picture(*popup, p.button), p.normal);
      EXPECT_EQ(popup->HoverState(), 0);
      FireClick(*popup, "SpeedButton1");
    }});
    popup->ShowModal();
  }
}

TEST_F(MessagePopupTest, EveryFacePictureAroundTheButtonsPutsTheLitButtonOut) {
  struct Case {
    std::size_t popup;  // index into kPopups
    std::vector<const char*> faces;
  };
  const Case cases[] = {
      {0, {"Image10", "Image3", "Image4"}},  {1, {"Image10", "Image2", "Image3"}},
      {2, {"Image10"}},                      {3, {"Image1"}},
      {4, {"Image10", "Image5"}},            {5, {"Image2"}},
      {6, {"Image2"}},                       {7, {"Image1", "Interface6", "Interface8"}},
  };
  for (const Case& c : cases) {
    const PopupCase& p = kPopups[c.popup];
    auto popup = p.make();
    for (const char* face : c.faces) {
      SCOPED_TRACE(std::string(p.name) + " " + face);
      WhenIdle({[&] {
        MoveOnto(popup->Get<platform::Image>(p.button));
        ASSERT_EQ(Picture(*popup, p.button), p.highlighted);
        // Somewhere on the face that the buttons and their captions leave free.
        auto [x, y] = Reachable(popup->Get<platform::Image>(face));
        platform::App().MouseMove(x, y);
        EXPECT_EQ(Picture(*popup, p.button), p.normal);
        EXPECT_EQ(popup->HoverState(), 0);
        FireClick(*popup, "SpeedButton1");
      }});
      popup->ShowModal();
    }
  }
}

TEST_F(MessagePopupTest, TheEncounterExperienceAndCreditsPopupsKeepTheLitContinueInItsTag) {
  for (std::size_t i = 0; i < std::size(kPopups); ++i) {
    const PopupCase& p = kPopups[i];
    SCOPED_TRACE(p.name);
    const bool inTag = i >= 4 && i <= 6;  // FMessage5 .. FMessage7
    auto popup = p.make();
    WhenIdle({[&] {
      MoveOnto(popup->Get<platform::Image>(p.button));
      EXPECT_EQ(popup->HoverState(), 1);
      EXPECT_EQ(popup->Get<platform::Image>(p.button).Tag(), inTag ? 1 : 0);
      FireClick(*popup, "SpeedButton1");
    }});
    popup->ShowModal();
  }
}

TEST_F(MessagePopupTest, TheCornerPictureOfTheLastFourDoesNothing) {
  for (std::size_t i = 4; i < std::size(kPopups); ++i) {
    const PopupCase& p = kPopups[i];
    SCOPED_TRACE(p.name);
    auto popup = p.make();
    sounds.effects.clear();
    WhenIdle({[&] {
      ClickOn(popup->Get<platform::Image>("Image7"));
      EXPECT_TRUE(popup->Visible());
      EXPECT_EQ(*p.mayClose, 0);
      EXPECT_TRUE(sounds.effects.empty());
      FireClick(*popup, "SpeedButton1");
    }});
    popup->ShowModal();
  }
}

TEST_F(MessagePopupTest, MovingFromYesStraightOntoNoRestoresYesAndLoadsEachPictureOnlyOnChange) {
  screens::TFMessage4 popup;
  WhenIdle({[&] {
    auto& yes = popup.Get<platform::Image>("Interface2");
    auto& no = popup.Get<platform::Image>("Interface3");
    MoveOnto(yes);
    EXPECT_EQ(yes.PictureName(), "Message4Int_02_Highlighted.jpg");
    MoveOnto(no);
    EXPECT_EQ(yes.PictureName(), "Message4Int_02.jpg");
    EXPECT_EQ(no.PictureName(), "Message4Int_03_Highlighted.jpg");
    EXPECT_EQ(popup.HoverState(), 2);

    const auto loads = PictureLoads();
    MoveOnto(no, 5);
    MoveOnto(popup.Get<platform::Label>("Label2"), -5);
    EXPECT_EQ(PictureLoads(), loads) << "moving about on one button loads nothing";

    MoveOnto(popup.Get<platform::Image>("Image1"));
    EXPECT_EQ(no.PictureName(), "Message4Int_03.jpg");
    EXPECT_EQ(popup.HoverState(), 0);
    const auto afterRestore = PictureLoads();
    MoveOnto(popup.Get<platform::Image>("Image1"), 8);
    EXPECT_EQ(PictureLoads(), afterRestore);
    FireClick(popup, "SpeedButton1");
  }});
  popup.ShowModal();
}

TEST_F(MessagePopupTest, ContinueOnTheTextPopupHidesTheActionPointBlockTheCallerShowed) {
  screens::TFMessage3 popup;
  popup.ShowApBlock(true);
  popup.Get<platform::Label>("LabelText2").SetCaption("3");
  WhenIdle({[&] {
    EXPECT_TRUE(popup.Get<platform::Label>("LabelText2Header").Visible());
    ClickOn(popup.Get<platform::Label>("Label1"));
  }});
  popup.ShowModal();
  for (const char* name : {"LabelText2Line", "LabelText2Header", "LabelText2"})
    EXPECT_FALSE(popup.Get<platform::Label>(name).Visible()) << name;
}

}  // namespace
}  // namespace screens_test
