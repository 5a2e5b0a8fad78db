// The fit check of the screenshot steps: a text cut by its box or by what clips it, a frame through
// a text, a bar of the label's own layer over part of it; and what is no fault (a frame hidden by
// an opaque label or a panel between, a panel shown over the text and the frames it holds, a name
// cut with dots).
#include "platform_fixture.h"

#include "platform/script.h"
#include "platform/text_fit.h"

namespace platform_test {
namespace {

class TextFit : public PlatformTest {};

TEST_F(TextFit, FindsTextsCutOffOrCrossedAndNothingElse) {
  struct Case {
    const char* what;
    const char* components;  // the form's lines under its header
    const char* fault;       // the start of the one fault expected, "" for none
  };
  const Case cases[] = {
      {"a text that fits", R"(  label L left 10 top 10 width 120 height 18 caption "Evasion" font "Arial" 10 bold)", ""},
      {"a text wider than its box", R"(  label L left 10 top 10 width 60 height 18 caption "Evasion computer" font "Arial" 10 bold)",
       "F.L \"Evasion computer\": the text reaches"},
      {"a wrapped text taller than its box",
       R"(  label L left 10 top 10 width 80 height 18 caption "one two three four five six" font "Arial" 10 wordwrap)",
       "F.L \"one two three four five six\": the text reaches"},
      {"a text cut by the panel that holds it",
       "  panel P left 10 top 10 width 50 height 30\n"
       "    label L left 10 top 4 width 120 height 18 caption \"Wormhole to Carse\" font \"Arial\" 10",
       "F.L \"Wormhole to Carse\": the text reaches"},
      {"a clear frame drawn across the text",
       "  label L left 10 top 10 width 120 height 18 caption \"Earth\" font \"Arial\" 10 transparent alignment center\n"
       "  shape Frame left 40 top 0 width 60 height 22 brushclear pen yellow penwidth 2",
       "F.L \"Earth\": the frame Frame runs through the text"},
      {"a bar's edge under a transparent text",
       "  shape Bar left 0 top 18 width 200 height 40 brush navy pen white penwidth 2\n"
       "  label L left 10 top 10 width 120 height 18 caption \"Warfield\" font \"Arial\" 10 transparent",
       "F.L \"Warfield\": the frame Bar runs through the text"},
      {"a bar's edge under an opaque label is hidden by it",
       "  shape Bar left 0 top 18 width 200 height 40 brush navy pen white penwidth 2\n"
       "  label L left 10 top 10 width 120 height 18 caption \"Warfield\" font \"Arial\" 10",
       ""},
      {"a dot under a panel that holds the label is hidden by the panel",
       "  shape Dot left 20 top 20 width 4 height 4 brush white pen white\n"
       "  panel P left 0 top 0 width 200 height 60\n"
       "    label L left 10 top 14 width 120 height 18 caption \"Sirius\" font \"Arial\" 10 transparent",
       ""},
      {"a bar of the label's own layer over a part of the text",
       "  label L left 10 top 40 width 120 height 18 caption \"$ 1,234\" font \"Arial\" 10 transparent\n"
       "  shape Panel left 0 top 50 width 200 height 50 brush navy pen navy",
       "F.L \"$ 1,234\": Panel hides a part of the text"},
      {"a panel shown over a part of the text",
       "  label L left 10 top 40 width 120 height 18 caption \"$ 1,234\" font \"Arial\" 10 transparent\n"
       "  panel Message left 0 top 50 width 200 height 50",
       ""},
      {"a frame inside a panel shown over the whole text is hidden from it by the panel",
       "  label L left 10 top 10 width 120 height 18 caption \"Targeting\" font \"Arial\" 10 transparent\n"
       "  panel Options left 0 top 0 width 200 height 60\n"
       "    shape Mark left 40 top 0 width 60 height 40 brushclear pen yellow penwidth 3",
       ""},
      {"a caption drawn over another",
       "  label Body left 10 top 10 width 150 height 16 caption \"Wormhole to Carse\" font \"Arial\" 8 transparent\n"
       "  label Find left 0 top 12 width 60 height 16 caption \"Artifact\" font \"Arial\" 8 transparent",
       "F.Body \"Wormhole to Carse\": the text of F.Find \"Artifact\" lies over it"},
      {"captions side by side",
       "  label Body left 10 top 10 width 150 height 16 caption \"Carse\" font \"Arial\" 8 transparent\n"
       "  label Find left 10 top 30 width 150 height 16 caption \"Artifact\" font \"Arial\" 8 transparent",
       ""},
      {"boxes that overlap round texts that do not",
       "  label A left 10 top 10 width 150 height 16 caption \"Carse\" font \"Arial\" 8 transparent\n"
       "  label B left 60 top 10 width 150 height 16 caption \"Hope\" font \"Arial\" 8 transparent alignment right",
       ""},
      {"a caption under a panel shown over it",
       "  label Body left 10 top 10 width 150 height 16 caption \"Wormhole to Carse\" font \"Arial\" 8 transparent\n"
       "  panel Message left 0 top 0 width 200 height 60\n"
       "    label Text left 0 top 12 width 150 height 16 caption \"Artifact\" font \"Arial\" 8 transparent",
       ""},
      {"a typed name cut with dots fits",
       R"(  label L left 10 top 10 width 80 height 18 caption "Maximilian Wolfgang Amadeus" font "Arial" 10 ellipsis)", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> log;
    LoggingForm form("F", std::string("form F : TF  width 300 height 120 color black\n") + c.components + "\n",
                     log);
    form.Show();
    const std::vector<std::string> faults = TextFitFaults(form);
    if (*c.fault == 0) {
      EXPECT_TRUE(faults.empty()) << faults.front();
    } else {
      ASSERT_EQ(faults.size(), 1u);
      EXPECT_TRUE(faults[0].starts_with(c.fault)) << faults[0];
    }
  }
}

TEST_F(TextFit, TheScreenshotStepFailsNamingEachLabelExceptTheOnesTheScriptNames) {
  std::vector<std::string> log;
  LoggingForm form("F", R"(form F : TF  width 300 height 120 color black
  label Narrow left 10 top 10 width 40 height 18 caption "Evasion computer" font "Arial" 10
  label Short  left 10 top 40 width 120 height 6 caption "Tall" font "Arial" 10
)", log);
  form.Show();
  App().SetClock(nullptr);  // the runner brings its own
  const std::string shot = (FreshFolder("text_fit") / "f.png").string();
  ScriptRunner checked;
  checked.Load("screenshot F \"" + shot + "\"", "fit.script");
  const ScriptResult r = checked.Run();
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("F.Narrow \"Evasion computer\": the text reaches"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("F.Short \"Tall\": the text reaches"), std::string::npos) << r.message;
  ScriptRunner known;
  known.Load("unfit F.Narrow\nunfit F.Short\nscreenshot F \"" + shot + "\"", "fit.script");
  EXPECT_TRUE(known.Run().ok);
}

TEST_F(TextFit, ALowerScreensTextShowingBesideAScreenInItsPlaceIsAFault) {
  struct Case {
    const char* what;
    int upperLeft, upperTop, upperWidth, upperHeight;
    bool fault;
  };
  // The lower screen, 300 x 200, shows "Use ECM to destroy enemy missiles" wrapped to four lines
  // at 12..74 x 130..194.
  const Case cases[] = {
      {"a screen in its place hides the whole text", 0, 0, 300, 196, false},
      {"a screen as wide as it ends in the middle of the text: its last lines show below", 0, 0, 310, 170, true},
      {"a shorter one leaves a wide margin where the lower screen still shows", 0, 0, 310, 150, false},
      {"a screen as tall as it leaves a thin margin at its left", 30, -10, 300, 220, true},
      {"a screen as tall as it leaves a wide margin where the lower screen still shows", 50, -10, 300, 220, false},
      {"a popup's edge runs through it, as a window over another", 0, 150, 200, 30, false},
      {"a screen in its place beside the text", 100, 0, 200, 200, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> log;
    LoggingForm lower("Lower", R"(form Lower : TF  width 300 height 200 color black
  label Caption left 12 top 130 width 62 height 64 caption "Use ECM to destroy enemy missiles" font "Arial" 8 white alignment center wordwrap
)", log);
    LoggingForm upper("Upper", "form Upper : TF  width 200 height 100 color black\n", log);
    lower.SetBounds(0, 0, 300, 200);
    upper.SetBounds(c.upperLeft, c.upperTop, c.upperWidth, c.upperHeight);
    const std::vector<std::string> faults = TextsShowingPastFaults({&lower, &upper});
    if (!c.fault) {
      EXPECT_TRUE(faults.empty()) << faults.front();
    } else {
      ASSERT_EQ(faults.size(), 1u);
      EXPECT_TRUE(faults[0].starts_with(
          "Lower.Caption \"Use ECM to destroy enemy missiles\": the screen Upper in its screen's place"))
          << faults[0];
    }
  }
}

}  // namespace
}  // namespace platform_test
