// Layout files: the loader's errors, nesting, the property table, and the handler check.
#include "platform_fixture.h"

#include "platform/canvas.h"

#include <fstream>

namespace platform_test {
namespace {

class Layouts : public PlatformTest {};

TEST_F(Layouts, ErrorsNameTheFileTheLineAndWhatIsWrong) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"", 1, "empty layout"},
      {"# only a comment\n\n", 1, "empty layout"},
      {"image X left 1", 1, "a layout starts with 'form <Name> : <Class>'"},
      {"form F TF", 1, "a layout starts with 'form <Name> : <Class>'"},
      {"form F : TF position middle", 1, "position must be one of"},
      {"form F : TF\n  image A left x", 2, "left needs a whole number, not 'x'"},
      {"form F : TF\n  image A left", 2, "left needs a whole number"},
      {"form F : TF\n  image A colour red", 2, "unknown property 'colour' for image A"},
      {"form F : TF\n  image A color reddish", 2, "color needs a colour (a name or #rrggbb), not 'reddish'"},
      {"form F : TF\n  image A\n  label A", 3, "duplicate name 'A'"},
      {"form F : TF\n  image F", 2, "duplicate name 'F'"},
      {"form F : TF\n  image A\n    label B", 3, "a image cannot hold components"},
      {"form F : TF\n  label A caption \"open", 2, "text without a closing quotation mark"},
      {"form F : TF\n  label A caption open", 2, "caption needs a quoted text"},
      {"form F : TF\n  label A font \"Arial\" 0", 2, "font size must be 1..200"},
      {"form F : TF\n  panel P alignment left", 2, "unknown property 'alignment' for panel P"},
      {"form F : TF\n  image A OnClick", 2, "OnClick needs a handler name"},
      {"form F : TF\n  image A OnClick \"X\"", 2, "OnClick needs a handler name"},
      {"form F : TF\n  image A OnClick X OnClick Y", 2, "OnClick is bound twice on A"},
      {"form F : TF\n  timer T interval 10 OnClick TClick", 2, "unknown property 'OnClick' for timer T"},
      {"form F : TF\n  image A\n\n\n     visible maybe", 5, "visible needs true or false"},
      {"form F : TF\n  image A\nwidth 5", 3, "unknown component kind 'width'"},
      {"form F : TF\n  imgae A", 2, "unknown property 'imgae' for form F (or an unknown component kind)"},
      {"form F : TF\nimage A", 2, "components must be indented under the form"},
      {"form F : TF\n  image A left 1 label B", 2, "a component must start its own line ('label')"},
      {"form F : TF\n\timage A", 2, "tab character"},
      {"form F : TF\n  image A\nform G : TG", 3, "only one form per layout"},
      {"form F : TF\n  image A left 99999999999", 2, "left is out of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseLayout(c.text, "screens/F.layout");
      ADD_FAILURE() << "no error";
    } catch (const LayoutError& e) {
      EXPECT_EQ(e.File(), "screens/F.layout");
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
      EXPECT_EQ(std::string(e.what()).rfind("screens/F.layout:" + std::to_string(c.line) + ": ", 0), 0u);
    }
  }
}

TEST_F(Layouts, MissingFileAndWrongFormNameAreLayoutErrors) {
  EXPECT_THROW(ReadLayoutFile("/nonexistent/X.layout"), LayoutError);
  try {
    Form f("Other", ParseLayout("form F : TF", "F.layout"));
    ADD_FAILURE();
  } catch (const LayoutError& e) {
    EXPECT_STREQ(e.what(), "F.layout:1: the layout is for form F, not Other");
  }
  EXPECT_EQ(App().FindForm("Other"), nullptr);
}

