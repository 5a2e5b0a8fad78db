// Modal showing with nested loops, deferred and refused closes, activation, and timers.
#include "platform_fixture.h"

namespace platform_test {
namespace {

std::string Layout(const std::string& name, int width = 200, int height = 100) {
  return "form " + name + " : T" + name + "  width " + std::to_string(width) + " height " +
         std::to_string(height) + " position centre\n"
         "  OnActivate " + name + "Activate OnShow " + name + "Show OnCloseQuery " + name +
         "CloseQuery OnClose " + name + "Close\n"
         "  button Btn left 10 top 10 width 80 height 30 caption \"Go\" OnClick " + name + "BtnClick\n"
         "  timer Tick interval 100 enabled false OnTimer " + name + "TickTimer\n";
}

class Modal : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    // A is created first: it is the main form.
    a = std::make_unique<LoggingForm>("A", Layout("A", 600, 400), log);
    b = std::make_unique<LoggingForm>("B", Layout("B"), log);
    c = std::make_unique<LoggingForm>("C", Layout("C"), log);
    for (Form* f : {a.get(), b.get(), c.get()}) {
      Form& form = *f;
      form.Bind(form.Name() + "CloseQuery", [this, &form](Sender s) {
        log.push_back(form.Name() + ":CloseQuery");
        s.canClose = !refuse;
      });
    }
  }
  void TearDown() override {
    c.reset();
    b.reset();
    a.reset();
    PlatformTest::TearDown();
  }
  std::vector<std::string> log;
  bool refuse = false;
  std::unique_ptr<LoggingForm> a, b, c;
};

TEST_F(Modal, CloseOfAnOuterModalFormWaitsUntilItsOwnLoopResumes) {
  a->Show();
  b->Bind("BBtnClick", [&](Sender) {
    c->ShowModal();
    log.push_back("C returned");
  });
  WhenIdle({
      [&] { ClickOn(b->Get<Button>("Btn")); },  // B's loop: opens C
      [&] {                                      // C's loop
        b->Close();
        EXPECT_TRUE(b->Visible());
        EXPECT_EQ(App().ModalStack(), (std::vector<Form*>{b.get(), c.get()}));
        c->Close();
      },
  });
  log.clear();
  EXPECT_EQ(b->ShowModal(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "B:BShow", "B:BActivate", "C:CShow", "C:CActivate", "C:CloseQuery",
                     "C:CClose", "B:BActivate", "C returned", "B:CloseQuery", "B:BClose",
                     "A:AActivate"}));
  EXPECT_FALSE(b->Visible());
  EXPECT_TRUE(App().ModalStack().empty());
  EXPECT_TRUE(a->AcceptsInput());
}

TEST_F(Modal, RefusedCloseKeepsTheFormOpen) {
  a->Show();
  refuse = true;
  WhenIdle({
      [&] { b->Close(); },
      [&] {
        EXPECT_TRUE(b->Visible());
        EXPECT_TRUE(b->Modal());
        b->Close();  // asked again, refused again
      },
      [&] {
        refuse = false;
        b->Close();
      },
  });
  log.clear();
  EXPECT_EQ(b->ShowModal(), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "B:CloseQuery"), 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "A:CloseQuery"), 0);
  EXPECT_TRUE(a->Visible());
}

TEST_F(Modal, TheDesktopCloseRequestWindsUpEveryLoopAndEndsTheProgram) {
  a->Show();
  b->Bind("BBtnClick", [&](Sender) {
    refuse = true;  // C refuses every close but its own
    log.push_back(c->ShowModal() == 0 ? "C ended unclosed" : "C closed");
    refuse = false;
    // Nothing new opens while the program ends.
    log.push_back(c->ShowModal() == 0 && !c->Visible() ? "C not shown again" : "C shown again");
  });
  WhenIdle({
      [&] { ClickOn(b->Get<Button>("Btn")); },
      [&] { App().CloseRequest(); },  // from C's loop
  });
  log.clear();
  EXPECT_EQ(b->ShowModal(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "B:BShow", "B:BActivate", "C:CShow", "C:CActivate", "C:CloseQuery",
                     "B:BActivate", "C ended unclosed", "C not shown again", "B:CloseQuery",
                     "B:BClose", "A:AActivate"}));
  EXPECT_TRUE(App().ModalStack().empty());
  EXPECT_FALSE(IdleStepsLeft());
  // Without a modal loop the main form closes at once, and the program ends.
  App().Reset();
  log.clear();
  App().CloseRequest();
  EXPECT_EQ(log, (std::vector<std::string>{"A:CloseQuery", "A:AClose"}));
  EXPECT_TRUE(App().Terminated());
}

