// Every picture a screen draws stretched keeps its own shape: the place a layout gives it has the
// picture's aspect ratio within a few per cent, unless the catalogue declares the picture a plain
// plate that may take any shape. Pictures the screens load in code are checked against the places
// they are loaded into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/layout.h"
#include "tools/assetgen/catalogue.h"

namespace {

namespace fs = std::filesystem;

constexpr double kTolerance = 0.04;  // the largest share a drawn shape may differ from the picture's own

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Place {
  std::string name;
  int width = 0, height = 0;
  bool stretch = false, proportional = false;
  std::string picture;
};

int IntProperty(const platform::LayoutNode& node, std::string_view name) {
  for (const platform::LayoutProperty& p : node.properties)
    if (p.row->name == name) return p.value.number;
  return 0;
}

Place PlaceOf(const platform::LayoutNode& node) {
  Place place;
  place.name = node.name;
  place.width = IntProperty(node, "width");
  place.height = IntProperty(node, "height");
  for (const platform::LayoutProperty& p : node.properties) {
    if (p.row->name == "stretch") place.stretch = p.value.flag;
    if (p.row->name == "proportional") place.proportional = p.value.flag;
    if (p.row->name == "picture") place.picture = p.value.text;
  }
  return place;
}

void CollectImages(const platform::LayoutNode& node, std::map<std::string, Place>& out) {
  for (const platform::LayoutNode& child : node.children) {
    if (child.kind == platform::Kind::Image) out[child.name] = PlaceOf(child);
    CollectImages(child, out);
  }
}

class PictureShapes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    catalogue_ = new assetgen::Catalogue(
        assetgen::LoadCatalogue(fs::path(FARHAVEN_SOURCE_DIR) / "tools/assetgen/catalogue.txt"));
    for (const assetgen::Asset& a : catalogue_->assets) sizes_[Lower(a.file)] = {a.width, a.height};
    for (const auto& entry : fs::directory_iterator(fs::path(FARHAVEN_SOURCE_DIR) / "resources")) {
      if (entry.path().extension() != ".layout") continue;
      const platform::LayoutNode form = platform::ReadLayoutFile(entry.path().string());
      CollectImages(form, images_[entry.path().filename().string()]);
    }
  }
  static void TearDownTestSuite() { delete catalogue_; }

  // Empty when the picture may be drawn in the place; else what is wrong.
  static std::string Misfit(const std::string& where, const Place& place, const std::string& picture) {
    auto size = sizes_.find(Lower(picture));
    if (size == sizes_.end()) return where + ": picture " + picture + " is not in the catalogue";
    if (!place.stretch || place.proportional) return "";
    for (const auto& [file, why] : catalogue_->stretchable)
      if (Lower(file) == Lower(picture)) return "";
    const auto [w, h] = size->second;
    const double own = double(w) / h, drawn = double(place.width) / place.height;
    if (std::abs(drawn / own - 1) <= kTolerance) return "";
    return where + ": " + picture + " (" + std::to_string(w) + "x" + std::to_string(h) + ") drawn at " +
           std::to_string(place.width) + "x" + std::to_string(place.height);
  }

  static const Place& ImageIn(const std::string& layout, const std::string& name) {
    static const Place kNone;
    auto form = images_.find(layout);
    if (form == images_.end()) return kNone;
    auto it = form->second.find(name);
    return it == form->second.end() ? kNone : it->second;
  }

  static inline assetgen::Catalogue* catalogue_ = nullptr;
  static inline std::map<std::string, std::pair<int, int>> sizes_;
  static inline std::map<std::string, std::map<std::string, Place>> images_;  // layout -> image -> place
};

TEST_F(PictureShapes, EveryLayoutPictureKeepsItsShape) {
  ASSERT_FALSE(images_.empty());
  std::vector<std::string> misfits;
  for (const auto& [layout, images] : images_)
    for (const auto& [name, place] : images)
      if (!place.picture.empty())
        if (std::string m = Misfit(layout + " " + name, place, place.picture); !m.empty()) misfits.push_back(m);
  EXPECT_TRUE(misfits.empty()) << ::testing::PrintToString(misfits);
}

