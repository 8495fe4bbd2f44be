#include "control/csv_export.h"

#include <charconv>
#include <string>

#include "agvsim_version.h"
#include "path/path_table.h"
#include "platform/catalogue.h"
#include "platform/float_text.h"

namespace {

// One output line, built in place and written at once.
class Line {
 public:
  Line& text(const char* s) {
    buf_ += s;
    return *this;
  }
  Line& num(double v) {  // the shortest text that reads back as v, in every locale
    char b[32];
    buf_.append(b, write_shortest(b, b + sizeof b, v));
    return *this;
  }
  Line& num(int v) {
    char b[16];
    buf_.append(b, std::to_chars(b, b + sizeof b, v).ptr);
    return *this;
  }
  Line& comma() { return text(","); }
  void put(std::FILE* out) {
    buf_ += '\n';
    std::fwrite(buf_.data(), 1, buf_.size(), out);
    buf_.clear();
  }

 private:
  std::string buf_;
};

void comment(std::FILE* out, Line& l, const char* name, double v) {
  l.text("# ").text(name).text("=").num(v).put(out);
}

// "# name=v1,v2,v3", one value per AGV type.
template <typename T>
void per_type(std::FILE* out, Line& l, const char* name, const T (&v)[agv_type_count]) {
  l.text("# ").text(name).text("=");
  for (int i = 0; i < agv_type_count; ++i) (i ? l.comma() : l).num(v[i]);
  l.put(out);
}

// "# name=v1,v2,v3" for one figure of the deviation summary of every type.
void per_type_deviation(std::FILE* out, Line& l, const char* name, const ComputeResult& r,
                        double (*figure)(const DeviationSummary&)) {
  double v[agv_type_count];
  for (int i = 0; i < agv_type_count; ++i) v[i] = figure(r.deviation[i]);
  per_type(out, l, name, v);
}

void write_deviations(std::FILE* out, Line& l, const ComputeResult& r) {
  l.text(tr(Msg::csv_deviation_note)).put(out);
  using S = const DeviationSummary&;
  per_type_deviation(out, l, "final_dx", r, [](S d) { return d.final_dev.dx; });
  per_type_deviation(out, l, "final_dy", r, [](S d) { return d.final_dev.dy; });
  per_type_deviation(out, l, "final_distance", r, [](S d) { return d.final_dev.distance; });
  per_type_deviation(out, l, "final_dtheta", r, [](S d) { return d.final_dev.dtheta; });
  int record[agv_type_count];
  for (int i = 0; i < agv_type_count; ++i) record[i] = r.deviation[i].largest_record;
  per_type(out, l, "largest_record", record);
  per_type_deviation(out, l, "largest_dx", r, [](S d) { return d.largest.dx; });
  per_type_deviation(out, l, "largest_dy", r, [](S d) { return d.largest.dy; });
  per_type_deviation(out, l, "largest_distance", r, [](S d) { return d.largest.distance; });
  per_type_deviation(out, l, "largest_dtheta", r, [](S d) { return d.largest.dtheta; });
}

// The comment lines at the head of both tables; only the first line names the table.
void write_comments(std::FILE* out, const char* table, const CommandLine& o, const Scenario& sc,
                    const ComputeResult& r, const TrajectoryStore& store) {
  const MechanismErrors& st = r.errors;
  const VehicleConstants& v = sc.vehicle;
  Line l;
  l.text("# agvsim-export: ").text(table).text(tr(Msg::csv_units_note)).put(out);
  l.text("# version=").text(AGVSIM_VERSION).put(out);
  l.text("# path_no=").num(o.path_no).put(out);
  if (const PathDescriptor* d = find_path(o.path_no)) {
    for (int k = 0; k < d->constant_count; ++k) {
      comment(out, l, d->constants[k].name, sc.path.constants[k]);
    }
  }
  l.text("# error_kind=").text(std::string(1, error_kind_char(sc.error.kind)).c_str()).put(out);
  l.text("# error_entered=");  // percent or degrees, the values given
  for (int k = 0; k < o.error_count; ++k) (k ? l.comma() : l).num(o.error_values[k]);
  l.put(out);
  comment(out, l, "RearWHeelerr_L", st.RearWHeelerr_L);
  comment(out, l, "RearWHeelerr_R", st.RearWHeelerr_R);
  comment(out, l, "FronWHeelerr", st.FronWHeelerr);
  comment(out, l, "steer_drift", st.steer_drift);
  comment(out, l, "WBerr", st.WBerr);
  comment(out, l, "TRerr", st.TRerr);
  comment(out, l, "SLIP", st.SLIP);
  comment(out, l, "Vmax", v.Vmax);
  comment(out, l, "dt_sim", v.dt_sim);
  comment(out, l, "wheel_base", v.wheel_base);
  comment(out, l, "tread", v.tread);
  comment(out, l, "wheel_base_err", st.wheel_base_err);
  comment(out, l, "tread_err", st.tread_err);
  comment(out, l, "path_length", r.path.length);
  per_type(out, l, "traj_last", store.traj_last);
  per_type(out, l, "traj_tend", store.traj_tend);
  per_type(out, l, "chart_range", store.chart_range);
  write_deviations(out, l, r);
}

double record_time(const TrajectoryStore& store, int i, int j, double dt_sim) {
  return j == store.traj_last[i] ? store.traj_tend[i] : j * dt_sim;
}

void write_trajectories(std::FILE* out, const TrajectoryStore& store, double dt_sim) {
  struct Array {
    const char* name;
    const traj_rec (*rec)[MAX];
    bool has_p;  // only the reference motion carries the path parameter
  };
  const Array arrays[4] = {{"cp", store.cp_traj, true},
                           {"agv", store.agv_traj, false},
                           {"err", store.err_traj, false},
                           {"dev", store.err_dev, false}};
  Line l;
  l.text("type,array,record,t,s,theta,x,y,delta,kappa,p").put(out);
  for (int i = 0; i < agv_type_count; ++i) {
    for (const Array& a : arrays) {
      for (int j = 0; j <= store.traj_last[i]; ++j) {
        const traj_rec& r = a.rec[i][j];
        l.num(i + 1).comma().text(a.name).comma().num(j).comma();
        l.num(record_time(store, i, j, dt_sim)).comma().num(r.s).comma().num(r.theta).comma();
        l.num(r.x).comma().num(r.y).comma().num(r.delta).comma().num(r.kappa).comma();
        if (a.has_p) l.num(r.p);
        l.put(out);
      }
    }
  }
}

void write_wheels(std::FILE* out, const TrajectoryStore& store, double dt_sim) {
  Line l;
  l.text("type,record,t,travel_1,travel_2,delta").put(out);
  for (int i = 0; i < agv_type_count; ++i) {
    for (int j = 0; j <= store.traj_last[i]; ++j) {
      const wheel_rec& w = store.wheel_traj[i][j];
      l.num(i + 1).comma().num(j).comma().num(record_time(store, i, j, dt_sim)).comma();
      l.num(w.travel_1).comma().num(w.travel_2).comma().num(w.delta).put(out);
    }
  }
}

}  // namespace

bool write_trajectory_csv(std::FILE* out, const CommandLine& line, const Scenario& scenario,
                          const ComputeResult& result, const TrajectoryStore& store) {
  write_comments(out, "trajectories", line, scenario, result, store);
  write_trajectories(out, store, scenario.vehicle.dt_sim);
  return std::fflush(out) == 0 && !std::ferror(out);
}

bool write_wheel_csv(std::FILE* out, const CommandLine& line, const Scenario& scenario,
                     const ComputeResult& result, const TrajectoryStore& store) {
  write_comments(out, "wheels", line, scenario, result, store);
  write_wheels(out, store, scenario.vehicle.dt_sim);
  return std::fflush(out) == 0 && !std::ferror(out);
}
