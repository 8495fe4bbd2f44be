// Writes the five random conversion tables normal01.data .. normal45.data into a directory.
//
//   make_normal_tables DIR
//
// A row is "value key": the key k is a probability between 0 and 0.5 and the value v the
// standard normal deviate with Phi(v) - 0.5 = k. The simulator draws a centred uniform
// number z = (r - 16384) / 32768 from r = 0..32767 and converts |z| through these rows by
// linear interpolation, so the keys are chosen for that lattice of |z|.
//
// File f serves the keys of its band [f/10, (f+1)/10) (the first from 0.001, the last up to
// 0.5 inclusive); its first and last keys sit exactly on the band limits so that every key
// of the band lies between two rows. A file holds at most 50 rows.
//
// The output depends only on std::erfc and std::exp; numbers are printed with 15
// significant digits, so the same machine always writes the same bytes.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int table_count = 5;
constexpr int max_rows = 50;
constexpr const char* file_names[table_count] = {"normal01.data", "normal12.data", "normal23.data",
                                                 "normal34.data", "normal45.data"};

// The uniform draw r = 0..32767 gives |z| on the lattice m / 32768, m = 0..16384.
constexpr double lattice = 32768.0;
constexpr int lattice_half = 16384;  // m of |z| = 0.5

// Step of the keys in the bands up to 0.4. The interpolation error grows with the
// curvature of the quantile; at 0.4 it is 0.0025^2 / 8 * 41.6 = 3.3e-5.
constexpr int keys_per_unit = 400;  // keys j / 400
constexpr int steps_per_band = 40;

// Largest interpolation error allowed at a lattice point of the last band. Toward 0.5 the
// quantile becomes so steep that 50 rows cannot do much better: below about 12 lattice
// cells from 0.5 every cell needs its own row, and above them the rows must lie within
// about 15 per cent of each other in tail probability 0.5 - key.
constexpr double band4_tolerance = 1.0e-3;

constexpr double sqrt_half = 0.70710678118654752440;
constexpr double inv_sqrt_2pi = 0.39894228040143267794;

// Upper tail Q(v) = 1 - Phi(v), accurate in the tail.
double upper_tail(double v) {
  return 0.5 * std::erfc(v * sqrt_half);
}

// v >= 0 with Phi(v) - 0.5 = k, for 0 <= k < 0.5. Newton's method on Q(v) = 0.5 - k from
// v = 0: Q is decreasing and convex for v >= 0, so every step stays below the root and the
// iterates rise monotonically to it; the result is good to a few units of 1e-16 relative.
double normal_quantile(double k) {
  const double tail = 0.5 - k;
  double v = 0.0;
  for (int it = 0; it < 200; ++it) {
    const double density = inv_sqrt_2pi * std::exp(-0.5 * v * v);
    const double step = (upper_tail(v) - tail) / density;
    v += step;
    if (!(std::fabs(step) > 1e-15 * v)) break;
  }
  return v;
}

struct Row {
  double value;
  double key;
};

struct Table {
  Row rows[max_rows];
  int count;
};

void add_row(Table* t, double key, double value) {
  if (t->count >= max_rows) {
    std::fprintf(stderr, "make_normal_tables: more than %d rows in one table\n", max_rows);
    std::exit(1);
  }
  t->rows[t->count++] = {value, key};
}

// Tables 0..3: keys j / 400 across the band; table 0 starts at 0.001 instead of 0, where the
// simulator converts without a table.
void build_uniform_table(int f, Table* t) {
  t->count = 0;
  const int j0 = f * steps_per_band;
  if (f == 0) add_row(t, 0.001, normal_quantile(0.001));
  for (int j = (f == 0 ? 1 : j0); j <= j0 + steps_per_band; ++j) {
    const double key = j / static_cast<double>(keys_per_unit);
    add_row(t, key, normal_quantile(key));
  }
}

// Linear interpolation between two rows, in the simulator's order of operations.
double interpolate(const Row& lo, const Row& hi, double a) {
  return lo.value + (a - lo.key) * (hi.value - lo.value) / (hi.key - lo.key);
}

// Table 4: from 0.4 to 0.5. The rows after 0.4 lie on the lattice m / 32768; each next row is
// the farthest lattice point such that every lattice point in between is interpolated within
// band4_tolerance. The quantile is convex here, so a shorter span is never worse and this
// greedy choice needs the fewest rows.
//
// The key 0.5 needs a finite value. |z| = 0.5 comes only from r = 0, and that draw stands for
// the lowest cell of the generator, of probability width 1/32768; its value is the quantile
// at the middle of that cell, Phi^-1(1 - 1/65536) = 4.1696. The row before it is the lattice
// point 16383/32768, the largest |z| below 0.5, with its exact quantile, so no draw ever
// falls inside the last interval.
void build_last_table(Table* t) {
  t->count = 0;
  static double quantile_at[lattice_half];  // quantile at m / 32768 for m in the band
  const int m_first = static_cast<int>(std::ceil(0.4 * lattice));  // first lattice point > 0.4
  for (int m = m_first; m < lattice_half; ++m) quantile_at[m] = normal_quantile(m / lattice);

  add_row(t, 0.4, normal_quantile(0.4));
  int m_prev = m_first - 1;  // lattice points up to m_prev are covered
  while (m_prev < lattice_half - 1) {
    const Row start = t->rows[t->count - 1];
    int m_best = m_prev + 1;
    for (int m = m_prev + 2; m < lattice_half; ++m) {
      const Row end = {quantile_at[m], m / lattice};
      bool fits = true;
      for (int j = m_prev + 1; j < m && fits; ++j) {
        const double a = j / lattice;
        fits = std::fabs(interpolate(start, end, a) - quantile_at[j]) <= band4_tolerance;
      }
      if (!fits) break;
      m_best = m;
    }
    add_row(t, m_best / lattice, quantile_at[m_best]);
    m_prev = m_best;
  }
  add_row(t, 0.5, normal_quantile(0.5 - 0.5 / lattice));
}

bool write_table(const char* dir, int f, const Table& t) {
  char path[4096];
  const int n = std::snprintf(path, sizeof path, "%s/%s", dir, file_names[f]);
  if (n < 0 || n >= static_cast<int>(sizeof path)) {
    std::fprintf(stderr, "make_normal_tables: path too long\n");
    return false;
  }
  std::FILE* out = std::fopen(path, "wb");  // "\n" line ends on every system
  if (!out) {
    std::fprintf(stderr, "make_normal_tables: cannot write %s: %s\n", path, std::strerror(errno));
    return false;
  }
  std::fprintf(out, "%d\n", t.count - 1);
  for (int i = 0; i < t.count; ++i) {
    std::fprintf(out, "%.15g %.15g\n", t.rows[i].value, t.rows[i].key);
  }
  const bool ok = std::ferror(out) == 0;
  if (std::fclose(out) != 0 || !ok) {
    std::fprintf(stderr, "make_normal_tables: error writing %s\n", path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_normal_tables DIR\n");
    return 2;
  }
  static Table table;
  for (int f = 0; f < table_count; ++f) {
    if (f < table_count - 1) {
      build_uniform_table(f, &table);
    } else {
      build_last_table(&table);
    }
    if (!write_table(argv[1], f, table)) return 1;
  }
  return 0;
}
