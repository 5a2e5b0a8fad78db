#include "tools/assetgen/sheet.h"

#include <cairo.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/painters.h"

namespace assetgen {
namespace {

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

std::string Shape(const Asset& a) { return a.kind.substr(0, a.kind.find('.')); }

}  // namespace

std::string SheetOf(const Asset& a) {
  if (!a.IsPicture()) return "";
  std::string shape = Shape(a);
  std::string_view f = a.file;
  if (shape == "planet") return "planets";
  if (shape == "find" || shape == "blip" || shape == "symbol" || shape == "city") return "map";
  if (shape == "portrait" || shape == "uniform") return "people";
  if (shape == "shoulder" || shape == "collar" || shape == "wings" || shape == "ribbon" || shape == "medal" ||
      shape == "plaque" || shape == "rankpic")
    return "insignia";
  if (shape == "logo" || shape == "emblem") return "logos";
  if (shape == "mission") return "missions";
  if (shape == "ability" || shape == "skill")
    return f.ends_with("_on.jpg") || f.starts_with("Skill_Fire_Gun_") || f.starts_with("Skill_Trader_") ? "icons" : "";
  if (shape == "equipment" || shape == "missile" || shape == "beam") return "equipment";
  if (shape == "bar" || shape == "pips") return "gauges";
  if (shape == "frame" || shape == "lamp" || shape == "deck" || shape == "scene" || shape == "burst") return "scenes";
  if (shape == "ship") {
    if (Contains(f, "wire") || Contains(f, "_scene_sm")) return f.starts_with("Syndicate") ? "" : "shipyard";
    if (Contains(f, "Federation_Patton_") || Contains(f, "Pirate_Killerbee_r_")) return "ships-fire";
    for (std::string_view faction : {"Pirate", "Federation", "Outerrim", "Coalition", "Syndicate"})
      if (f.starts_with(faction) && (Contains(f, "_l_n") || Contains(f, "_r_s") || Contains(f, "_Scene")))
        return "ships-" + std::string(faction);
    return Contains(f, "_R.jpg") || Contains(f, "_L.jpg") ? "ships-simulator" : "";
  }
  return "buttons";  // one of each look: the sheet keeps the first row of each kind and size
}

std::vector<std::filesystem::path> WriteContactSheets(const Catalogue& catalogue, const std::filesystem::path& folder) {
  std::map<std::string, std::vector<const Asset*>> families;
  std::set<std::string> looks;
  for (const Asset& a : catalogue.assets) {
    std::string family = SheetOf(a);
    if (family.empty()) continue;
    if (family == "buttons" && !looks.insert(a.kind + "/" + std::to_string(a.width) + "x" + std::to_string(a.height)).second)
      continue;
    families[family].push_back(&a);
  }
  std::filesystem::create_directories(folder);
  std::vector<std::filesystem::path> written;
  for (const auto& [family, assets] : families) {
    int cell_w = 10, cell_h = 10;
    for (const Asset* a : assets) cell_w = std::max(cell_w, std::min(a->width, 290)), cell_h = std::max(cell_h, std::min(a->height, 220));
    const int caption = 14, pad = 6, columns = std::max(1, std::min<int>(int(assets.size()), 1800 / (cell_w + pad)));
    const int rows = (int(assets.size()) + columns - 1) / columns;
    const int width = pad + columns * (cell_w + pad), height = pad + rows * (cell_h + caption + pad);
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
    cairo_paint(cr);
    ReleaseFontCachesAtExit();
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    for (std::size_t i = 0; i < assets.size(); ++i) {
      const Asset& a = *assets[i];
      double x = pad + double(i % columns) * (cell_w + pad), y = pad + double(i / columns) * (cell_h + caption + pad);
      Canvas picture = Paint(a, catalogue);
      double scale = std::min({1.0, double(cell_w) / a.width, double(cell_h) / a.height});
      cairo_save(cr);
      cairo_translate(cr, x + (cell_w - a.width * scale) / 2, y + (cell_h - a.height * scale) / 2);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, picture.surface(), 0, 0);
      cairo_paint(cr);
      cairo_restore(cr);
      std::string name = a.file.size() > std::size_t(cell_w / 5.5) ? a.file.substr(0, cell_w / 5.5) : a.file;
      cairo_move_to(cr, x, y + cell_h + 11);
      cairo_set_source_rgb(cr, 0.8, 0.82, 0.86);
      cairo_show_text(cr, name.c_str());
    }
    std::filesystem::path path = folder / ("sheet-" + family + ".png");
    cairo_status_t status = cairo_surface_write_to_png(sheet, path.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(path.string() + ": cannot be written");
    written.push_back(path);
  }
  return written;
}

}  // namespace assetgen
