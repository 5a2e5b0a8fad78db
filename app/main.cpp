// Farhaven 4: the program entry.
#include <cstdio>

int main(int argc, char** argv) {
  (void)argc, (void)argv;
  std::puts("Farhaven 4: the screens are not built yet.");
  return 0;
}
