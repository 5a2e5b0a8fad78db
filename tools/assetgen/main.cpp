// assetgen CATALOGUE FOLDER: writes every picture and sound of the catalogue into FOLDER.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <thread>

#include "tools/assetgen/generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CATALOGUE FOLDER\n", argv[0]);
    return 2;
  }
  try {
    auto start = std::chrono::steady_clock::now();
    assetgen::Catalogue catalogue = assetgen::LoadCatalogue(argv[1]);
    assetgen::CheckCatalogue(catalogue, argv[1]);
    unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
    assetgen::GenerateReport report = assetgen::GenerateAll(catalogue, argv[2], threads);
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