// The pictures the screens load in code, by the place they go to.
TEST_F(PictureShapes, PicturesLoadedByTheScreensKeepTheirShape) {
  struct Case {
    std::string layout, image;
    std::vector<std::string> pictures;
  };
  std::vector<Case> cases = {
      {"ship_combat.layout", "PlayerActionPointBar", {"Combo_00.jpg", "Combo_03.jpg", "Combo_05.jpg"}},
      {"ship_combat.layout", "EnemyActionPointBar", {"Combo_00.jpg", "Combo_05.jpg"}},
      {"ship_combat.layout", "PlayerShieldDisplay", {"Shield_00.jpg", "Shield_30.jpg"}},
      {"ship_combat.layout", "PlayerRadar", {"left_reinforcements_1.jpg", "left_reinforcements_3.jpg"}},
      {"ship_combat.layout", "EnemyRadar", {"right_reinforcements_1.jpg", "right_reinforcements_3.jpg"}},
      {"ship_combat.layout", "PlayerModifier1", {"Skill_ECM_ActiveMod.jpg"}},
      {"ship_combat.layout", "AbilityButton1", {"Skill_Fire_Gun_on.jpg", "Skill_Fire_Gun_off.jpg"}},
      {"ship_combat.layout", "PlayerMissilePicture", {"Federation_Missile_R.jpg", "Equipment_Zeus_Side_l.jpg"}},
      {"ship_combat.layout", "EnemyMissilePicture", {"Jalkath_Missile_L.jpg", "Equipment_Zeus_Side_r.jpg"}},
      {"ship_combat.layout", "ShotPastPlayerShip", {"ShotPast_f1_L.jpg", "ShotPast_f8_L.jpg"}},
      {"ship_combat.layout", "ShotPastEnemyShip", {"ShotPast_f1_R.jpg", "ShotPast_f8_R.jpg"}},
      {"fleet_battle.layout", "ShipPicture", {"Marauder_topwire.jpg", "Starwolf_topwire.jpg"}},
      {"fleet_battle.layout", "Portrait", {"hero1_20y.jpg", "hero3_150y.jpg"}},
      {"fleet_battle.layout", "ShieldBar", {"Travelscreen_ShieldBar_0.jpg", "Travelscreen_ShieldBar_25.jpg"}},
      {"fleet_battle.layout", "EscortPicture", {"Federation_Neptun_scene.jpg", "Outerrim_Patton_Scene.jpg"}},
      {"fleet_battle.layout", "TargetPicture", {"Pirate_Corsair_Scene.jpg", "Syndicate_Marauder_Scene.jpg"}},
      {"fleet_battle.layout", "TargetShieldBar", {"Travelscreen_ShieldBar_12.jpg"}},
      {"simulator_duel.layout", "PlayerShipPicture", {"Federation_Avenger_R.jpg", "Federation_Shadowcat_R.jpg"}},
      {"simulator_duel.layout", "EnemyShipPicture", {"Jalkath_Vorrak_L.jpg"}},
      {"simulator_duel.layout", "PlayerShieldDisplay", {"Shield_00.jpg", "Shield_30.jpg"}},
      {"simulator_duel.layout", "EnemyComboPointDisplay", {"Combo_00.jpg", "Combo_05.jpg"}},
      {"simulator_duel.layout", "PlayerMissilePicture", {"Federation_Missile_R.jpg"}},
      {"simulator_duel.layout", "EnemyMissilePicture", {"Jalkath_Missile_L.jpg"}},
      {"simulator_duel.layout", "PlayerModifier1", {"Skill_Cloak_ActiveMod.jpg"}},
  };
  for (int k = 2; k <= 13; ++k) {
    const std::string n = (k < 10 ? "0" : "") + std::to_string(k);
    if (sizes_.contains(Lower("CheatsScreen_" + n + ".jpg")))
      cases.push_back({"cheat_screen.layout", "", {"CheatsScreen_" + n + ".jpg", "CheatsScreenMouseOver_" + n + ".jpg"}});
  }
  std::vector<std::string> misfits;
  for (const Case& c : cases) {
    std::vector<const Place*> places;
    if (c.image.empty()) {  // every stretched image of the layout that takes a picture in code
      for (const auto& [name, place] : images_[c.layout])
        if (place.picture.empty() && place.stretch) places.push_back(&place);
    } else {
      const Place& place = ImageIn(c.layout, c.image);
      if (place.name.empty()) misfits.push_back(c.layout + ": no image " + c.image);
      places.push_back(&place);
    }
    for (const Place* place : places)
      for (const std::string& picture : c.pictures)
        if (std::string m = Misfit(c.layout + " " + place->name, *place, picture); !m.empty()) misfits.push_back(m);
  }
  EXPECT_TRUE(misfits.empty()) << ::testing::PrintToString(misfits);
}

}  // namespace
