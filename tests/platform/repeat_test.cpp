// Repeat blocks in layouts: the numbered components they make, where each row lands, and the
// errors of a malformed block; scripts, handlers and the data check see the numbered names.
#include "platform_fixture.h"

#include "platform/data_check.h"
#include "platform/script.h"

#include <sstream>

namespace platform_test {
namespace {

class Repeats : public PlatformTest {};

// "Parent/Name left,top widthxheight" and, where set, the caption, tag and click handler.
std::vector<std::string> Describe(const Form& form) {
  std::vector<std::string> out;
  for (const Control* c : form.AllControls()) {
    std::ostringstream s;
    s << c->Parent()->Name() << "/" << c->Name() << " " << c->Left() << "," << c->Top() << " "
      << c->Width() << "x" << c->Height();
    if (!c->Caption().empty()) s << " \"" << c->Caption() << "\"";
    if (c->Tag() != 0) s << " tag " << c->Tag();
    if (!c->HandlerName(Event::Click).empty()) s << " " << c->HandlerName(Event::Click);
    out.push_back(s.str());
  }
  return out;
}

TEST_F(Repeats, ExpandNamesTextsAndPositionsRowByRow) {
  struct Case {
    const char* what;
    const char* body;  // the lines under "form F : TF"
    std::vector<std::string> components;
  };
  const Case cases[] = {
      {"rows down the screen, one shared handler",
       R"(
  repeat k 1..3 step top 78
    shape RowBand{k}   left 14 top 92 width 612 height 74  brush #0e1d38
    label NameSlot{k}  left 76 top 119 width 200 height 20 caption "{k}." font "Arial" 11 white
    image ShipPicSlot{k} left 542 top 94 width 76 height 70  stretch  OnClick OnShipClick)",
       {"F/RowBand1 14,92 612x74", "F/NameSlot1 76,119 200x20 \"1.\"",
        "F/ShipPicSlot1 542,94 76x70 OnShipClick",
        "F/RowBand2 14,170 612x74", "F/NameSlot2 76,197 200x20 \"2.\"",
        "F/ShipPicSlot2 542,172 76x70 OnShipClick",
        "F/RowBand3 14,248 612x74", "F/NameSlot3 76,275 200x20 \"3.\"",
        "F/ShipPicSlot3 542,250 76x70 OnShipClick"}},
      {"two directions at once, a range from 0, the tag and texts numbered",
       R"(
  repeat k 0..2 step left 40 top -20
    label Step{k} left 10 top 100 width 30 height 15 caption "Step {k} of 2: {k}" tag {k}
                  OnClick OnStepClick)",
       {"F/Step0 10,100 30x15 \"Step 0 of 2: 0\" OnStepClick",
        "F/Step1 50,80 30x15 \"Step 1 of 2: 1\" tag 1 OnStepClick",
        "F/Step2 90,60 30x15 \"Step 2 of 2: 2\" tag 2 OnStepClick"}},
      {"steps on a continuation line, a width step, the components after the block",
       R"(
  label Before left 0 top 0 width 5 height 5
  repeat n 2..4 step width 10 left 5
    progressbar Bar{n} top 7 height 4
                       left 100 width 20
  label After left 1 top 1 width 5 height 5)",
       {"F/Before 0,0 5x5", "F/Bar2 100,7 20x4", "F/Bar3 105,7 30x4", "F/Bar4 110,7 40x4",
        "F/After 1,1 5x5"}},
      {"a repeat inside a panel keeps the panel's coordinates",
       R"(
  panel Sensors left 300 top 200 width 200 height 120
    repeat k 1..3 step top 25
      label Sensor{k} left 8 top 5 width 180 height 20 caption "Sensor {k}"
  label Below left 0 top 400 width 5 height 5)",
       {"F/Sensors 300,200 200x120", "Sensors/Sensor1 8,5 180x20 \"Sensor 1\"",
        "Sensors/Sensor2 8,30 180x20 \"Sensor 2\"", "Sensors/Sensor3 8,55 180x20 \"Sensor 3\"",
        "F/Below 0,400 5x5"}},
      {"panels under a repeat move; their children stay where they are in them",
       R"(
  repeat k 1..2 step left 300
    panel Offer{k} left 10 top 10 width 280 height 100
      label OfferTitle{k} left 5 top 5 width 270 height 20 caption "Offer {k}"
      image OfferPic{k} left 5 top 30 width 60 height 60 OnClick OnOfferClick)",
       {"F/Offer1 10,10 280x100", "Offer1/OfferTitle1 5,5 270x20 \"Offer 1\"",
        "Offer1/OfferPic1 5,30 60x60 OnOfferClick",
        "F/Offer2 310,10 280x100", "Offer2/OfferTitle2 5,5 270x20 \"Offer 2\"",
        "Offer2/OfferPic2 5,30 60x60 OnOfferClick"}},
      {"nested repeats make a grid; both steps add up",
       R"(
  repeat row 1..2 step top 30
    repeat column 1..2 step left 100
      shape Cell{row}_{column} left 10 top 10 width 90 height 25
    label RowName{row} left 220 top 12 width 50 height 20 caption "Row {row}")",
       {"F/Cell1_1 10,10 90x25", "F/Cell1_2 110,10 90x25", "F/RowName1 220,12 50x20 \"Row 1\"",
        "F/Cell2_1 10,40 90x25", "F/Cell2_2 110,40 90x25", "F/RowName2 220,42 50x20 \"Row 2\""}},
      {"a repeat without steps; one row",
       R"(
  repeat k 7..7
    image Overlay{k} left 1 top 2 width 3 height 4)",
       {"F/Overlay7 1,2 3x4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form form("F", ParseLayout(std::string("form F : TF width 640 height 480") + c.body, "F.layout"));
    EXPECT_EQ(Describe(form), c.components);
  }
}

