// The eight message popups: close permission, answers, and their buttons' mouse-over pictures.
#include "screens/popups/popup_forms.h"

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
    // name             make                            flag                                 button            label            normal                          lit                                        face     restores
    {"PicturePopup",   Make<screens::PicturePopup>,   &state::PicturePopupMayClose,   "ContinueButton", "ContinueLabel", "Message1Int_06.jpg",            "Message1Int_06_Highlighted.jpg",          "Face",  true},
    {"ChoicePopup",    Make<screens::ChoicePopup>,    &state::ChoicePopupMayClose,    "YesButton",      "YesLabel",      "Message2Int_06.jpg",            "Message2Int_06_Highlighted.jpg",          "Face",  true},
    {"TextPopup",      Make<screens::TextPopup>,      &state::TextPopupMayClose,      "ContinueButton", "ContinueLabel", "Message3Int_02.jpg",            "Message3Int_02_Highlighted.jpg",          "Face",  true},
    {"YesNoPopup",     Make<screens::YesNoPopup>,     &state::YesNoPopupMayClose,     "YesButton",      "YesLabel",      "Message4Int_02.jpg",            "Message4Int_02_Highlighted.jpg",          "Face",  true},
    {"EncounterPopup", Make<screens::EncounterPopup>, &state::EncounterPopupMayClose, "ContinueButton", "ContinueLabel", "EncounterScreen_06.jpg",        "EncounterScreenHIGHLIGHT_06.jpg",         "Face",  false},
    {"FamePopup",      Make<screens::FamePopup>,      &state::FamePopupMayClose,      "ContinueButton", "ContinueLabel", "ReputationScreen_06.jpg",       "ReputationScreenHIGHLIGHT_06.jpg",        "Face",  false},
    {"RewardPopup",    Make<screens::RewardPopup>,    &state::RewardPopupMayClose,    "ContinueButton", "ContinueLabel", "CreditsReceivedScreen_06.jpg",  "CreditsReceivedScreenHIGHLIGHT_06.jpg",   "Face",  false},
    {"NoticePopup",    Make<screens::NoticePopup>,    &state::NoticePopupMayClose,    "ContinueButton", "ContinueLabel", "FlaggedCriminalScreen_07.jpg",  "FlaggedCriminalScreen_07_Highlighted.jpg", "Face",  false},
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
            if (closer == Hidden) FireClick(*popup, "HiddenContinueButton");
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
    bool yesNo;             // YesNoPopup (YesNoAnswer), else ChoicePopup (ChoiceAnswer)
    const char* closer;     // a caption, or the hidden Continue
    int answer;
  };
  const Case cases[] = {
      {true, "YesLabel", 1},  {true, "NoLabel", 2},  {true, "HiddenContinueButton", 0},
      {false, "YesLabel", 1}, {false, "NoLabel", 2}, {false, "HiddenContinueButton", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.yesNo ? "YesNoPopup " : "ChoicePopup ") + c.closer);
    std::unique_ptr<MessagePopup> popup =
        c.yesNo ? Make<screens::YesNoPopup>() : Make<screens::ChoicePopup>();
    std::int32_t& result = c.yesNo ? screens::YesNoAnswer : screens::ChoiceAnswer;
    result = 0;
    WhenIdle({[&] {
      if (std::string(c.closer) == "HiddenContinueButton") FireClick(*popup, c.closer);
      else ClickOn(popup->Get<platform::Label>(c.closer));
    }});
    popup->ShowModal();
    EXPECT_EQ(result, c.answer);
    EXPECT_FALSE(popup->Visible());
  }
}

TEST_F(MessagePopupTest, EnterAndEscapeContinueAndOnTheQuestionsEscapeSaysNoAndNoKeySaysYes) {
  // A popup with one Continue closes on either key. A question answers no to Escape and nothing
  // to Enter: its yes may cost days, credits or the game, so only a click gives it.
  for (const PopupCase& p : kPopups) {
    for (platform::Key key : {platform::Key::Enter, platform::Key::Escape}) {
      const bool enter = key == platform::Key::Enter;
      const std::string name = p.name;
      const bool question = name == "YesNoPopup" || name == "ChoicePopup";
      SCOPED_TRACE(name + (enter ? " Enter" : " Escape"));
      auto popup = p.make();
      screens::YesNoAnswer = 0;
      screens::ChoiceAnswer = 0;
      sounds.effects.clear();
      std::vector<std::function<void()>> steps = {[key] { platform::App().PressKey(key); }};
      if (question && enter) {
        steps.push_back([&popup] {
          EXPECT_TRUE(popup->Visible()) << "Enter answers no question";
          EXPECT_EQ(screens::YesNoAnswer + screens::ChoiceAnswer, 0);
          platform::App().PressKey(platform::Key::Escape);
        });
      }
      WhenIdle(steps);
      popup->ShowModal();
      EXPECT_FALSE(StepsLeft());
      EXPECT_FALSE(popup->Visible());
      EXPECT_EQ(*p.mayClose, 0);
      EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
      if (question) {
        EXPECT_EQ(name == "YesNoPopup" ? screens::YesNoAnswer : screens::ChoiceAnswer, 2);
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
        FireClick(*popup, "HiddenContinueButton");
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
      FireClick(*popup, "HiddenContinueButton");
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
      {0, {"Face", "TopFace", "BottomFace"}},  {1, {"Face", "TopFace", "BottomFace"}},
      {2, {"Face"}},                           {3, {"Face"}},
      {4, {"Face", "BottomFace"}},             {5, {"Face"}},
      {6, {"Face"}},                           {7, {"Face", "PictureFace", "BottomFace"}},
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
        FireClick(*popup, "HiddenContinueButton");
      }});
      popup->ShowModal();
    }
  }
}

