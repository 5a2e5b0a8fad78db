// Mouse routing: which control an event reaches, and in what order events come.
#include "platform_fixture.h"

namespace platform_test {
namespace {

constexpr const char* kLayout = R"(
form F : TF  width 400 height 300 position centre color black
  image Back   left 0 top 0 width 400 height 300
               OnClick BackClick OnMouseDown BackMouseDown OnMouseUp BackMouseUp
               OnMouseEnter BackMouseEnter OnMouseLeave BackMouseLeave
  image Front  left 10 top 10 width 100 height 50
               OnClick FrontClick OnDblClick FrontDblClick OnMouseDown FrontMouseDown
               OnMouseUp FrontMouseUp OnMouseEnter FrontMouseEnter OnMouseLeave FrontMouseLeave
               OnMouseMove FrontMouseMove
  label Off    left 150 top 10 width 100 height 50 caption "off" enabled false OnClick OffClick
  panel Box    left 10 top 100 width 200 height 150 OnClick BoxClick
    shape Inner  left 10 top 10 width 50 height 50
    image Deep   left 100 top 10 width 50 height 50 OnClick DeepClick
  panel Shut   left 250 top 100 width 100 height 100 enabled false
    image Locked left 0 top 0 width 100 height 100 OnClick LockedClick
)";

class Routing : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    form = std::make_unique<LoggingForm>("F", kLayout, log);
    form->Show();
    MoveTo(0, 0);
    log.clear();
  }
  void TearDown() override {
    form.reset();
    PlatformTest::TearDown();
  }
  std::vector<std::string> log;
  std::unique_ptr<LoggingForm> form;
};

