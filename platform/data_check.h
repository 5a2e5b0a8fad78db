// What the data check asks of every screen: its layout loads, each handler name the layout uses
// is bound by the form's code, each handler the code binds is used by the layout, and every
// picture the layout names is among the assets.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Form;
struct LayoutNode;

// Problems, one line each ("start.layout: handler OnNewGameClick is not bound by StartScreen",
// "start.layout: StartScreen binds handler OnNewGameClick, which no component uses"); empty = fine.
std::vector<std::string> CheckFormHandlers(const Form& form);
std::vector<std::string> CheckLayoutPictures(const LayoutNode& layout);
// Builds a form with `make` (which throws LayoutError or MissingComponent when its layout does not
// load or lacks a component the code uses) and runs the handler and picture checks on it.
std::vector<std::string> CheckForm(const std::string& layoutFile,
                                   const std::function<std::unique_ptr<Form>()>& make);

}  // namespace platform
