// Compares two CSV files of agvsim-export number by number, for example the Linux and the
// Windows build's output for the same answers: the two files must have the same lines and
// fields (CR before a line break is ignored; "#" lines are split at "=" and "," too); text
// fields, empty ones included, must match exactly, numbers by value: however they are
// written ("0.1", "0.10000000000000001", "1e-1"), whole numbers exactly, others within a
// tolerance. Prints how many numbers differ at all and beyond the tolerance, and the
// largest relative and absolute differences with their places.
//
//   compare_csv A.csv B.csv [TOLERANCE]     (default 1e-10)
//
// Two whole numbers (no point, no exponent: types, records, counts, path numbers) must be
// equal. Any other pair passes when |a - b| <= TOLERANCE * max(1, |a|, |b|): relative for
// large values, absolute near zero (deviations and curvatures pass through zero).
// Exit status: 0 all within the tolerance, 1 some beyond it, 2 the files differ in shape
// (or cannot be read).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

bool is_number(const std::string& s) {
  static const std::regex number(R"([-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?)");
  return std::regex_match(s, number);
}

bool is_whole(const std::string& s) {
  static const std::regex whole(R"([-+]?[0-9]+)");
  return std::regex_match(s, whole);
}

// The fields of a line: at commas, and in "#" lines also at "=". An empty line has none.
std::vector<std::string> fields(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<std::string> out;
  if (line.empty()) return out;
  const bool comment = line[0] == '#';
  std::string field;
  for (char c : line) {
    if (c == ',' || (comment && c == '=')) {
      out.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  out.push_back(field);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: compare-csv A.csv B.csv [TOLERANCE]\n");
    return 2;
  }
  const double tol = argc == 4 ? std::strtod(argv[3], nullptr) : 1e-10;
  std::ifstream a(argv[1], std::ios::binary), b(argv[2], std::ios::binary);
  for (int i : {1, 2}) {
    if (!(i == 1 ? a : b)) {
      std::fprintf(stderr, "compare-csv: cannot read %s\n", argv[i]);
      return 2;
    }
  }
  long line = 0, numbers = 0, differ = 0, beyond = 0;
  double max_rel = 0, max_abs = 0;
  std::string rel_at, abs_at;
  for (std::string la, lb; std::getline(a, la);) {
    if (!std::getline(b, lb)) {
      std::printf("shape: %s ends at line %ld, the other file goes on\n", argv[2], line + 1);
      return 2;
    }
    ++line;
    const std::vector<std::string> fa = fields(la), fb = fields(lb);
    if (fa.size() != fb.size()) {
      std::printf("shape: line %ld has %zu and %zu fields\n", line, fa.size(), fb.size());
      return 2;
    }
    for (size_t i = 0; i < fa.size(); ++i) {
      if (!is_number(fa[i]) || !is_number(fb[i])) {
        if (fa[i] == fb[i]) continue;
        std::printf("shape: line %ld field %zu: \"%s\" / \"%s\"\n", line, i + 1, fa[i].c_str(),
                    fb[i].c_str());
        return 2;
      }
      ++numbers;
      if (fa[i] == fb[i]) continue;
      const double x = std::strtod(fa[i].c_str(), nullptr), y = std::strtod(fb[i].c_str(), nullptr);
      const double d = std::fabs(x - y);
      if (d == 0) continue;
      ++differ;
      const double m = std::max(std::fabs(x), std::fabs(y));
      const std::string place = "line " + std::to_string(line) + " field " + std::to_string(i + 1) +
                                ": " + fa[i] + " / " + fb[i];
      if ((is_whole(fa[i]) && is_whole(fb[i])) || d > tol * std::max(m, 1.0)) {
        if (++beyond <= 10) std::printf("beyond: %s\n", place.c_str());
      }
      if (d / m > max_rel) max_rel = d / m, rel_at = place;
      if (d > max_abs) max_abs = d, abs_at = place;
    }
  }
  if (std::string lb; std::getline(b, lb)) {
    std::printf("shape: %s has more lines than the other file (%ld)\n", argv[2], line);
    return 2;
  }
  std::printf("lines %ld, numbers %ld, differing %ld, beyond %g: %ld\n", line, numbers, differ, tol,
              beyond);
  if (differ) {
    std::printf("largest relative difference %.3g (%s)\n", max_rel, rel_at.c_str());
    std::printf("largest absolute difference %.3g (%s)\n", max_abs, abs_at.c_str());
  }
  return beyond ? 1 : 0;
}