TEST_F(Routing, ClickReachesTheTopmostEnabledControlAndNoParent) {
  struct Case {
    const char* target;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"Front", {"Front:FrontMouseDown", "Front:FrontClick", "Front:FrontMouseUp"}},
      // A disabled control lets the mouse through to what lies below it.
      {"Off", {"Back:BackMouseDown", "Back:BackClick", "Back:BackMouseUp"}},
      // A disabled panel passes it on too, its children included.
      {"Locked", {"Back:BackMouseDown", "Back:BackClick", "Back:BackMouseUp"}},
      // A control without handlers takes the event; its panel hears nothing.
      {"Inner", {}},
      {"Deep", {"Deep:DeepClick"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    auto [x, y] = Centre(form->Get<Control>(c.target));
    MoveTo(x, y);
    log.clear();
    App().ForgetDoubleClick();
    App().MouseDown(MouseButton::Left, x, y);
    App().MouseUp(MouseButton::Left, x, y);
    EXPECT_EQ(log, c.expected);
  }
  // The panel's own free area is the panel.
  const Rect box = form->Get<Panel>("Box").ScreenRect();
  log.clear();
  Click(box.x + 150, box.y + 120);
  EXPECT_EQ(log, std::vector<std::string>{"Box:BoxClick"});
}

TEST_F(Routing, EnterAndLeaveFollowTheTopmostControl) {
  auto [fx, fy] = Centre(form->Get<Image>("Front"));
  MoveTo(fx, fy);
  const Rect back = form->Get<Image>("Back").ScreenRect();
  MoveTo(back.x + 300, back.y + 280);
  MoveTo(back.x + 301, back.y + 280);  // staying inside: nothing new
  MoveTo(5, 5);                        // off the form
  EXPECT_EQ(log, (std::vector<std::string>{"Front:FrontMouseEnter",
                                           "Front:FrontMouseMove", "Front:FrontMouseLeave",
                                           "Back:BackMouseEnter", "Back:BackMouseLeave"}));
}

TEST_F(Routing, PressCapturesTheMouseAndAClickNeedsPressAndReleaseOnOneControl) {
  auto [fx, fy] = Centre(form->Get<Image>("Front"));
  const Rect back = form->Get<Image>("Back").ScreenRect();
  MoveTo(fx, fy);
  log.clear();
  App().MouseDown(MouseButton::Left, fx, fy);
  MoveTo(back.x + 300, back.y + 280);
  App().MouseUp(MouseButton::Left, back.x + 300, back.y + 280);
  EXPECT_EQ(log, (std::vector<std::string>{"Front:FrontMouseDown", "Front:FrontMouseLeave",
                                           "Back:BackMouseEnter", "Front:FrontMouseMove",
                                           "Front:FrontMouseUp"}));
  EXPECT_EQ(App().Captured(), nullptr);
  // Pressed elsewhere and released on Front: no click either.
  log.clear();
  App().MouseDown(MouseButton::Left, back.x + 300, back.y + 280);
  App().MouseUp(MouseButton::Left, fx, fy);
  EXPECT_EQ(log, (std::vector<std::string>{"Back:BackMouseDown", "Back:BackMouseUp"}));
}

TEST_F(Routing, DoubleClickGivesClickThenDblClickAndNoSecondClick) {
  auto [x, y] = Centre(form->Get<Image>("Front"));
  MoveTo(x, y);
  log.clear();
  for (int i = 0; i < 2; ++i) {
    App().MouseDown(MouseButton::Left, x, y);
    App().MouseUp(MouseButton::Left, x, y);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"Front:FrontMouseDown", "Front:FrontClick",
                                           "Front:FrontMouseUp", "Front:FrontDblClick",
                                           "Front:FrontMouseDown", "Front:FrontMouseUp"}));
  // Too slow for a double click: two clicks.
  log.clear();
  App().ForgetDoubleClick();
  for (int i = 0; i < 2; ++i) {
    App().MouseDown(MouseButton::Left, x, y);
    App().MouseUp(MouseButton::Left, x, y);
    clock.Set(clock.NowMs() + kDoubleClickMs + 1);
  }
  EXPECT_EQ(std::count(log.begin(), log.end(), "Front:FrontClick"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Front:FrontDblClick"), 0);
}

TEST_F(Routing, RightButtonReachesOnlyMouseDownAndUp) {
  auto [x, y] = Centre(form->Get<Image>("Front"));
  MouseButton seen = MouseButton::None;
  form->Bind("FrontMouseDown", [&](Sender s) {
    seen = s.button;
    log.push_back("down");
  });
  MoveTo(x, y);
  log.clear();
  for (int i = 0; i < 2; ++i) {  // twice, quickly: still no double click
    App().MouseDown(MouseButton::Right, x, y);
    App().MouseUp(MouseButton::Right, x, y);
  }
  EXPECT_EQ(seen, MouseButton::Right);
  EXPECT_EQ(log, (std::vector<std::string>{"down", "Front:FrontMouseUp", "down",
                                           "Front:FrontMouseUp"}));
}

TEST_F(Routing, ModalFormOpenedInMouseDownCancelsTheCapture) {
  std::vector<std::string> popupLog;
  LoggingForm popup("P", R"(
form P : TP  width 200 height 100 position centre
  button Ok left 50 top 30 width 100 height 40 caption "OK" OnClick OkClick
)", popupLog);
  popup.Bind("OkClick", [&](Sender) { popup.Close(); });
  form->Bind("FrontMouseDown", [&](Sender) {
    log.push_back("down");
    popup.ShowModal();
    log.push_back("popup closed");
  });
  const auto [x, y] = Centre(form->Get<Image>("Front"));
  WhenIdle({
      // The release comes while the popup is open: the locked form hears nothing.
      [&, x = x, y = y] { App().MouseUp(MouseButton::Left, x, y); },
      [&] { ClickOn(popup.Get<Button>("Ok")); },
  });
  MoveTo(x, y);
  log.clear();
  App().MouseDown(MouseButton::Left, x, y);
  EXPECT_EQ(App().Captured(), nullptr);
  // A late release after the popup: a mouse-up without a click.
  App().MouseMove(x, y);
  App().MouseUp(MouseButton::Left, x, y);
  EXPECT_EQ(log, (std::vector<std::string>{"down", "Front:FrontMouseLeave", "popup closed",
                                           "Front:FrontMouseEnter", "Front:FrontMouseMove",
                                           "Front:FrontMouseUp"}));
  EXPECT_FALSE(IdleStepsLeft());
}

TEST_F(Routing, ControlsMovedOrHiddenAreHitWhereTheyAreNow) {
  Image& front = form->Get<Image>("Front");
  const Rect was = front.ScreenRect();
  front.SetLeft(200);
  EXPECT_EQ(App().ControlAt(was.x + 5, was.y + 5)->Name(), "Back");
  EXPECT_EQ(App().ControlAt(front.ScreenRect().x + 5, front.ScreenRect().y + 5), &front);
  front.Hide();
  EXPECT_EQ(App().ControlAt(front.ScreenRect().x + 5, front.ScreenRect().y + 5)->Name(), "Back");
  // BringToFront puts Deep above Inner when they overlap.
  Image& deep = form->Get<Image>("Deep");
  deep.SetLeft(10);
  deep.SendToBack();
  auto [ix, iy] = Centre(form->Get<Shape>("Inner"));
  EXPECT_EQ(App().ControlAt(ix, iy)->Name(), "Inner");
  deep.BringToFront();
  EXPECT_EQ(App().ControlAt(ix, iy), &deep);
}

// An idle game draws nothing: the window is drawn again only after something visible changed.
TEST_F(Routing, TheScreenIsDrawnAgainOnlyAfterAVisibleChange) {
  auto [x, y] = Centre(form->Get<Image>("Front"));
  MoveTo(x, y);
  App().SetPresenting(true);
  App().ProcessMessages();
  ASSERT_FALSE(App().NeedsRedraw());
  Label& off = form->Get<Label>("Off");
  struct Case {
    const char* what;
    std::function<void()> act;
    bool redraw;
  };
  const Case cases[] = {
      {"nothing happens", [] {}, false},
      {"the mouse moves within one control", [&] { MoveTo(x + 2, y + 1); }, false},
      {"the same caption is set again", [&] { off.SetCaption(off.Caption()); }, false},
      {"the same bounds are set again",
       [&] { off.SetBounds(off.Left(), off.Top(), off.Width(), off.Height()); }, false},
      {"a caption changes", [&] { off.SetCaption("on"); }, true},
      {"a control is hidden", [&] { off.Hide(); }, true},
      {"the mouse leaves the control", [&] { MoveTo(5, 5); }, true},
      {"a picture is loaded", [&] { form->Get<Image>("Deep").LoadPicture("x.jpg"); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.act();
    EXPECT_EQ(App().NeedsRedraw(), c.redraw);
    App().ProcessMessages();
    EXPECT_FALSE(App().NeedsRedraw());
  }
  App().SetPresenting(false);
}

// A change marks only the screen area it touches, so a blinking light redraws only the light.
TEST_F(Routing, AChangeMarksOnlyTheScreenAreaItTouches) {
  App().SetPresenting(true);
  App().ProcessMessages();
  ASSERT_EQ(App().DirtyArea(), Rect{});
  Label& off = form->Get<Label>("Off");
  Image& deep = form->Get<Image>("Deep");
  const Rect offArea = off.ScreenRect();
  const Rect deepArea = deep.ScreenRect();
  struct Case {
    const char* what;
    std::function<void()> act;
    Rect area;
  };
  const Case cases[] = {
      {"a caption changes", [&] { off.SetCaption("on"); }, offArea},
      {"a picture in a panel is loaded", [&] { deep.LoadPicture("x.jpg"); }, deepArea},
      {"two changes: the area holding both",
       [&] { off.SetCaption("off"); deep.Hide(); },
       Rect{deepArea.x, offArea.y, offArea.x + offArea.w - deepArea.x,
            deepArea.y + deepArea.h - offArea.y}},
      {"a control moves: where it was and where it is",
       [&] { off.SetLeft(off.Left() + 30); },
       Rect{offArea.x, offArea.y, offArea.w + 30, offArea.h}},
      {"the form changes colour: the whole screen", [&] { form->SetColor(Rgb(0, 0, 128)); },
       Rect{0, 0, kScreenWidth, kScreenHeight}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.act();
    EXPECT_EQ(App().DirtyArea(), c.area);
    App().ProcessMessages();
    EXPECT_EQ(App().DirtyArea(), Rect{});
  }
  App().SetPresenting(false);
}

// Drawing only the changed area over the last frame gives the same picture as drawing it all.
TEST_F(Routing, RedrawingTheChangedAreaMatchesAWholeRedraw) {
  const auto [x, y] = Centre(form->Get<Image>("Front"));
  form->Get<Control>("Front").SetHint("front");
  MoveTo(x, y);  // a hint over other controls too
  App().RenderScreen();
  App().SetPresenting(true);
  App().ProcessMessages();
  App().SetPresenting(false);
  form->Get<Label>("Off").SetCaption("a longer caption");
  form->Get<Shape>("Inner").SetLeft(40);
  form->Get<Control>("Box").SetColor(Rgb(0, 128, 128));
  SDL_Surface* partial = App().RenderScreenArea(App().DirtyArea());
  std::vector<Color> drawn;
  for (int py = 0; py < kScreenHeight; py += 3)
    for (int px = 0; px < kScreenWidth; px += 3) drawn.push_back(PixelAt(partial, px, py));
  SDL_Surface* whole = App().RenderScreen();
  std::size_t i = 0;
  int differences = 0;
  for (int py = 0; py < kScreenHeight; py += 3)
    for (int px = 0; px < kScreenWidth; px += 3) differences += drawn[i++] != PixelAt(whole, px, py);
  EXPECT_EQ(differences, 0);
}

TEST_F(Routing, BorderedFormIsDraggedByItsTitleBarAndHintsShowWhileHovering) {
  std::vector<std::string> tradeLog;
  LoggingForm trade("T", R"(
form T : TT width 100 height 80 border single caption "Trade" stayontop
  label Price left 10 top 10 width 50 height 20 caption "$ 12" hint "Price per unit" OnClick PriceClick
)", tradeLog);
  trade.SetBounds(900, 100, 100, 80);
  trade.Show();
  form->Show();  // an ordinary form shown later stays below the one that stays on top
  EXPECT_EQ(App().ZOrder().back(), &trade);
  App().MouseMove(950, 90);
  App().MouseDown(MouseButton::Left, 950, 90);
  App().MouseMove(850, 150);
  App().MouseUp(MouseButton::Left, 850, 150);
  EXPECT_EQ(trade.Left(), 800);
  EXPECT_EQ(trade.Top(), 160);
  EXPECT_TRUE(tradeLog.empty());
  // Dragged past the screen's edges it stops with its whole face, title bar and all, on it.
  const struct {
    int dx, dy, left, top;
  } drags[] = {{5000, 5000, kScreenWidth - 100, kScreenHeight - 80},
               {-5000, -5000, 0, 22},
               {800, 138, 800, 160}};
  for (const auto& d : drags) {
    const int grabX = trade.Left() + 50, grabY = trade.Top() - 10;
    App().MouseMove(grabX, grabY);
    App().MouseDown(MouseButton::Left, grabX, grabY);
    App().MouseMove(grabX + d.dx, grabY + d.dy);
    App().MouseUp(MouseButton::Left, grabX + d.dx, grabY + d.dy);
    EXPECT_EQ(trade.Left(), d.left) << d.dx;
    EXPECT_EQ(trade.Top(), d.top) << d.dy;
  }
  // The hint box appears beside the mouse while it rests on the label.
  auto [x, y] = Centre(trade.Get<Label>("Price"));
  MoveTo(x, y);
  SDL_Surface* screen = App().RenderScreen();
  EXPECT_EQ(PixelAt(screen, x + 6, y + 23), Rgb(255, 255, 225));
  MoveTo(5, 5);
  screen = App().RenderScreen();
  EXPECT_NE(PixelAt(screen, x + 6, y + 23), Rgb(255, 255, 225));
  // A modal form opened while the mouse rests there puts the hint away: the label is locked.
  MoveTo(x, y);
  Form popup("P", ParseLayout("form P : TP  width 50 height 50\n", "P.layout"));
  WhenIdle({[&] {
    EXPECT_NE(PixelAt(App().RenderScreen(), x + 6, y + 23), Rgb(255, 255, 225));
    popup.Close();
  }});
  popup.ShowModal();
  EXPECT_EQ(PixelAt(App().RenderScreen(), x + 6, y + 23), Rgb(255, 255, 225));
}

TEST_F(Routing, LeavingTheWindowOrAFormEndsEveryHover) {
  // A second form beside F, hearing the pointer cross its edge.
  LoggingForm side("G", R"(
form G : TG  width 100 height 100 color black
  OnMouseEnter GEnter OnMouseLeave GLeave
  image Pic  left 10 top 10 width 50 height 50  OnMouseEnter PicEnter OnMouseLeave PicLeave
)", log);
  side.SetBounds(1100, 20, 100, 100);
  side.Show();
  auto [px, py] = Centre(side.Get<Image>("Pic"));
  MoveTo(px, py);
  MoveTo(side.Left() + 90, side.Top() + 90);  // onto the bare face: the form is not left
  MoveTo(px, py);
  EXPECT_EQ(log, (std::vector<std::string>{"G:GEnter", "Pic:PicEnter", "Pic:PicLeave",
                                           "Pic:PicEnter"}));
  // Straight out of the window: the control and the form are left.
  log.clear();
  App().Dispatch({InputEvent::LeaveWindow, MouseButton::None, 0, 0, {}, {}});
  EXPECT_EQ(log, (std::vector<std::string>{"Pic:PicLeave", "G:GLeave"}));
  EXPECT_EQ(App().Hovered(), nullptr);
  // From G onto F: G is left (F binds no handler for its edge).
  MoveTo(px, py);
  log.clear();
  auto [fx, fy] = Centre(form->Get<Image>("Front"));
  MoveTo(fx, fy);
  EXPECT_EQ(log, (std::vector<std::string>{"Pic:PicLeave", "G:GLeave", "Front:FrontMouseEnter",
                                           "Front:FrontMouseMove"}));
  // A held button keeps the hover until it is released.
  log.clear();
  App().MouseDown(MouseButton::Left, fx, fy);
  App().LeaveWindow();
  EXPECT_EQ(App().Hovered(), &form->Get<Image>("Front"));
  App().MouseUp(MouseButton::Left, fx, fy);
}

// A watched control (a lit picture button): its put-out runs once, as soon as the pointer reaches
// none of its controls any more, whatever took the pointer away, and never while the pointer stays
// on one of them.
TEST_F(Routing, AWatchIsPutOutOnceThePointerNoLongerReachesItsControls) {
  LoggingForm cover("Cover", R"(
form Cover : TCover  width 200 height 200 color black
  image Face  left 0 top 0 width 200 height 200
)", log);
  Image& front = form->Get<Image>("Front");
  Image& deep = form->Get<Image>("Deep");
  const Rect f = front.ScreenRect();
  int outs = 0;
  const auto watch = [&] {
    MoveTo(f.x + 5, f.y + 5);
    outs = 0;
    App().WatchPointer({&front, &deep}, [&outs] { ++outs; }, this);
  };
  struct Case {
    const char* what;
    std::function<void()> away;
    std::function<void()> back;
  };
  const Case cases[] = {
      {"the pointer moves onto the face", [&] { MoveTo(f.x + 5, f.y + 80); }, [] {}},
      {"the pointer leaves the window", [] { App().LeaveWindow(); }, [] {}},
      {"a form is shown over it",
       [&] {
         cover.SetBounds(f.x - 20, f.y - 20, 200, 200);
         cover.Show();
       },
       [&] { cover.Hide(); }},
      {"it is hidden", [&] { front.Hide(); }, [&] { front.Show(); }},
      {"it is disabled", [&] { front.SetEnabled(false); }, [&] { front.SetEnabled(true); }},
      {"its form is hidden", [&] { form->Hide(); }, [&] { form->Show(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    watch();
    App().ProcessMessages();
    EXPECT_EQ(outs, 0) << "nothing changed yet";
    c.away();
    App().ProcessMessages();
    EXPECT_EQ(outs, 1);
    EXPECT_FALSE(App().Watched(front));
    c.back();
    App().ProcessMessages();
    MoveTo(f.x + 5, f.y + 5);
    EXPECT_EQ(outs, 1) << "once, and not again when the pointer comes back";
  }

  // A modal form opened elsewhere locks the form beneath: the put-out runs inside its loop, and
  // the control stays out when it closes again with the pointer back on it.
  watch();
  cover.SetBounds(1000, 500, 200, 200);
  WhenIdle({[&] {
    EXPECT_EQ(outs, 1) << "locked by the modal form";
    cover.Close();
  }});
  cover.ShowModal();
  EXPECT_FALSE(IdleStepsLeft());
  App().SetIdleHook(nullptr);
  App().ProcessMessages();
  EXPECT_EQ(outs, 1);

  // Moving about on the control, or onto another control of the watch, keeps it; a held press
  // keeps it even out of the window; the last of them left puts it out.
  watch();
  MoveTo(f.x + f.w - 3, f.y + f.h - 3);
  auto [dx, dy] = Centre(deep);
  MoveTo(dx, dy);
  App().ProcessMessages();
  EXPECT_EQ(outs, 0);
  App().MouseDown(MouseButton::Left, dx, dy);
  App().LeaveWindow();
  App().ProcessMessages();
  EXPECT_EQ(outs, 0) << "the held press keeps the pointer on the control";
  App().MouseUp(MouseButton::Left, dx, dy);
  MoveTo(f.x + 5, f.y + 80);
  EXPECT_EQ(outs, 1);

  // Watching the same control again replaces the watch; its owner can forget it.
  watch();
  int replaced = 0;
  App().WatchPointer({&front}, [&replaced] { ++replaced; }, &replaced);
  MoveTo(f.x + 5, f.y + 80);
  EXPECT_EQ(outs, 0);
  EXPECT_EQ(replaced, 1);
  watch();
  App().ForgetPointerWatches(this);
  MoveTo(f.x + 5, f.y + 80);
  EXPECT_EQ(outs, 0);
}

// A form grown to hold a passing panel paints only its own width: beside it the form beneath shows,
// and the panel itself draws; given its width back, it paints it all again.
TEST_F(Routing, AFormGrownForAPanelPaintsOnlyItsOwnWidth) {
  std::vector<std::string> log;
  LoggingForm below("Below", R"(
form Below : TBelow width 400 height 200 color red
)", log);
  LoggingForm above("Above", R"(
form Above : TAbove width 100 height 100 color blue
  panel Panel left 150 top 10 width 40 height 40 color lime
)", log);
  below.SetBounds(0, 0, 400, 200);
  above.SetBounds(0, 0, 100, 100);
  below.Show();
  above.Show();
  above.SetWidth(200);
  above.SetPaintedWidth(100);
  SDL_Surface* screen = App().RenderScreen();
  EXPECT_EQ(PixelAt(screen, 50, 50), colors::Blue);    // the form's own ground
  EXPECT_EQ(PixelAt(screen, 120, 50), colors::Red);    // beside it, what lies beneath
  EXPECT_EQ(PixelAt(screen, 160, 20), colors::Lime);   // the panel in the grown part
  above.SetPaintedWidth(std::nullopt);
  EXPECT_EQ(PixelAt(App().RenderScreen(), 120, 50), colors::Blue);
}

}  // namespace
}  // namespace platform_test
