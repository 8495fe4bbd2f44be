// Writes the figures of the lecturer's guides (docs/guide.ja.md, docs/guide.en.md) from
// the computation itself, so that the guides can be made again after any change of the
// program and a test can tell when they no longer match it.
//
//   make_guide [--check] [--tables DIR] [--plot DIR] GUIDE_JA GUIDE_EN
//
// Tables stand between the lines  <!-- BEGIN generated: NAME -->  and
// <!-- END generated: NAME -->,  figures in the text between  <!--v NAME-->  and  <!--/v-->;
// what lies between is replaced. The scenarios are the guides' own command lines, read by
// the programs' command-line reader: a command this tool computes must stand in both guides
// as a line of its own. Whether an error acts on a mechanism is decided as the window
// decides it (deviation_negligible).
//   --check      write nothing; print the blocks and figures that differ from what the
//                program gives now and exit 1 when any does
//   --plot DIR   also write DIR/drift.csv (the sweep of demo 5) and DIR/drift.fit (the
//                slopes of types 2 and 3) for the plot
//   --tables DIR the random tables' folder (default: the programs' own search)
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "control/command_line.h"
#include "control/csv_export.h"
#include "control/sweep.h"
#include "control/table_files.h"
#include "path/path_table.h"
#include "platform/catalogue.h"
#include "sim/computation.h"
#include "sim/deviation.h"