TEST_F(Layouts, NestingContinuationLinesAndValues) {
  const char* text = R"L(# The welcome panel of a test screen.
form W : TW  width 377 height 519 position centre color black border single caption "Trade && more"
  panel Outer        left 8 top 295 width 360 height 200 color #102030 bevel none
    label Topic      left 6 top 4 caption "Tutorial" font "Times New Roman" 12 bold italic yellow
                     transparent
    groupbox Group   left 10 top 40 width 200 height 100 caption "G"
      image Pic      left 5 top 20 width 50 height 50 picture "pic.jpg" stretch
                     OnClick PicClick     # a comment after a property
                     OnMouseMove PicMove
    speedbutton Sb   left 220 top 40 width 100 height 24 caption "Close this message" flat
  shape Bar          left 1 top 2 width 3 height 4 brush #ff8000 pen white penwidth 2
  progressbar Pb     left 0 top 0 width 100 height 10 min 0 max 50 position 25
  edit Name          left 0 top 30 width 100 height 20 text "(Please enter your name here)" maxlength 20
  timer Blink        interval 600 OnTimer BlinkTimer
)L";
  const LayoutNode root = ParseLayout(text, "W.layout");
  ASSERT_EQ(root.children.size(), 5u);
  EXPECT_EQ(root.className, "TW");
  EXPECT_EQ(root.children[0].children.size(), 3u);
  EXPECT_EQ(root.children[0].children[1].children[0].name, "Pic");
  EXPECT_EQ(root.children[0].children[1].children[0].line, 7);
  EXPECT_EQ(LayoutHandlerNames(root), (std::vector<std::string>{"BlinkTimer", "PicClick", "PicMove"}));
  EXPECT_EQ(LayoutPictureNames(root), std::vector<std::string>{"pic.jpg"});

  Form w("W", root);
  EXPECT_EQ(w.Caption(), "Trade & more") << "a layout's doubled ampersand is one";
  EXPECT_EQ(w.Border(), BorderStyle::Single);
  Image& pic = w.Get<Image>("Pic");
  EXPECT_EQ(pic.Parent()->Name(), "Group");
  EXPECT_EQ(pic.HandlerName(Event::Click), "PicClick");
  EXPECT_EQ(pic.HandlerName(Event::MouseMove), "PicMove");
  EXPECT_TRUE(pic.Stretch());
  w.Show();
  EXPECT_EQ(w.Left(), (kScreenWidth - 377) / 2);
  EXPECT_EQ(pic.ScreenRect(), (Rect{w.Left() + 8 + 10 + 5, w.Top() + 295 + 40 + 20, 50, 50}));
  const Label& topic = w.Get<Label>("Topic");
  EXPECT_EQ(topic.GetFont(), (Font{"Times New Roman", 12, true, true, false, false, colors::Yellow}));
  EXPECT_TRUE(topic.Transparent());
  EXPECT_GT(topic.Width(), 0);  // no width given: sized to its text
  EXPECT_EQ(w.Get<Panel>("Outer").GetColor(), Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(w.Get<Shape>("Bar").Brush(), Rgb(255, 128, 0));
  EXPECT_EQ(w.Get<ProgressBar>("Pb").Position(), 25);
  EXPECT_EQ(w.Get<Edit>("Name").Text(), "(Please enter your name here)");
  EXPECT_EQ(w.Get<Edit>("Name").MaxLength(), 20);
  EXPECT_EQ(w.Get<Timer>("Blink").Interval(), 600);
}

