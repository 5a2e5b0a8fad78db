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

// Problems, one line each ("Form1.layout: handler Interface6Click is not bound by TForm1",
// "Form1.layout: TForm1 binds handler Interface6Click, which no component uses"); empty = fine.
std::vector<std::string> CheckFormHandlers(const Form& form);
std::vector<std::string> CheckLayoutPictures(const LayoutNode& layout);
// Builds a form with `make` (which throws LayoutError or MissingComponent when its layout does not
// load or lacks a component the code uses) and runs the handler and picture checks on it.
std::vector<std::string> CheckForm(const std::string& layoutFile,
                                   const std::function<std::unique_ptr<Form>()>& make);

}  // namespace platform
