// Throughput of whole runs: generates a file of N analyses (olivine and
// stilpnomelane by default, or the compositions of an example file with
// their values jittered), runs it through the calculation to files and
// prints analyses per second and the peak resident memory.
//   driver_bench [N] [example-file]
// With "long-lines" it times the splitting of a 4 MB line of short words
// and a whole run whose code line is as long as a line may be.
//   driver_bench long-lines
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
#include "reader.h"

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

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Lines of short words cost time in proportion to their length.
int LongLines() {
  std::string line;
  while (line.size() < 4000000) line += "ab ";
  velm::stringvec words{};
  std::int32_t n = 0;
  auto start = std::chrono::steady_clock::now();
  velm::SplitWords(line, words, n);
  std::printf("split a line of %zu characters into %d words in %.3f s\n", line.size(), n,
              SecondsSince(start));

  auto dir = std::filesystem::temp_directory_path() / "velm-bench";
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "long.txt").string();
  std::string code = "ol";
  while (code.size() + 3 <= velm::kMaxLineLength) code += " ab";
  std::ofstream(input) << "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\n"
                       << code << "\n40.8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\n*\n";
  velm::RunState S;
  start = std::chrono::steady_clock::now();
  velm::CalculateFile(S, input, (dir / "long").string(), 6, 550);
  std::printf("ran a file with a code line of %zu characters in %.3f s; peak memory %ld KiB\n",
              code.size(), SecondsSince(start), PeakKiB());
  std::filesystem::remove_all(dir);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "long-lines") return LongLines();
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
  const double seconds = SecondsSince(start);
  std::printf("%ld analyses in %.3f s: %.0f analyses per second; peak memory %ld KiB\n", n,
              seconds, n / seconds, PeakKiB());
  std::filesystem::remove_all(dir);
  return 0;
}