TEST_F(MessagePopupTest, TheEncounterExperienceAndCreditsPopupsKeepTheLitContinueInItsTag) {
  for (std::size_t i = 0; i < std::size(kPopups); ++i) {
    const PopupCase& p = kPopups[i];
    SCOPED_TRACE(p.name);
    const bool inTag = i >= 4 && i <= 6;  // the encounter, fame and reward popups
    auto popup = p.make();
    WhenIdle({[&] {
      MoveOnto(popup->Get<platform::Image>(p.button));
      EXPECT_EQ(popup->HoverState(), 1);
      EXPECT_EQ(popup->Get<platform::Image>(p.button).Tag(), inTag ? 1 : 0);
      FireClick(*popup, "HiddenContinueButton");
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
      ClickOn(popup->Get<platform::Image>("Corner"));
      EXPECT_TRUE(popup->Visible());
      EXPECT_EQ(*p.mayClose, 0);
      EXPECT_TRUE(sounds.effects.empty());
      FireClick(*popup, "HiddenContinueButton");
    }});
    popup->ShowModal();
  }
}

TEST_F(MessagePopupTest, MovingFromYesStraightOntoNoRestoresYesAndLoadsEachPictureOnlyOnChange) {
  screens::YesNoPopup popup;
  WhenIdle({[&] {
    auto& yes = popup.Get<platform::Image>("YesButton");
    auto& no = popup.Get<platform::Image>("NoButton");
    MoveOnto(yes);
    EXPECT_EQ(yes.PictureName(), "Message4Int_02_Highlighted.jpg");
    MoveOnto(no);
    EXPECT_EQ(yes.PictureName(), "Message4Int_02.jpg");
    EXPECT_EQ(no.PictureName(), "Message4Int_03_Highlighted.jpg");
    EXPECT_EQ(popup.HoverState(), 2);

    const auto loads = PictureLoads();
    MoveOnto(no, 5);
    MoveOnto(popup.Get<platform::Label>("NoLabel"), -5);
    EXPECT_EQ(PictureLoads(), loads) << "moving about on one button loads nothing";

    MoveOnto(popup.Get<platform::Image>("Face"));
    EXPECT_EQ(no.PictureName(), "Message4Int_03.jpg");
    EXPECT_EQ(popup.HoverState(), 0);
    const auto afterRestore = PictureLoads();
    MoveOnto(popup.Get<platform::Image>("Face"), 8);
    EXPECT_EQ(PictureLoads(), afterRestore);
    FireClick(popup, "HiddenContinueButton");
  }});
  popup.ShowModal();
}

TEST_F(MessagePopupTest, ContinueOnTheTextPopupHidesTheActionPointBlockTheCallerShowed) {
  screens::TextPopup popup;
  popup.ShowActionPointBlock(true);
  popup.ActionPoints.SetCaption("3");
  WhenIdle({[&] {
    EXPECT_TRUE(popup.Get<platform::Label>("ActionPointHeader").Visible());
    ClickOn(popup.Get<platform::Label>("ContinueLabel"));
  }});
  popup.ShowModal();
  for (const char* name : {"ActionPointLine", "ActionPointHeader", "ActionPoints"})
    EXPECT_FALSE(popup.Get<platform::Label>(name).Visible()) << name;
}

// A popup takes the size of its text: a short question leaves no empty band above the answers, a
// long one is not cut off, and each showing starts again from the layout.
TEST_F(MessagePopupTest, APopupTakesTheSizeOfItsText) {
  screens::YesNoPopup popup;
  const int designedHeight = popup.Height();
  const int designedYes = popup.Get<platform::Image>("YesButton").Top();
  const int designedText = popup.Text().Height();
  struct Case {
    std::string text;
    int minLines, maxLines;  // what the text area then holds, in lines of about 16 pixels
  };
  const Case cases[] = {
      {"Visit website?", 1, 3},
      {std::string(400, 'w') + " " + std::string(40, 'x'), 4, 40},
      {"Short again.", 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    popup.Text().SetCaption(c.text);
    popup.FitToText();
    const int delta = popup.Text().Height() - designedText;
    EXPECT_GE(popup.Text().Height(), popup.Text().TextHeight()) << "the whole text shows";
    EXPECT_GE(popup.Text().Height(), c.minLines * 14);
    EXPECT_LE(popup.Text().Height(), c.maxLines * 20 + 8);
    EXPECT_EQ(popup.Height(), designedHeight + delta);
    EXPECT_EQ(popup.Get<platform::Image>("YesButton").Top(), designedYes + delta)
        << "the answers follow the text's bottom edge";
  }
}

}  // namespace
}  // namespace screens_test