// Every row of the property table works on every kind that accepts it: the loader, the data check
// and the screens all rely on that.
TEST_F(Layouts, EveryPropertyAppliesToEveryKindThatAcceptsIt) {
  const Kind kinds[] = {Kind::Image, Kind::Label, Kind::Panel, Kind::Shape, Kind::SpeedButton,
                        Kind::Button, Kind::GroupBox, Kind::Edit, Kind::ProgressBar, Kind::Timer};
  auto sample = [](const PropertyRow& row) -> std::string {
    switch (row.type) {
      case ValueType::Int: return " 7";
      case ValueType::Text: return " \"x.jpg\"";
      case ValueType::Bool: return " false";
      case ValueType::Flag: return "";
      case ValueType::Colour: return " red";
      case ValueType::FontValue: return " \"Arial\" 9 bold white";
      case ValueType::Word: return " " + std::string(row.words.substr(0, row.words.find(' ')));
      case ValueType::HandlerName: return " Handler1";
    }
    return "";
  };
  int checked = 0;
  for (const PropertyRow& row : PropertyTable()) {
    ASSERT_NE(row.kinds, 0u) << row.name;
    if (row.kinds & 1u) {
      SCOPED_TRACE(std::string("form ") + std::string(row.name));
      Form f("F", ParseLayout("form F : TF " + std::string(row.name) + sample(row), "F.layout"));
      ++checked;
    }
    for (Kind k : kinds) {
      if (!(row.kinds & (1u << int(k)))) continue;
      SCOPED_TRACE(std::string(KindName(k)) + " " + std::string(row.name));
      const std::string text = "form F : TF\n  " + std::string(KindName(k)) + " C " +
                               std::string(row.name) + sample(row);
      Form f("F", ParseLayout(text, "F.layout"));
      EXPECT_NE(f.Find("C"), nullptr);
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_EQ(FindProperty(Kind::Timer, "left"), nullptr);
  EXPECT_NE(FindProperty(Kind::Form, "position"), FindProperty(Kind::ProgressBar, "position"));
}

class DemoForm : public Form {
 public:
  explicit DemoForm(bool bindAll) : Form("F", ParseLayout(R"(
form F : TF OnActivate FormActivate
  image StartButton left 0 top 0 width 10 height 10 OnClick OnStartClick OnMouseMove Hover
  label StartLabel left 0 top 0 caption "Start" OnClick OnStartClick OnMouseMove Hover
)", "F.layout")) {
    Bind("OnStartClick", [](Sender) {});
    if (bindAll) Bind("Hover", [](Sender) {});
  }
};

TEST_F(Layouts, HandlerAndComponentChecks) {
  EXPECT_EQ(DemoForm(false).MissingHandlers(), (std::vector<std::string>{"FormActivate", "Hover"}));
  DemoForm form(true);
  EXPECT_EQ(form.MissingHandlers(), std::vector<std::string>{"FormActivate"});
  form.Bind("FormActivate", [](Sender) {});
  EXPECT_TRUE(form.MissingHandlers().empty());
  // The other way: bindings no component uses. A null handler is no binding.
  EXPECT_TRUE(form.UnusedBindings().empty());
  form.Bind("Hovr", [](Sender) {});
  form.Bind("OnStopClick", [](Sender) {});
  form.Bind("OnStartClick", nullptr);
  EXPECT_EQ(form.UnusedBindings(), (std::vector<std::string>{"Hovr", "OnStopClick"}));
  EXPECT_EQ(form.MissingHandlers(), std::vector<std::string>{"OnStartClick"});
  // What the form's code asks for must be there, and of the right kind.
  EXPECT_NO_THROW(form.Get<Image>("StartButton"));
  EXPECT_THROW(form.Get<Image>("StopButton"), MissingComponent);
  try {
    form.Get<Image>("StartLabel");
    ADD_FAILURE();
  } catch (const MissingComponent& e) {
    EXPECT_STREQ(e.what(), "F: component 'StartLabel' is a label");
  }
}

TEST_F(Layouts, FormLoadsItsOwnFileFromTheLayoutFolder) {
  const auto dir = FreshFolder("layouts");
  std::ofstream(dir / "trade_window.layout")
      << "form TradeWindow : TradeWindowScreen width 10 height 10\n  label L caption \"x\"\n";
  SetLayoutFolder(dir.string());
  Form f("TradeWindow");
  SetLayoutFolder("");
  EXPECT_EQ(f.LayoutFile(), (dir / "trade_window.layout").string());
  EXPECT_EQ(f.Get<Label>("L").Caption(), "x");
}

TEST(LayoutFileNameTest, FormNamesBecomeLowerCaseWordsApart) {
  const std::pair<const char*, const char*> cases[] = {
      {"HighScore", "high_score.layout"},
      {"YesNoPopup", "yes_no_popup.layout"},
      {"Start", "start.layout"},
      {"Planet2View", "planet2_view.layout"},
      {"AIScreen", "ai_screen.layout"},
      {"lower", "lower.layout"},
  };
  for (const auto& [form, file] : cases) EXPECT_EQ(LayoutFileName(form), file) << form;
}

// Only a layout's captions follow the ampersand rule: a caption set in code (a pilot's name) is
// drawn whole, its "&" included.
TEST_F(Layouts, ACaptionSetInCodeShowsItsAmpersandAsItIs) {
  Form f("F", ParseLayout("form F : TF  width 300 height 100\n"
                          "  label Name  left 0 top 0 caption \"A&&B\" font \"Arial\" 10\n",
                          "F.layout"));
  Label& name = f.Get<Label>("Name");
  EXPECT_EQ(name.Caption(), "A&B");
  name.SetCaption("R&D Olo");
  EXPECT_EQ(name.Caption(), "R&D Olo");
  int whole = 0, without = 0, h = 0;
  MeasureText(name.GetFont(), "R&D Olo", whole, h);
  MeasureText(name.GetFont(), "RD Olo", without, h);
  EXPECT_EQ(name.Width(), whole) << "sized to the text with its ampersand";
  EXPECT_GT(whole, without);
}

TEST(LayoutCaptionTextTest, ALayoutsAmpersandsShowAsTheGameMeansThem) {
  EXPECT_EQ(LayoutCaptionText("Trade && Profit"), "Trade & Profit");
  EXPECT_EQ(LayoutCaptionText("&Close"), "Close");
  EXPECT_EQ(LayoutCaptionText("a&&&b"), "a&b");
  EXPECT_EQ(LayoutCaptionText("end&"), "end");
}

}  // namespace
}  // namespace platform_test