// While a close question is set (a game in progress), the close box asks it over the innermost
// form with every timer held: no keeps every loop as it was, a second request meanwhile adds
// nothing, yes winds up as a close request without a question does. SIGTERM (Quit) never asks.
TEST_F(Modal, ACloseQuestionIsAskedFirstWithTheTimersHeldAndOnlyItsYesEndsTheProgram) {
  a->Show();
  int ticks = 0;
  b->Bind("BTickTimer", [&](Sender) { ++ticks; });
  Timer& tick = b->Get<Timer>("Tick");
  bool answer = false;
  int asked = 0;
  App().SetCloseQuestion([&] {
    ++asked;
    refuse = false;
    c->ShowModal();  // the question, over B
    return answer;
  });
  WhenIdle({
      [&] {  // B's loop: its timer runs
        tick.SetEnabled(true);
        App().AdvanceClock(250);
        EXPECT_EQ(ticks, 2);
        App().CloseRequest();
      },
      [&] {  // the question's loop: nothing ticks under it, a second request asks nothing more
        EXPECT_TRUE(App().TimersHeld());
        App().AdvanceClock(1000);
        EXPECT_EQ(ticks, 2);
        App().CloseRequest();
        EXPECT_EQ(asked, 1);
        c->Close();  // no
      },
      [&] {  // B's loop again, running as before
        EXPECT_FALSE(App().Quitting());
        EXPECT_TRUE(b->Modal());
        App().AdvanceClock(100);
        EXPECT_GT(ticks, 2);
        answer = true;
        App().CloseRequest();
      },
      [&] { c->Close(); },  // yes
  });
  EXPECT_EQ(b->ShowModal(), 1);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(App().Quitting());
  EXPECT_FALSE(IdleStepsLeft());

  App().Reset();
  tick.SetEnabled(false);
  WhenIdle({[&] { App().Quit(); }});
  EXPECT_EQ(b->ShowModal(), 1);
  EXPECT_EQ(asked, 2) << "SIGTERM ends the program without a question";
  EXPECT_TRUE(App().Quitting());
  App().SetCloseQuestion(nullptr);
}

TEST_F(Modal, HiddenModalFormKeepsItsLoopAndTheLock) {
  a->Show();
  int idle = 0;
  WhenIdle({
      [&] {
        ++idle;
        b->Hide();
      },
      [&] {
        ++idle;
        EXPECT_TRUE(b->Modal());
        EXPECT_FALSE(b->Visible());
        EXPECT_FALSE(a->AcceptsInput());
        b->Show();
      },
      [&] {
        ++idle;
        b->Close();
      },
  });
  b->ShowModal();
  EXPECT_EQ(idle, 3);
  EXPECT_TRUE(a->AcceptsInput());
}

TEST_F(Modal, OnlyFormsVisibleWhenTheModalOpensAreLocked) {
  a->Show();
  WhenIdle({
      [&] {
        c->Show();  // shown beside the modal form, like the trade window
        EXPECT_FALSE(a->AcceptsInput());
        EXPECT_TRUE(c->AcceptsInput());
        c->SetLeft(0);
        c->SetTop(600);
        ClickOn(c->Get<Button>("Btn"));
        b->Close();
      },
  });
  log.clear();
  b->ShowModal();
  EXPECT_NE(std::find(log.begin(), log.end(), "Btn:CBtnClick"), log.end());
  EXPECT_TRUE(a->AcceptsInput());
  // The locked form ignored the mouse while B was open.
  EXPECT_EQ(std::count(log.begin(), log.end(), "Btn:ABtnClick"), 0);
}

TEST_F(Modal, AWindowThatStaysOnTopStaysAboveAModalFormShownAgain) {
  c->SetStayOnTop(true);
  const auto top = [] { return App().ZOrder().back(); };
  WhenIdle({
      [&] {
        c->Show();  // usable beside the modal form B, like the trade window
        EXPECT_EQ(top(), c.get());
        // B steps aside for a modal form of its own and comes back when that one closes.
        b->Hide();
        a->ShowModal();
        b->Show();
        EXPECT_EQ(top(), c.get()) << "the window that stays on top fell behind B";
        EXPECT_TRUE(c->AcceptsInput());
        // A modal form opened anew still goes above it.
        a->ShowModal();
      },
      [&] { a->Close(); },
      [&] {
        EXPECT_EQ(top(), a.get());
        EXPECT_FALSE(c->AcceptsInput());
        a->Close();
      },
      [&] { b->Close(); },
  });
  b->ShowModal();
  EXPECT_FALSE(IdleStepsLeft());
}

