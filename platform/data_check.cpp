#include "platform/data_check.h"

#include "platform/form.h"
#include "platform/layout.h"
#include "platform/pictures.h"

#include <filesystem>
#include <memory>

namespace platform {

std::vector<std::string> CheckFormHandlers(const Form& form) {
  std::vector<std::string> out;
  for (const std::string& h : form.MissingHandlers())
    out.push_back(form.LayoutFile() + ": handler " + h + " is not bound by " + form.ClassName());
  for (const std::string& h : form.UnusedBindings())
    out.push_back(form.LayoutFile() + ": " + form.ClassName() + " binds handler " + h +
                  ", which no component uses");
  return out;
}

std::vector<std::string> CheckLayoutPictures(const LayoutNode& layout) {
  std::vector<std::string> out;
  for (const std::string& p : LayoutPictureNames(layout)) {
    // The folder is read once; a file removed since is looked for again.
    const std::string path = FindAsset(p);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
      out.push_back(layout.file + ": picture \"" + p + "\" is not among the assets");
  }
  return out;
}

std::vector<std::string> CheckForm(const std::string& layoutFile,
                                   const std::function<std::unique_ptr<Form>()>& make) {
  std::vector<std::string> out;
  try {
    const LayoutNode layout = ReadLayoutFile(layoutFile);
    out = CheckLayoutPictures(layout);
    std::unique_ptr<Form> form = make();
    for (std::string& s : CheckFormHandlers(*form)) out.push_back(std::move(s));
  } catch (const std::exception& e) {
    out.push_back(e.what());
  }
  return out;
}

}  // namespace platform
