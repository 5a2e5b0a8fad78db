// assetgen CATALOGUE FOLDER: writes every picture and sound of the catalogue into FOLDER.
// assetgen --sheet CATALOGUE FOLDER: writes one contact sheet PNG per picture family into FOLDER.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>

#include "tools/assetgen/generator.h"
#include "tools/assetgen/sheet.h"

int main(int argc, char** argv) {
  bool sheets = argc == 4 && std::strcmp(argv[1], "--sheet") == 0;
  if (argc != 3 && !sheets) {
    std::fprintf(stderr, "usage: %s [--sheet] CATALOGUE FOLDER\n", argv[0]);
    return 2;
  }
  const char* catalogue_path = argv[argc - 2];
  const char* folder = argv[argc - 1];
  try {
    auto start = std::chrono::steady_clock::now();
    assetgen::Catalogue catalogue = assetgen::LoadCatalogue(catalogue_path);
    assetgen::CheckCatalogue(catalogue, catalogue_path);
    if (sheets) {
      for (const auto& path : assetgen::WriteContactSheets(catalogue, folder)) std::printf("%s\n", path.c_str());
      return 0;
    }
    unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
    assetgen::GenerateReport report = assetgen::GenerateAll(catalogue, folder, threads);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %zu files, %.1f MB, %.2f s", report.files, report.bytes / 1e6, seconds);
    if (report.removed) std::printf(", %zu left-over files removed", report.removed);
    std::printf("\n");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
}
