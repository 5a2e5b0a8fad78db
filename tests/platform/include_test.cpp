// Included layout files: one definition of a group of components shared by several screens,
// placed where the include line stands, and the errors of a malformed include.
#include "platform_fixture.h"

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

namespace platform_test {
namespace {

class Includes : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    dir_ = FreshFolder("include");
    Write("note.inc",
          "# a note with a button, placed by whoever includes it\n"
          "panel Note left 10 top 20 width 100 height 50\n"
          "  label NoteText left 4 top 4 width 90 height 20 caption \"Hello\"\n"
          "  speedbutton NoteClose left 4 top 26 width 40 height 20 caption \"Close\" OnClick OnNoteClose\n"
          "timer NoteTimer interval 1000 enabled false OnTimer OnNoteTimer\n");
  }
  void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name) << text; }
  LayoutNode Parse(const std::string& body) {
    return ParseLayout("form F : TF width 640 height 480\n" + body, (dir_ / "f.layout").string());
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

// The error `step` throws; none when it throws nothing.
std::optional<LayoutError> ErrorOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const LayoutError& e) {
    return e;
  }
  return std::nullopt;
}

// "Parent/Name left,top" of every component.
std::vector<std::string> Places(const Form& form) {
  std::vector<std::string> out;
  for (const Control* c : form.AllControls())
    out.push_back(c->Parent()->Name() + "/" + c->Name() + " " + std::to_string(c->Left()) + "," +
                  std::to_string(c->Top()));
  return out;
}