TEST_F(Modal, AModalFormShownAgainStaysBelowTheModalFormsOpenedFromIt) {
  const auto top = [] { return App().ZOrder().back(); };
  WhenIdle({
      [&] { a->ShowModal(); },  // A opens over B
      [&] {
        // B steps aside for C, opened from A, and comes back when C closes: A stays in front.
        b->Hide();
        c->ShowModal();
        b->Show();
        EXPECT_EQ(top(), a.get()) << "B covered the modal form it waits for";
        EXPECT_EQ(App().ActiveForm(), a.get());
        EXPECT_FALSE(b->AcceptsInput());
      },
      [&] { c->Close(); },
      [&] { a->Close(); },
      [&] {
        EXPECT_EQ(top(), b.get());
        b->Close();
      },
  });
  b->ShowModal();
  EXPECT_FALSE(IdleStepsLeft());
}

TEST_F(Modal, TimersFireInNestedLoopsAndForHiddenForms) {
  Timer& aTick = a->Get<Timer>("Tick");
  Timer& cTick = c->Get<Timer>("Tick");
  aTick.SetEnabled(true);  // A is never shown
  cTick.SetInterval(250);
  cTick.SetEnabled(true);
  b->Bind("BBtnClick", [&](Sender) { App().AdvanceClock(550); });
  WhenIdle({
      [&] { ClickOn(b->Get<Button>("Btn")); },
      [&] { b->Close(); },
  });
  log.clear();
  b->ShowModal();
  std::vector<std::string> ticks;
  for (const auto& e : log)
    if (e.find("Timer") != std::string::npos) ticks.push_back(e);
  // In time order: A at 100, 200, C at 250, A at 300, 400, 500, C at 500 (the older timer first).
  EXPECT_EQ(ticks, (std::vector<std::string>{"Tick:ATickTimer", "Tick:ATickTimer",
                                             "Tick:CTickTimer", "Tick:ATickTimer",
                                             "Tick:ATickTimer", "Tick:ATickTimer",
                                             "Tick:CTickTimer"}));
}

TEST_F(Modal, SettingIntervalOrEnabledRestartsTheCount) {
  Timer& t = a->Get<Timer>("Tick");
  std::vector<std::uint64_t> at;
  a->Bind("ATickTimer", [&](Sender) { at.push_back(clock.NowMs()); });
  t.SetEnabled(true);
  App().AdvanceClock(80);
  t.SetInterval(100);  // restarts at 80
  App().AdvanceClock(150);
  t.SetEnabled(false);
  App().AdvanceClock(500);
  t.SetEnabled(true);  // at 730
  App().AdvanceClock(100);
  EXPECT_EQ(at, (std::vector<std::uint64_t>{180, 830}));
}

TEST_F(Modal, TimerDoesNotFireAgainWhileItsHandlerRuns) {
  Timer& t = a->Get<Timer>("Tick");
  int depth = 0, fired = 0;
  a->Bind("ATickTimer", [&](Sender) {
    ++fired;
    ++depth;
    EXPECT_EQ(depth, 1);
    if (fired == 1) b->ShowModal();  // a long handler with its own loop
    --depth;
  });
  WhenIdle({[&] { App().AdvanceClock(1000); }, [&] { b->Close(); }});
  t.SetEnabled(true);
  App().AdvanceClock(100);
  EXPECT_EQ(fired, 1);
  App().AdvanceClock(100);
  EXPECT_EQ(fired, 2);
}

TEST_F(Modal, LoopWorkRunsOnEveryPassOfNestedLoops) {
  int passes = 0, nested = 0;
  App().AddLoopWork([&] {
    ++passes;
    nested += c->Modal();
  });
  WhenIdle({[&] { c->ShowModal(); }, [&] { c->Close(); }, [&] { b->Close(); }});
  b->ShowModal();
  App().ClearLoopWork();
  EXPECT_GE(passes, 3);
  EXPECT_GE(nested, 1);
}

}  // namespace
}  // namespace platform_test
