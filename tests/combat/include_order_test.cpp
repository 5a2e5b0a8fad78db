// The combat files include each other in one direction only: no file reaches back, through any
// chain of includes, to a file that includes it. A file and its header count as one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// Each combat file's name without its extension, and the other combat files it includes.
Graph CombatIncludes() {
  Graph graph;
  const std::regex include(R"(^#include "combat/(\w+)\.h")");
  const std::filesystem::path folder = std::filesystem::path(FARHAVEN_SOURCE_DIR) / "combat";
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().stem().string();
    graph[name];
    std::ifstream file(entry.path());
    std::smatch match;
    for (std::string line; std::getline(file, line);)
      if (std::regex_search(line, match, include) && match[1] != name)
        graph[name].insert(match[1]);
  }
  return graph;
}

// A chain of includes that comes back to where it started; empty when there is none.
std::vector<std::string> FindLoop(const Graph& graph) {
  std::map<std::string, int> seen;  // 1 on the current chain, 2 done
  std::vector<std::string> chain, loop;
  auto visit = [&](auto& self, const std::string& file) -> bool {
    seen[file] = 1;
    chain.push_back(file);
    const auto found = graph.find(file);
    if (found != graph.end()) {
      for (const std::string& next : found->second) {
        if (seen[next] == 1) {
          auto start = chain.begin();
          while (*start != next) ++start;
          loop.assign(start, chain.end());
          loop.push_back(next);
          return true;
        }
        if (seen[next] == 0 && self(self, next)) return true;
      }
    }
    chain.pop_back();
    seen[file] = 2;
    return false;
  };
  for (const auto& [file, includes] : graph)
    if (seen[file] == 0 && visit(visit, file)) break;
  return loop;
}

TEST(CombatIncludeOrder, FindLoopFindsALoopAndOnlyALoop) {
  EXPECT_TRUE(FindLoop({{"a", {"b"}}, {"b", {"c"}}, {"c", {}}}).empty());
  EXPECT_TRUE(FindLoop({{"a", {"b", "c"}}, {"b", {"c"}}, {"c", {}}}).empty());
  EXPECT_EQ(FindLoop({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}),
            (std::vector<std::string>{"a", "b", "c", "a"}));
}

TEST(CombatIncludeOrder, NoFileReachesBackToAFileThatIncludesIt) {
  const Graph graph = CombatIncludes();
  ASSERT_GT(graph.size(), 20u) << "the combat folder was not found";
  const std::vector<std::string> loop = FindLoop(graph);
  std::string shown;
  for (const std::string& file : loop) shown += (shown.empty() ? "" : " -> ") + file;
  EXPECT_TRUE(loop.empty()) << "combat/ includes run in a loop: " << shown;
}

}  // namespace