TEST_F(Includes, PlaceTheIncludedComponentsWhereTheIncludeStands) {
  struct Case {
    const char* what;
    const char* body;
    std::vector<std::string> places;
  };
  const Case cases[] = {
      {"as written, at the form's level",
       "  label Before left 1 top 1\n  include \"note.inc\"\n  label After left 2 top 2\n",
       {"F/Before 1,1", "F/Note 10,20", "Note/NoteText 4,4", "Note/NoteClose 4,26",
        "F/NoteTimer 0,0", "F/After 2,2"}},
      {"moved: only the outermost components move, their children stay in them",
       "  include \"note.inc\" left 500 top -5\n",
       {"F/Note 510,15", "Note/NoteText 4,4", "Note/NoteClose 4,26", "F/NoteTimer 0,0"}},
      {"inside a panel, in its coordinates",
       "  panel Frame left 100 top 100 width 300 height 300\n    include \"note.inc\" top 40\n"
       "  label After left 2 top 2\n",
       {"F/Frame 100,100", "Frame/Note 10,60", "Note/NoteText 4,4", "Note/NoteClose 4,26",
        "Frame/NoteTimer 0,0", "F/After 2,2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form form("F", Parse(c.body));
    EXPECT_EQ(Places(form), c.places);
  }
}

TEST_F(Includes, NestedIncludesHandlersAndPicturesCount) {
  Write("outer.inc",
        "panel Outer left 0 top 0 width 200 height 200\n"
        "  image OuterPicture left 0 top 0 width 10 height 10 picture \"outer.jpg\"\n"
        "  include \"note.inc\" left 5\n");
  const LayoutNode layout = Parse("  include \"outer.inc\" left 300 top 300\n");
  EXPECT_EQ(LayoutHandlerNames(layout), (std::vector<std::string>{"OnNoteClose", "OnNoteTimer"}));
  EXPECT_EQ(LayoutPictureNames(layout), std::vector<std::string>{"outer.jpg"});
  Form form("F", layout);
  EXPECT_EQ(Places(form), (std::vector<std::string>{"F/Outer 300,300", "Outer/OuterPicture 0,0",
                                                    "Outer/Note 15,20", "Note/NoteText 4,4",
                                                    "Note/NoteClose 4,26", "Outer/NoteTimer 0,0"}));
  // An error in the included file names that file and its line.
  EXPECT_EQ(form.Get<Label>("NoteText").Caption(), "Hello");
  EXPECT_EQ(layout.children.at(0).children.at(1).file, Path("note.inc"));
  EXPECT_EQ(layout.children.at(0).children.at(1).line, 2);
}

TEST_F(Includes, MalformedIncludesNameTheFileAndTheLine) {
  Write("self.inc", "label Self left 0 top 0\ninclude \"self.inc\"\n");
  Write("empty.inc", "# nothing here\n");
  Write("form.inc", "form G : TG\n");
  Write("bad.inc", "label Good left 0 top 0\nlabel Bad colour red\n");
  Write("shallow.inc", "  label A left 0 top 0\nlabel B left 0 top 0\n");
  Write("rows.inc", "repeat k 1..2 step top 10\n  label Row{k} left 0 top 0\n");
  Write("unplaced.inc", "label NoLeft top 0\n");
  Write("huge.inc", std::string((1 << 20) + 1, '#'));
  std::filesystem::create_directories(dir_ / "sub");
  struct Case {
    const char* body;
    std::string error;
  };
  const std::string f = Path("f.layout");
  const Case cases[] = {
      {"  include note.inc\n", f + ":2: include needs a quoted file name (include \"part.inc\" left 10 top 20)"},
      {"  include\n", f + ":2: include needs a quoted file name (include \"part.inc\" left 10 top 20)"},
      {"  include \"note.inc\" width 5\n",
       f + ":2: after its file an include takes only 'left N' and 'top N', not 'width'"},
      {"  include \"note.inc\" left 5 left 6\n", f + ":2: include sets left twice"},
      {"  include \"note.inc\" top\n", f + ":2: top needs a whole number"},
      {"  include \"missing.inc\"\n", f + ":2: the included file " + Path("missing.inc") + " cannot be read"},
      // Only a file beside the layout, and only a regular one of a sane size, is read.
      {"  include \"/dev/zero\"\n",
       f + ":2: include takes the name of a file beside the layout, without a folder ('/dev/zero')"},
      {"  include \"../note.inc\"\n",
       f + ":2: include takes the name of a file beside the layout, without a folder ('../note.inc')"},
      {"  include \"sub\"\n", f + ":2: the included file " + Path("sub") + " is not a regular file"},
      {"  include \"huge.inc\"\n", f + ":2: the included file " + Path("huge.inc") + " is larger than 1 MB"},
      {"  include \"empty.inc\"\n", f + ":2: the included file " + Path("empty.inc") + " is empty"},
      {"  include \"self.inc\"\n",
       Path("self.inc") + ":2: includes nest more than 8 deep (does a file include itself?)"},
      {"  include \"form.inc\"\n", Path("form.inc") + ":1: an included file starts with a component, not 'form'"},
      {"  include \"bad.inc\"\n", Path("bad.inc") + ":2: unknown property 'colour' for label Bad"},
      {"  include \"shallow.inc\"\n",
       Path("shallow.inc") + ":2: a line of an included file is indented less than its first line"},
      {"  include \"rows.inc\" top 5\n",
       Path("rows.inc") + ":1: an include moves only the components it holds, not a repeat beside them "
                          "(put the repeat in a panel)"},
      {"  include \"unplaced.inc\" left 5\n", Path("unplaced.inc") + ":1: the include moves left, but label NoLeft sets no left"},
      {"  include \"note.inc\"\n  include \"note.inc\"\n", Path("note.inc") + ":2: duplicate name 'Note'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    const std::optional<LayoutError> e = ErrorOf([&] { Parse(c.body); });
    ASSERT_TRUE(e) << "no error";
    EXPECT_EQ(std::string(e->what()), c.error);
  }
}

TEST_F(Includes, AnIncludedFileWithoutAFolderIsLookedUpInTheLayoutFolder) {
  SetLayoutFolder(dir_.string());
  Form form("F", ParseLayout("form F : TF\n  include \"note.inc\" left 1\n", "f.layout"));
  SetLayoutFolder("");
  EXPECT_EQ(form.Get<Panel>("Note").Left(), 11);
}


// Includes that each include the next many times would multiply into millions of lines: the
// expansion stops at its bound and names the form and the include that crossed it.
TEST_F(Includes, FanOutIncludesStopAtTheFormsBound) {
  for (int level = 1; level <= 7; ++level) {
    std::string text = "panel Level" + std::to_string(level) + " left 0 top 0\n";
    for (int k = 0; k < 10; ++k) {
      text += level == 7 ? "  label Leaf" + std::to_string(k) + " left 0 top 0\n"
                         : "  include \"level" + std::to_string(level + 1) + ".inc\"\n";
    }
    Write("level" + std::to_string(level) + ".inc", text);
  }
  const std::optional<LayoutError> e = ErrorOf([&] { Parse("  include \"level1.inc\"\n"); });
  ASSERT_TRUE(e) << "a million lines were accepted";
  EXPECT_NE(e->Message().find("form F grows past 50000 lines with the included file " + Path("level")),
            std::string::npos) << e->what();
}

// A form's own layout file is read as an included one is: a pipe or a device is refused at once
// (never waited on or read without end), a huge file is refused whole.
TEST_F(Includes, AFormsOwnLayoutFileIsAPlainFileOfASaneSize) {
  const std::string pipe = Path("pipe.layout");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  Write("huge.layout", "form F : TF\n" + std::string(1 << 20, '#'));
  struct Case {
    std::string path;
    std::string error;
  };
  const Case cases[] = {
      {pipe, "the layout file is not a regular file"},
      {"/dev/zero", "the layout file is not a regular file"},
      {Path("huge.layout"), "the layout file is larger than 1 MB"},
      {Path("missing.layout"), "the layout file cannot be read"},
      {dir_.string(), "the layout file is not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::optional<LayoutError> e = ErrorOf([&] { ReadLayoutFile(c.path); });
    ASSERT_TRUE(e) << "read";
    EXPECT_EQ(e->Message(), c.error);
    EXPECT_EQ(e->File(), c.path);
  }
}

}  // namespace
}  // namespace platform_test
