#include "control/sweep.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "agvsim_version.h"
#include "path/path_table.h"
#include "platform/float_text.h"

namespace {

constexpr double deg_per_rad = 57.29577951308232;  // as the window's status line has it

// Shortest text that reads back to the same double.
void put_number(std::string& line, double v) {
  char buf[32];
  line.append(buf, write_shortest(buf, buf + sizeof buf, v));
}

const char* status_text(Refusal r) {
  switch (r) {
    case Refusal::none:
      return "ok";
    case Refusal::unknown_path:
      return "refused: no such path";
    case Refusal::end_param_too_large:
      return "refused: path too fine";
    case Refusal::path_too_long:
      return "refused: path too long";
    case Refusal::path_too_short:
      return "refused: path too short";
    case Refusal::too_many_records:
      return "refused: too many records";
    case Refusal::impossible_error:
      return "refused: no such vehicle";
    case Refusal::not_finite:
      return "refused: not finite";
  }
  return "refused";
}

}  // namespace

std::vector<double> sweep_sizes(const SweepRange& r) {
  std::vector<double> sizes;
  const double count = (r.to - r.from) / r.step;
  if (!(count >= 0.0) || !std::isfinite(count)) return sizes;
  // A hair of tolerance so that 0, 0.1, ..., 1 includes 1 although 10 * 0.1 rounds.
  const long n = static_cast<long>(std::floor(count + 1e-9)) + 1;
  for (long i = 0; i < n; ++i) sizes.push_back(r.from + static_cast<double>(i) * r.step);
  return sizes;
}

std::vector<SweepPoint> run_sweep(const Scenario& base, const SweepRange& range,
                                  const NormalTables& tables, int threads, SweepProgress progress) {
  const std::vector<double> sizes = sweep_sizes(range);
  std::vector<SweepPoint> points(sizes.size());
  for (size_t i = 0; i < sizes.size(); ++i) {
    points[i].first = sizes[i];
    points[i].second = error_value_count(range.kind) == 2 ? range.second : 0.0;
  }
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::min<int>(threads, static_cast<int>(std::max<size_t>(sizes.size(), 1)));

  std::atomic<size_t> next{0};
  std::mutex told;
  size_t done = 0;
  auto work = [&](Workspace& ws) {
    for (size_t i; (i = next.fetch_add(1)) < points.size();) {
      Scenario s = base;
      s.error = {range.kind, {points[i].first, points[i].second}};
      points[i].result = compute(s, tables, ws);
      if (progress) {
        const std::lock_guard<std::mutex> lock(told);
        progress(++done, points.size());
      }
    }
  };
  // The workspaces are made before any computation starts.
  std::vector<std::unique_ptr<Workspace>> spaces;
  for (int t = 0; t < threads; ++t) spaces.push_back(std::make_unique<Workspace>());
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work, std::ref(*spaces[t]));
  work(*spaces[0]);
  for (std::thread& t : pool) t.join();
  return points;
}

bool write_sweep_csv(std::FILE* out, const Scenario& base, const SweepRange& range,
                     const std::vector<SweepPoint>& points) {
  std::string line =
      "# agvsim-export: sweep (m, rad; *_mm in mm and *_deg in degrees, as the window shows "
      "them; deviation of the faulty vehicle from the error-free one (err - agv): final_* at "
      "the last record, largest_* at the record of the largest distance)\n# version=" AGVSIM_VERSION
      "\n# path_no=";
  line += std::to_string(base.path.number) + "\n";
  if (const PathDescriptor* d = find_path(base.path.number)) {
    for (int k = 0; k < d->constant_count; ++k) {
      line += std::string("# ") + d->constants[k].name + "=";
      put_number(line, base.path.constants[k]);
      line += "\n";
    }
  }
  line += std::string("# error_kind=") + error_kind_char(range.kind) + "\n# sweep=";
  put_number(line, range.from);
  line += ',';
  put_number(line, range.to);
  line += ',';
  put_number(line, range.step);
  line += '\n';
  line +=
      "value,value2,type,final_dx,final_dy,final_distance,final_dtheta,largest_record,"
      "largest_dx,largest_dy,largest_distance,largest_dtheta,status,final_dx_mm,final_dy_mm,"
      "final_distance_mm,final_dtheta_deg,largest_dx_mm,largest_dy_mm,largest_distance_mm,"
      "largest_dtheta_deg\n";
  std::fputs(line.c_str(), out);
  for (const SweepPoint& p : points) {
    for (AgvType t : agv_types) {
      line.clear();
      put_number(line, p.first);
      line += ',';
      put_number(line, p.second);
      line += ',' + std::to_string(static_cast<int>(t)) + ',';
      if (p.result.refusal == Refusal::none) {
        const DeviationSummary& d = p.result.deviation[type_index(t)];
        const Deviation& f = d.final_dev;
        const Deviation& l = d.largest;
        for (double v : {f.dx, f.dy, f.distance, f.dtheta}) {
          put_number(line, v);
          line += ',';
        }
        line += std::to_string(d.largest_record) + ',';
        for (double v : {l.dx, l.dy, l.distance, l.dtheta}) {
          put_number(line, v);
          line += ',';
        }
      } else {
        line += ",,,,,,,,,";
      }
      line += status_text(p.result.refusal);
      // The same deviations in the window's units.
      if (p.result.refusal == Refusal::none) {
        const DeviationSummary& d = p.result.deviation[type_index(t)];
        for (const Deviation& v : {d.final_dev, d.largest}) {
          for (double m : {v.dx, v.dy, v.distance}) {
            line += ',';
            put_number(line, m * 1000.0);
          }
          line += ',';
          put_number(line, v.dtheta * deg_per_rad);
        }
      } else {
        line += ",,,,,,,,";
      }
      line += '\n';
      std::fputs(line.c_str(), out);
    }
  }
  return std::fflush(out) == 0 && !std::ferror(out);
}
