// Farhaven 4: the program entry.
//   farhaven                  the game
//   farhaven --script FILE    the game under the steps of FILE; non-zero at the first failed step
//   farhaven --check-data     checks every screen's layout, handlers and pictures
#include <cstdio>
#include <exception>
#include <string>

#include "app/program.h"

int main(int argc, char** argv) {
  const std::string option = argc > 1 ? argv[1] : "";
  try {
    app::FindFolders();
    if (option.empty()) return app::RunGame();
    if (option == "--script" && argc == 3) return app::RunGameScript(argv[2]);
    if (option == "--check-data" && argc == 2) return app::CheckData();
    std::fprintf(stderr, "usage: farhaven [--script FILE | --check-data]\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Farhaven 4: %s\n", e.what());
    return 1;
  }
}