namespace {

enum Lang { ja, en };
constexpr Language languages[2] = {Language::ja, Language::en};

[[noreturn]] void die(const std::string& why) {
  std::fprintf(stderr, "make_guide: %s\n", why.c_str());
  std::exit(2);
}

std::string format(const char* f, double v) {
  char buf[256];
  std::snprintf(buf, sizeof buf, f, v);
  return buf;
}

// A distance in mm to three significant digits; rounding noise prints as 0.
std::string mm(double m) {
  double v = m * 1000.0;
  std::string sign;
  if (v < 0) v = -v, sign = "-";
  if (v < 0.0005) return "0";
  if (v >= 100) return sign + format("%.0f", v);
  if (v >= 10) return sign + format("%.1f", v);
  if (v >= 1) return sign + format("%.2f", v);
  return sign + format("%.3g", v);
}

std::string deg(double rad) {
  const std::string t = format("%.2f", rad * 57.29577951308232);
  return t == "-0.00" ? "0.00" : t;
}

std::string pick(Lang l, const char* ja_text, const char* en_text) {
  return l == ja ? ja_text : en_text;
}

// --- The guides and their commands ----------------------------------------------------

struct Guides {
  std::string file[2];
  std::string text[2];
  std::string before[2];
};

std::string read_text(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) die("cannot read " + name);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool has_line(const std::string& text, const std::string& line) {
  for (size_t at = 0; (at = text.find(line, at)) != std::string::npos; at += line.size()) {
    const size_t end = at + line.size();
    if ((at == 0 || text[at - 1] == '\n') && (end == text.size() || text[end] == '\n')) return true;
  }
  return false;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> w;
  for (std::string x; s >> x;) w.push_back(x);
  return w;
}

// A command line read as the programs read it; a refused one stops the tool with the reason.
CommandLine parsed(const std::string& cmd) {
  const std::vector<std::string> w = words(cmd);
  std::vector<const char*> argv;
  for (const std::string& x : w) argv.push_back(x.c_str());
  CommandLine line;
  std::string error;
  if (!parse_command_line(static_cast<int>(argv.size()), argv.data(), &line, &error))
    die(cmd + ": " + error);
  return line;
}

// The command line of a guide; both guides must show it.
CommandLine command(const Guides& g, const std::string& cmd) {
  for (const std::string& t : g.before)
    if (!has_line(t, cmd)) die("the guides do not show the command '" + cmd + "'");
  return parsed(cmd);
}

// The blocks of one guide: BEGIN/END marker lines and inline figures.
void put_block(Guides& g, int l, const std::string& name, const std::string& content) {
  const std::string begin = "<!-- BEGIN generated: " + name + " -->\n";
  const std::string end = "<!-- END generated: " + name + " -->";
  std::string& t = g.text[l];
  const size_t b = t.find(begin);
  const size_t e = b == std::string::npos ? b : t.find(end, b);
  if (e == std::string::npos || t.find(begin, b + 1) != std::string::npos)
    die(g.file[l] + " needs exactly one block '" + name + "'");
  t.replace(b + begin.size(), e - b - begin.size(), content);
}

void put_figures(Guides& g, int l, const std::map<std::string, std::string>& figures) {
  std::string& t = g.text[l];
  const std::string open = "<!--v ", close = "<!--/v-->";
  for (size_t at = 0; (at = t.find(open, at)) != std::string::npos;) {
    const size_t name_end = t.find("-->", at);
    const size_t value = name_end + 3;
    const size_t stop = t.find(close, value);
    if (name_end == std::string::npos || stop == std::string::npos)
      die(g.file[l] + ": open figure");
    const std::string name = t.substr(at + open.size(), name_end - at - open.size());
    const auto f = figures.find(name);
    if (f == figures.end()) die(g.file[l] + ": no figure named '" + name + "'");
    t.replace(value, stop - value, f->second);
    at = value + f->second.size() + close.size();
  }
}

// --- Computations -----------------------------------------------------------------------

struct Computed {
  Scenario scenario;
  ComputeResult result;
  std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
};

const NormalTables* tables;

void run(Computed& c, const Scenario& s) {
  c.scenario = s;
  c.result = compute(s, *tables, *c.ws);
}

std::string type_header(Lang l) {
  return pick(l, "| | タイプ 1（2DW1C） | タイプ 2（1FDW1FS） | タイプ 3（1RDW1FS） |\n",
              "| | type 1 (2DW1C) | type 2 (1FDW1FS) | type 3 (1RDW1FS) |\n") +
         "|---|---|---|---|\n";
}

std::string row(const std::string& head, const std::string (&cell)[3]) {
  return "| " + head + " | " + cell[0] + " | " + cell[1] + " | " + cell[2] + " |\n";
}

// Final distance, largest distance, final dx, dy and heading difference per type.
std::string deviation_rows(Lang l, const ComputeResult& r) {
  std::string d[3], m[3], xy[3], th[3];
  for (int k = 0; k < agv_type_count; ++k) {
    const DeviationSummary& s = r.deviation[k];
    if (deviation_negligible(s)) {
      d[k] = m[k] = pick(l, "0（作用しない）", "0 (does not act)");
      xy[k] = "0, 0", th[k] = "0.00";
    } else {
      d[k] = mm(s.final_dev.distance), m[k] = mm(s.largest.distance);
      xy[k] = mm(s.final_dev.dx) + ", " + mm(s.final_dev.dy), th[k] = deg(s.final_dev.dtheta);
    }
  }
  return row(pick(l, "終点での距離 [mm]", "final distance [mm]"), d) +
         row(pick(l, "運動中の最大距離 [mm]", "largest distance [mm]"), m) +
         row(pick(l, "終点での位置の差 dx, dy [mm]", "final position difference dx, dy [mm]"), xy) +
         row(pick(l, "終点での方位の差 [°]", "final heading difference [°]"), th);
}

// --- The tables -------------------------------------------------------------------------

struct ErrorRow {
  const char* args;
  const char* ja_label;
  const char* en_label;
};
constexpr ErrorRow error_rows[] = {
    {"1 1 0", "後車輪半径 左 +1 %", "rear wheel radii, left +1 %"},
    {"1 1 1", "後車輪半径 左右とも +1 %", "rear wheel radii, both +1 %"},
    {"1 1 -1", "後車輪半径 左 +1 %・右 −1 %", "rear wheel radii, left +1 %, right −1 %"},
    {"2 1", "前車輪半径 +1 %", "front wheel radius +1 %"},
    {"3 1", "ステアリングドリフト 1°", "steering drift 1°"},
    {"4 1 0", "WheelBase（左右間隔）+1 %", "WheelBase (left–right) +1 %"},
    {"4 0 1", "Tread（前後間隔）+1 %", "Tread (front–rear) +1 %"},
    {"5 1", "ランダム滑り 1 %", "random slip 1 %"},
};

// The scenario of agvsim-export with these arguments (not shown in the guides).
Scenario scenario_of(const std::string& args) {
  return command_line_scenario(parsed("agvsim-export " + args));
}

std::string error_table(Lang l, const std::vector<ComputeResult>& results) {
  std::string t = pick(l, "| 誤差（`--error` の値） ", "| Error (values of `--error`) ") +
                  type_header(l).substr(2);
  for (size_t i = 0; i < std::size(error_rows); ++i) {
    std::string cell[3];
    for (int k = 0; k < agv_type_count; ++k) {
      const DeviationSummary& s = results[i].deviation[k];
      if (results[i].refusal != Refusal::none)
        cell[k] = pick(l, "（計算不可）", "(refused)");
      else if (deviation_negligible(s))
        cell[k] = pick(l, "作用しない", "does not act");
      else
        cell[k] = pick(l, "作用する：", "acts: ") + mm(s.final_dev.distance) + " / " +
                  mm(s.largest.distance);
    }
    const ErrorRow& e = error_rows[i];
    t += row(l == ja ? std::string(e.ja_label) + "（`--error " + e.args + "`）"
                     : std::string(e.en_label) + " (`--error " + e.args + "`)",
             cell);
  }
  return t;
}

// The path's name as the console's path menu gives it: "\n I=1  : cosine      y=...".
std::string path_name(Lang l, const PathDescriptor& d) {
  const std::string menu = text(languages[l], d.menu_line);
  size_t b = menu.find(": ") + 2;
  size_t e = menu.find("=", b);
  e = menu.rfind(' ', e);
  std::string name = menu.substr(b, e - b);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// Lowest speed of the drive wheel of type t over the motion (travel per record time).
double lowest_speed(const TrajectoryStore& st, const Scenario& sc, int k) {
  const int last = st.traj_last[k];
  double low = INFINITY;
  for (int j = 1; j <= last; ++j) {
    const double t0 = (j - 1) * sc.vehicle.dt_sim;
    const double t1 = j == last ? st.traj_tend[k] : j * sc.vehicle.dt_sim;
    if (t1 > t0)
      low = std::min(low,
                     (st.wheel_traj[k][j].travel_1 - st.wheel_traj[k][j - 1].travel_1) / (t1 - t0));
  }
  return low;
}

std::string paths_table(Lang l, Computed& c) {
  std::string t = pick(l,
                       "| I | 経路 | 定数（既定値） | 経路長 [m] | 運動時間 タイプ1 / 2 / 3 [s] | "
                       "最低速度 V タイプ2 / 3 [m/s] |\n",
                       "| I | Path | Constants (defaults) | Length [m] | Motion time, type 1 / 2 "
                       "/ 3 [s] | Lowest speed V, type 2 / 3 [m/s] |\n") +
                  "|---|---|---|---|---|---|\n";
  for (const PathDescriptor& d : ::path_table) {
    Scenario s = default_scenario();
    set_default_path(s, d.number);
    run(c, s);
    if (c.result.refusal != Refusal::none) die("path " + std::to_string(d.number) + " refused");
    std::string constants;
    for (int k = 0; k < d.constant_count; ++k) {
      constants += (k ? " `" : "`") + std::string(d.constants[k].name) + "=" +
                   format("%g", s.path.constants[k]) + "`";
      if (!d.constants[k].enterable) constants += pick(l, "（固定）", " (fixed)");
    }
    const TrajectoryStore& st = c.ws->store;
    char line[512];
    std::snprintf(line, sizeof line, "| %d | %s | %s | %.3f | %.2f / %.2f / %.2f | %.2f / %.2f |\n",
                  d.number, path_name(l, d).c_str(), constants.c_str(), c.result.path.length,
                  st.traj_tend[0], st.traj_tend[1], st.traj_tend[2], lowest_speed(st, s, 1),
                  lowest_speed(st, s, 2));
    t += line;
  }
  return t;
}

// How far the reference ends from the ellipse's end point, and how far the error-free
// vehicle gets from the reference, in nm.
std::string accuracy_table(Lang l, const Computed& c) {
  const auto nm = [](double m) {
    const double v = m * 1e9;
    return v < 0.05 ? std::string("0") : format(v >= 10 ? "%.0f" : "%.1f", v);
  };
  const TrajectoryStore& st = c.ws->store;
  const double A = c.scenario.path.constants[0];
  std::string end[3], free_offset[3];
  for (int k = 0; k < agv_type_count; ++k) {
    const traj_rec& e = st.cp_traj[k][st.traj_last[k]];
    end[k] = nm(std::hypot(e.x - A, e.y));
    free_offset[k] = nm(free_vehicle_offset(st, agv_types[k]));
  }
  return type_header(l) +
         row(l == ja ? format("基準の終点と経路の終点 (%g, 0) の距離 [nm]", A)
                     : format("reference at the end: distance from the end point (%g, 0) of "
                              "the path [nm]",
                              A),
             end) +
         row(pick(l, "誤差なしの車両と基準の距離（運動中の最大）[nm]",
                  "vehicle without error: largest distance from the reference [nm]"),
             free_offset);
}

// Demo 5: the final distance against the steering drift. Per type the slope of a straight
// line through the origin fitted by least squares to the drifts up to 1°, how far those
// points lie off it, and the largest drift against the line.
struct DriftFit {
  bool acts[3] = {};
  double slope[3] = {}, off[3] = {}, dmax[3] = {};
  double xmax = 0;
};

DriftFit fit_drift(const std::vector<SweepPoint>& points) {
  DriftFit f;
  for (int k = 0; k < agv_type_count; ++k) {
    double sxy = 0, sxx = 0;
    for (const SweepPoint& p : points) {
      const double x = p.first, d = p.result.deviation[k].final_dev.distance;
      if (x > 0 && x <= 1 + 1e-9) sxy += x * d, sxx += x * x;
      if (x >= f.xmax) f.xmax = x, f.dmax[k] = d;
      if (!deviation_negligible(p.result.deviation[k])) f.acts[k] = true;
    }
    if (!f.acts[k]) continue;
    f.slope[k] = sxy / sxx;
    for (const SweepPoint& p : points) {
      const double x = p.first;
      if (x > 0 && x <= 1 + 1e-9)
        f.off[k] = std::max(
            f.off[k], std::fabs(p.result.deviation[k].final_dev.distance / (f.slope[k] * x) - 1));
    }
  }
  return f;
}

std::string drift_table(Lang l, const DriftFit& f) {
  std::string c1[3], c2[3], c3[3];
  for (int k = 0; k < agv_type_count; ++k) {
    if (!f.acts[k]) {
      c1[k] = pick(l, "0（作用しない）", "0 (does not act)"), c2[k] = c3[k] = "—";
      continue;
    }
    c1[k] = mm(f.slope[k]);
    c2[k] = format("%.1f %%", f.off[k] * 100);
    c3[k] = mm(f.dmax[k]) + " / " + mm(f.slope[k] * f.xmax) + " (" +
            format("%+.0f %%", (f.dmax[k] / (f.slope[k] * f.xmax) - 1) * 100) + ")";
  }
  return type_header(l) +
         row(pick(l, "傾き（1° までの小さなドリフト）[mm/°]",
                  "slope for small drifts (up to 1°) [mm per °]"),
             c1) +
         row(pick(l, "1° までの点の直線からのずれ（最大）",
                  "largest departure of the points up to 1° from the line"),
             c2) +
         row(l == ja ? format("%g° での距離：計算値 / 直線の値 [mm]", f.xmax)
                     : format("distance at %g°: computed / straight line [mm]", f.xmax),
             c3);
}

ComputeResult scenario_of_result(const std::string& args, Computed& c) {
  run(c, scenario_of(args));
  return c.result;
}

size_t csv_lines(const CommandLine& line, const Scenario& s, const Computed& c, std::string* text) {
  std::FILE* f = std::tmpfile();
  if (!f || !write_trajectory_csv(f, line, s, c.result, c.ws->store)) die("cannot write a CSV");
  std::rewind(f);
  text->clear();
  for (int ch; (ch = std::fgetc(f)) != EOF;) text->push_back(static_cast<char>(ch));
  std::fclose(f);
  size_t n = 0;
  for (char ch : *text) n += ch == '\n';
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  bool check = false;
  std::string tables_dir, plot_dir;
  Guides g;
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--check")
      check = true;
    else if (a == "--tables" && i + 1 < argc)
      tables_dir = argv[++i];
    else if (a == "--plot" && i + 1 < argc)
      plot_dir = argv[++i];
    else if (a[0] != '-' && files < 2)
      g.file[files++] = a;
    else
      die("usage: make_guide [--check] [--tables DIR] [--plot DIR] GUIDE_JA GUIDE_EN");
  }
  if (files != 2) die("usage: make_guide [--check] [--tables DIR] [--plot DIR] GUIDE_JA GUIDE_EN");
  for (int l = 0; l < 2; ++l) g.text[l] = g.before[l] = read_text(g.file[l]);
  static NormalTables normal;
  std::string message;
  if (!read_normal_tables(&normal, tables_dir, &message)) die(message);
  tables = &normal;

  Computed c;
  std::map<std::string, std::string> blocks[2];
  std::map<std::string, std::string> figures[2];
  const auto both = [&](const std::string& name, const std::function<std::string(Lang)>& f) {
    for (Lang l : {ja, en}) blocks[l][name] = f(l);
  };
  const auto figure = [&](const std::string& name, const std::string& value) {
    for (Lang l : {ja, en}) figures[l][name] = value;
  };

  std::vector<ComputeResult> errors;
  for (const ErrorRow& e : error_rows) {
    run(c, scenario_of(std::string("--error ") + e.args));
    errors.push_back(c.result);
  }
  both("error-table", [&](Lang l) { return error_table(l, errors); });
  both("path-table", [&](Lang l) { return paths_table(l, c); });

  // The demos and exercises: their tables from the guides' own commands.
  const auto scenario = [&](const std::string& cmd) {
    run(c, command_line_scenario(command(g, cmd)));
    return c.result;
  };
  const auto deviation_block = [&](const std::string& name, const std::string& cmd) {
    const ComputeResult r = scenario(cmd);
    both(name, [&](Lang l) { return type_header(l) + deviation_rows(l, r); });
    return r;
  };
  deviation_block("demo-1", "agvsim --error 1 3 -2");
  deviation_block("demo-2", "agvsim --path 15 --error 2 3");
  {
    const ComputeResult wb = scenario("agvsim --path 11 --error 4 5 0");
    const ComputeResult tr = scenario("agvsim --path 11 --error 4 0 5");
    both("demo-3", [&](Lang l) {
      return type_header(l) + "| `agvsim --path 11 --error 4 5 0` | | | |\n" +
             deviation_rows(l, wb) + "| `agvsim --path 11 --error 4 0 5` | | | |\n" +
             deviation_rows(l, tr);
    });
  }
  deviation_block("demo-4", "agvsim --path 16 --error 5 2");
  {
    const char* const exercises[] = {"agvsim --path 3 --const quad_A=0 --error 3 1",
                                     "agvsim --path 15 --error 1 1 -1",
                                     "agvsim --path 15 --error 1 1 1"};
    std::vector<ComputeResult> r;
    for (const char* cmd : exercises) r.push_back(scenario(cmd));
    both("exercise-answers", [&](Lang l) {
      std::string t;
      for (int n = 0; n < 3; ++n) {
        t += pick(l, "**演習 ", "**Exercise ") + std::to_string(n + 1) + "** `" + exercises[n] +
             "`\n\n" + type_header(l) + deviation_rows(l, r[n]) + (n < 2 ? "\n" : "");
      }
      return t;
    });
  }

  // Demo 5: the guide's own sweep.
  const std::string drift_cmd = "agvsim-export --path 11 --sweep 3 0 10 0.25 --out drift.csv";
  const CommandLine drift_line = command(g, drift_cmd);
  const Scenario drift_scenario = command_line_scenario(drift_line);
  const std::vector<SweepPoint> drift =
      run_sweep(drift_scenario, drift_line.sweep_range, normal, 0);
  const DriftFit fit = fit_drift(drift);
  both("demo-5", [&](Lang l) { return drift_table(l, fit); });
  if (!plot_dir.empty()) {
    std::FILE* f = std::fopen((plot_dir + "/drift.csv").c_str(), "w");
    if (!f || !write_sweep_csv(f, drift_scenario, drift_line.sweep_range, drift))
      die("cannot write " + plot_dir + "/drift.csv");
    std::fclose(f);
    f = std::fopen((plot_dir + "/drift.fit").c_str(), "w");
    if (!f) die("cannot write " + plot_dir + "/drift.fit");
    std::fprintf(f, "%.17g %.17g\n", fit.slope[1], fit.slope[2]);
    std::fclose(f);
  }

  run(c, scenario_of("--path 11"));
  both("accuracy", [&](Lang l) { return accuracy_table(l, c); });

  {
    const Scenario s = scenario_of("--path 16 --error 5 2");
    const CommandLine line{};
    std::string first, second;
    run(c, s);
    const size_t lines = csv_lines(line, s, c, &first);
    run(c, s);
    csv_lines(line, s, c, &second);
    if (first != second) die("two runs of the random slip differ");
    both("slip-repeat", [&](Lang l) {
      return l == ja ? "`agvsim-export --path 16 --error 5 2` を 2 回実行すると、" +
                           std::to_string(lines) +
                           " 行の CSV が 2 回とも数値の最後の桁まで同じになります。\n"
                     : "Two runs of `agvsim-export --path 16 --error 5 2` write the same " +
                           std::to_string(lines) + " lines of CSV, to the last digit.\n";
    });
  }

  // The rules' limits, as the guides name them.
  figure("rule-nm", format("%g", negligible_distance * 1e9));
  figure("rule-nrad", format("%g", negligible_angle * 1e9));
  figure("rule-off-path-mm", format("%g", off_path_distance * 1e3));

  // Demo 1: type 3 ends a little ahead, but on the way it is off to the side.
  {
    const DeviationSummary t3 = scenario("agvsim --error 1 3 -2").deviation[2];
    figure("demo1-t3-final-dx", mm(t3.final_dev.dx));
    figure("demo1-t3-largest", mm(t3.largest.distance));
    figure("demo1-t3-largest-dy", mm(t3.largest.dy));
  }
  // Demo 2 and exercise 3: a share of the circle's length and of its turn.
  const auto turn_deg = [&](int k) {
    const TrajectoryStore& st = c.ws->store;
    return (st.cp_traj[k][st.traj_last[k]].theta - st.cp_traj[k][0].theta) * 57.29577951308232;
  };
  {
    const ComputeResult r = scenario("agvsim --path 15 --error 2 3");
    figure("circle-length", format("%.2f", r.path.length));
    figure("circle-turn", format("%.0f", turn_deg(1)));
    figure("demo2-ahead", format("%.2f", 0.03 * r.path.length));
    figure("demo2-heading", format("%.1f", 0.03 * turn_deg(1)));
    figure("ex3-ahead-cm", format("%.1f", 0.01 * r.path.length * 100));
    figure("ex3-heading", format("%.1f", 0.01 * turn_deg(1)));
  }
  // Demo 3: under a Tread error the error-free vehicles of the steered types leave the path.
  {
    const ComputeResult r = scenario("agvsim --path 11 --error 4 0 5");
    double blue[3] = {};
    for (int k = 0; k < agv_type_count; ++k) {
      figure("tread-free-t" + std::to_string(k + 1), mm(r.free_offset[k]));
      const TrajectoryStore& st = c.ws->store;
      for (int j = 0; j <= st.traj_last[k]; ++j)
        blue[k] = std::max(blue[k], std::hypot(st.err_traj[k][j].x - st.cp_traj[k][j].x,
                                               st.err_traj[k][j].y - st.cp_traj[k][j].y));
    }
    both("tread-free", [&](Lang l) {
      std::string off[3], dev[3], on[3];
      for (int k = 0; k < agv_type_count; ++k) {
        on[k] = mm(blue[k]);
        off[k] = mm(r.free_offset[k]);
        dev[k] = deviation_negligible(r.deviation[k])
                     ? pick(l, "0（作用しない）", "0 (does not act)")
                     : mm(r.deviation[k].final_dev.distance);
      }
      return type_header(l) + "| `agvsim --path 11 --error 4 0 5` | | | |\n" +
             row(pick(l, "赤（誤差なし）と CP 経路の基準の距離（運動中の最大）[mm]",
                      "red (no error) from the reference on the CP path, largest [mm]"),
                 off) +
             row(pick(l, "青（誤差あり）と CP 経路の基準の距離（運動中の最大）[mm]",
                      "blue (with the error) from the reference on the CP path, largest [mm]"),
                 on) +
             row(pick(l, "青（誤差あり）と赤の距離（終点）[mm]",
                      "blue (with the error) from red, at the end [mm]"),
                 dev);
    });
  }
  // Demo 5: how much sharper type 3 turns per metre in the ellipse's sharpest bend.
  {
    scenario("agvsim --path 11 --error 3 1");
    const TrajectoryStore& st = c.ws->store;
    double kappa = 0;
    for (int j = 0; j <= st.traj_last[2]; ++j)
      kappa = std::max(kappa, std::fabs(st.cp_traj[2][j].kappa));
    const double tk = c.scenario.vehicle.tread * kappa;
    figure("ellipse-tk", format("%.3g", tk));
    figure("ellipse-factor", format("%.3g", 1 + tk * tk));
    double delta = 0;
    for (int j = 0; j <= st.traj_last[2]; ++j)
      delta = std::max(delta, std::fabs(st.cp_traj[2][j].delta));
    figure("ellipse-delta-max", format("%.0f", delta * 57.29577951308232));
  }
  // Exercise 1: a constant drift of 1° on a straight line, by hand.
  {
    const ComputeResult r = scenario("agvsim --path 3 --const quad_A=0 --error 3 1");
    const double radius = c.scenario.vehicle.tread / std::tan(1.0 / 57.29577951308232);
    const double s = r.path.length;
    figure("ex1-length", format("%g", s));
    figure("ex1-radius", format("%.1f", radius));
    figure("ex1-heading", format("%.1f", s / radius * 57.29577951308232));
    figure("ex1-side-cm", format("%.1f", s * s / (2 * radius) * 100));
  }
  // Exercise 2: the two-wheel drive's turn rate with the left wheel +1 %, the right -1 %
  // on the circle of 1 m (κ W / 2 = 0.5).
  {
    const ComputeResult r = scenario("agvsim --path 15 --error 1 1 -1");
    const double half = 1.0 / r.path.c[0] * c.scenario.vehicle.wheel_base / 2;
    const double factor = ((1 - 0.01) * (1 + half) - (1 + 0.01) * (1 - half)) / (2 * half);
    figure("ex2-factor", format("%.2f", factor));
    figure("ex2-heading", format("%.1f", (1 - factor) * turn_deg(0)));
  }
  // Exercises 4 and 5 in the window: the size of the error at which the final distance
  // reaches a given one, from sweeps in steps finer than the keys change it.
  const auto reaching = [&](const std::string& args, const SweepRange& range, int k,
                            double target) {
    const std::vector<SweepPoint> p = run_sweep(scenario_of(args), range, normal, 0);
    for (size_t i = 1; i < p.size(); ++i) {
      if (p[i].result.deviation[k].final_dev.distance >= target) return std::pair{p[i - 1], p[i]};
    }
    die(args + ": the sweep does not reach the distance");
  };
  {
    const auto [below, above] =
        reaching("--path 11", {ErrorKind::steering_drift, 0.0, 5.0, 0.1, 0.0}, 2, 1.0);
    const auto [below5, above5] =
        reaching("--path 15", {ErrorKind::front_wheel, 0.0, 5.0, 0.1, 0.0}, 1, 0.25);
    figure("ex5-guess",
           format("%.1f", 0.25 / scenario("agvsim --path 15 --error 2 1").path.length * 100));
    both("exercise-window-answers", [&](Lang l) {
      const auto at = [&](const SweepPoint& p, int k, const char* unit) {
        return format("%g", p.first) + unit + " → " + mm(p.result.deviation[k].final_dev.distance) +
               " mm";
      };
      return l == ja
                 ? "**演習 4** タイプ 3 の終点での距離が 1000 mm に達するのは、ドリフトが " +
                       at(below, 2, "°") + " と " + at(above, 2, "°") + " の間です（タイプ 2 は " +
                       at(above, 1, "°") + "）。\n\n" +
                       "**演習 5** タイプ 2 の終点での距離が 250 mm "
                       "に達するのは、前輪半径の誤差が " +
                       at(below5, 1, " %") + " と " + at(above5, 1, " %") + " の間です。\n"
                 : "**Exercise 4** The final distance of type 3 reaches 1000 mm between a drift "
                   "of " +
                       at(below, 2, "°") + " and " + at(above, 2, "°") + " (type 2 at " +
                       at(above, 1, "°") + ").\n\n" +
                       "**Exercise 5** The final distance of type 2 reaches 250 mm between a "
                       "front wheel error of " +
                       at(below5, 1, " %") + " and " + at(above5, 1, " %") + ".\n";
    });
  }
  // Exercise 6, the inverse one: the measured deviations come from a hidden error; the
  // guides' sweep finds its size.
  {
    const ComputeResult hidden = scenario_of_result("--path 11 --error 2 2.5", c);
    for (int k = 0; k < agv_type_count; ++k)
      figure("ex6-t" + std::to_string(k + 1), deviation_negligible(hidden.deviation[k])
                                                  ? "0"
                                                  : mm(hidden.deviation[k].final_dev.distance));
    const CommandLine line =
        command(g, "agvsim-export --path 11 --sweep 2 0 5 0.5 --out front.csv");
    const std::vector<SweepPoint> p =
        run_sweep(command_line_scenario(line), line.sweep_range, normal, 0);
    const SweepPoint* found = nullptr;
    for (const SweepPoint& q : p)
      if (q.result.deviation[1].final_dev.distance == hidden.deviation[1].final_dev.distance)
        found = &q;
    if (!found) die("the sweep of exercise 6 does not hold the hidden error's size");
    figure("ex6-size", format("%g", found->first));
    char shortest[32];
    const double v = found->result.deviation[1].final_dev.distance * 1000.0;
    figure("ex6-mm", std::string(shortest, std::to_chars(shortest, shortest + 32, v).ptr));
  }

  int differ = 0;
  for (int l = 0; l < 2; ++l) {
    for (const auto& [name, content] : blocks[l]) put_block(g, l, name, content);
    put_figures(g, l, figures[l]);
    if (g.text[l] == g.before[l]) continue;
    ++differ;
    if (!check) {
      std::ofstream out(g.file[l], std::ios::binary);
      out << g.text[l];
      if (!out.flush()) die("cannot write " + g.file[l]);
      continue;
    }
    // The first lines that differ, as a reader of the guide sees them.
    std::istringstream a(g.before[l]), b(g.text[l]);
    std::string la, lb;
    for (int n = 1, told = 0; told < 10 && (std::getline(a, la), std::getline(b, lb)); ++n) {
      if (la == lb) continue;
      std::printf("%s:%d\n  guide:   %s\n  program: %s\n", g.file[l].c_str(), n, la.c_str(),
                  lb.c_str());
      ++told;
    }
  }
  if (check) {
    if (differ) {
      std::printf(
          "the guides' figures differ from what the program gives now "
          "(scripts/make-guide.sh --quick writes them)\n");
      return 1;
    }
    std::printf("the figures of both guides match the program\n");
  } else {
    std::printf(differ ? "wrote the figures of the guides\n"
                       : "the guides' figures are up to date\n");
  }
  return 0;
}
