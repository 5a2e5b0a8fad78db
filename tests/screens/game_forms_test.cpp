// The registry of the game's forms: a form is found by its own class only, goes when it is taken
// out, and a missing form or a second one of a class ends the program naming the class.
#include "screens/shared/game_forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/layout.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

// Two small forms of their own classes, one derived from the other.
class HangarForm : public platform::Form {
 public:
  HangarForm()
      : Form("Hangar", platform::ParseLayout("form Hangar : HangarForm  width 40 height 30\n",
                                             "hangar.layout")) {}
};

class DockForm : public HangarForm {};

class GameFormRegistryTest : public FormTest {
 protected:
  void TearDown() override {
    screens::RegisterGameForm(typeid(HangarForm), nullptr);
    screens::RegisterGameForm(typeid(DockForm), nullptr);
    FormTest::TearDown();
  }
};

TEST_F(GameFormRegistryTest, AFormIsFoundByItsOwnClassUntilItIsTakenOut) {
  HangarForm hangar;
  DockForm dock;
  screens::RegisterGameForm(typeid(HangarForm), &hangar);
  EXPECT_EQ(&screens::GameForm<HangarForm>(), &hangar);
  EXPECT_EQ(screens::FindGameForm(typeid(DockForm)), nullptr) << "a derived class is another form";

  screens::RegisterGameForm(typeid(DockForm), &dock);
  EXPECT_EQ(&screens::GameForm<DockForm>(), &dock);
  EXPECT_EQ(&screens::GameForm<HangarForm>(), &hangar) << "the base class keeps its own form";

  screens::RegisterGameForm(typeid(HangarForm), &hangar);  // the same form again changes nothing
  EXPECT_EQ(&screens::GameForm<HangarForm>(), &hangar);

  screens::RegisterGameForm(typeid(HangarForm), nullptr);
  EXPECT_EQ(screens::FindGameForm(typeid(HangarForm)), nullptr);
  EXPECT_EQ(&screens::GameForm<DockForm>(), &dock);
}

TEST_F(GameFormRegistryTest, AMissingFormOrASecondFormOfAClassEndsTheProgramNamingIt) {
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_DEATH(screens::GameForm<HangarForm>(),
               "Farhaven 4: the form screens_test::\\(anonymous namespace\\)::HangarForm was "
               "used but has not been created");
  const auto registerTwo = [] {
    HangarForm first;
    HangarForm second;
    screens::RegisterGameForm(typeid(HangarForm), &first);
    screens::RegisterGameForm(typeid(HangarForm), &second);
  };
  EXPECT_DEATH(registerTwo(),
               "Farhaven 4: a second form screens_test::\\(anonymous namespace\\)::HangarForm was "
               "created");
}

}  // namespace
}  // namespace screens_test
