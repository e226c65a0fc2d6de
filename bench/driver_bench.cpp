// Throughput of whole runs: generates a file of N analyses (olivine and
// stilpnomelane by default, or the compositions of an example file with
// their values jittered), runs it through the calculation to files and
// prints analyses per second and the peak resident memory.
//   driver_bench [N] [example-file]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "driver.h"

namespace {

struct Analysis {
  std::string code;
  std::vector<double> values;
};

std::vector<Analysis> DefaultAnalyses() {
  return {{"ol", {40.8, 0, 0, 0, 0, 9.5, 0.14, 49.2, 0.05, 0, 0}},
          {"ol", {34.5, 0, 0, 0, 0, 37.0, 0.4, 27.5, 0.1, 0, 0}},
          {"stp", {45.5, 0, 5.8, 0, 0, 30.0, 0.8, 5.2, 0, 0, 1.8}}};
}

// The analyses of an example file with the eleven oxides in header order.
std::vector<Analysis> ReadExamples(const std::string& path, std::string& header) {
  std::ifstream in(path);
  std::getline(in, header);
  std::vector<Analysis> out;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    Analysis a;
    words >> a.code;
    if (a.code.empty()) continue;
    if (a.code == "*") break;
    std::getline(in, line);
    std::istringstream values(line);
    for (double v; values >> v;) a.values.push_back(v);
    out.push_back(a);
  }
  return out;
}

long PeakKiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::stol(argv[1]) : 20000;
  std::string header = "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O";
  const std::vector<Analysis> base = argc > 2 ? ReadExamples(argv[2], header) : DefaultAnalyses();
  if (base.empty()) {
    std::fprintf(stderr, "no analyses\n");
    return 1;
  }

  auto dir = std::filesystem::temp_directory_path() / "velm-bench";
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "analyses.txt").string();
  {
    std::ofstream out(input);
    out << header << "\n";
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> jitter(0.98, 1.02);
    char buf[32];
    for (long i = 0; i < n; ++i) {
      const Analysis& a = base[i % base.size()];
      out << a.code << " a" << i << "\n";
      for (double v : a.values) {
        std::snprintf(buf, sizeof buf, "%.3f ", v * jitter(rng));
        out << buf;
      }
      out << "\n";
    }
    out << "*\n";
  }

  velm::RunState S;
  const auto start = std::chrono::steady_clock::now();
  velm::CalculateFile(S, input, (dir / "analyses").string(), 6, 550);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%ld analyses in %.3f s: %.0f analyses per second; peak memory %ld KiB\n", n,
              seconds, n / seconds, PeakKiB());
  std::filesystem::remove_all(dir);
  return 0;
}