TEST_F(Repeats, PicturesAndHandlersAreCollectedFromEveryRow) {
  const LayoutNode layout = ParseLayout(R"(form F : TF
  repeat k 1..3 step left 50
    image Slot{k} left 0 top 0 width 40 height 40 picture "slot_{k}.jpg" OnClick OnSlotClick
)", "F.layout");
  EXPECT_EQ(LayoutPictureNames(layout),
            (std::vector<std::string>{"slot_1.jpg", "slot_2.jpg", "slot_3.jpg"}));
  EXPECT_EQ(LayoutHandlerNames(layout), std::vector<std::string>{"OnSlotClick"});
  EXPECT_EQ(layout.children.at(2).line, 3);  // errors and the data check point at the block's line
}

TEST_F(Repeats, MalformedBlocksNameTheFileAndTheLine) {
  struct Case {
    const char* body;  // the lines under "form F : TF"
    const char* error;
  };
  const Case cases[] = {
      {"\n  repeat k\n    label L{k}",
       "R.layout:2: repeat k needs a range FIRST..LAST (repeat k 1..5 step top 20)"},
      {"\n  repeat k 1-5\n    label L{k}",
       "R.layout:2: repeat k needs a range FIRST..LAST (repeat k 1..5 step top 20)"},
      {"\n  repeat 1..5\n    label L{k}",
       "R.layout:2: repeat needs a variable and a range (repeat k 1..5 step top 20)"},
      {"\n  repeat k 5..1\n    label L{k}", "R.layout:2: repeat range 5..1 runs backwards"},
      {"\n  repeat k 1..2 step colour 5\n    label L{k}",
       "R.layout:2: a repeat steps left, top, width or height, not 'colour'"},
      {"\n  repeat k 1..2 step top\n    label L{k}", "R.layout:2: step top needs a whole number"},
      {"\n  repeat k 1..2 step top 5 top 6\n    label L{k}", "R.layout:2: repeat steps top twice"},
      {"\n  repeat k 1..2 step\n    label L{k}",
       "R.layout:2: step needs a property and a number (repeat k 1..5 step top 20)"},
      {"\n  repeat k 1..2 top 5\n    label L{k}",
       "R.layout:2: after its range a repeat takes only 'step PROPERTY N ...', not 'top'"},
      {"\n  repeat k 1..2 step top 5\n  label L", "R.layout:2: repeat k has no lines indented under it"},
      {"\n  repeat k 1..2 step top 5\n    # nothing yet", "R.layout:2: repeat k has no lines indented under it"},
      {"\n  repeat k 1..2\n    left 5", "R.layout:3: a repeat block starts with a component, not 'left'"},
      {"\n  repeat k 1..2\n      label A{k}\n    label B{k}",
       "R.layout:4: a line of a repeat block is indented less than the block's first line"},
      {"\n  repeat k 1..2\n    label L{j}",
       "R.layout:3: {j} is not a repeat variable here (the block repeats k)"},
      {"\n  repeat k 1..2\n    repeat j 1..2\n      label L{k}{i}",
       "R.layout:4: {i} is not a repeat variable here (the block repeats k, j)"},
      {"\n  label A caption \"Slot {k}\"", "R.layout:2: {k} outside a repeat block"},
      {"\n  repeat k 1..2\n    repeat k 1..2\n      label L{k}",
       "R.layout:3: repeat k inside a repeat of the same variable"},
      {"\n  repeat k 1..2 step top 20\n    label Row", "R.layout:3: duplicate name 'Row' (k = 2)"},
      {"\n  label Row1\n  repeat k 1..2 step top 20\n    label Row{k}",
       "R.layout:4: duplicate name 'Row1' (k = 1)"},
      {"\n  repeat r 1..11\n    repeat c 1..11\n      label Cell{r}{c}",
       "R.layout:4: duplicate name 'Cell111' (r = 11, c = 1)"},
      {"\n  repeat k 1..2 step left 10\n    label L{k} top 5",
       "R.layout:3: the repeat steps left, but label L1 sets no left"},
      {"\n  repeat k 1..2 step top 10\n    timer Blink{k} interval 5",
       "R.layout:3: the repeat steps top, but timer Blink1 sets no top"},
      {"\n  repeat k 1..3 step left 1000000000\n    label L{k} left 0",
       "R.layout:3: left of L3 is out of range after the repeat's steps"},
      {"\n  repeat k 1..20000\n    label L{k}", "R.layout:2: repeat k makes more than 10000 lines"},
      {"\n  repeat k 1..2\n    label L{k} colour red", "R.layout:3: unknown property 'colour' for label L1"},
      {"\n  repeat k 1..2\n    image A{k}\n      label B{k}",
       "R.layout:4: a image cannot hold components ('B1' is indented under A1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    try {
      ParseLayout(std::string("form F : TF") + c.body, "R.layout");
      ADD_FAILURE() << "no error";
    } catch (const LayoutError& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
}

// The rows' code finds its row from the sender: its Tag, or the number in its name.
class TRowsForm : public Form {
 public:
  TRowsForm() : Form("RowsForm") {
    Bind("OnSlotClick", [this](Sender s) { clicks.push_back("slot " + std::to_string(s.sender.Tag())); });
    Bind("OnShipClick", [this](Sender s) { clicks.push_back(s.sender.Name()); });
    Bind("OnCargoClick", [this](Sender s) { clicks.push_back(s.sender.Caption()); });
  }
  std::vector<std::string> clicks;
};

TEST_F(Repeats, ScriptsHandlersAndTheDataCheckSeeTheNumberedComponents) {
  SetLayoutFolder(FARHAVEN_SOURCE_DIR "/tests/platform/layouts");
  const std::string layout = LayoutPath("RowsForm");
  TRowsForm rows;
  ScriptRunner runner;
  runner.Load(R"(click RowsForm.NameSlot4
click RowsForm.ShipPicSlot5
click RowsForm.Cargo13
expect RowsForm.NameSlot2.Caption "2."
expect RowsForm.RowBand5.Top "404"
expect RowsForm.Cargo12.Left "204"
screenshot RowsForm ")" + (FreshFolder("repeat") / "rows.png").string() + R"("
)", "rows.script");
  const ScriptResult r = runner.Run([&] { rows.ShowModal(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(rows.clicks, (std::vector<std::string>{"slot 4", "ShipPicSlot5", "Hold 1.3"}));

  EXPECT_TRUE(CheckForm(layout, [] { return std::make_unique<TRowsForm>(); }).empty());
  // A handler numbered by mistake: the shared one is missing and the numbered one unused.
  const auto numbered = Rebound<TRowsForm>({{"OnShipClick", nullptr}, {"OnShip5Click", [](Sender) {}}});
  EXPECT_EQ(CheckForm(layout, numbered),
            (std::vector<std::string>{
                layout + ": handler OnShipClick is not bound by TRowsForm",
                layout + ": TRowsForm binds handler OnShip5Click, which no component uses"}));
  SetLayoutFolder("");
}

}  // namespace
}  // namespace platform_test
