#include "control/settings_report.h"

#include "path/path_table.h"
#include "platform/catalogue.h"
#include "platform/console.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_setting(const ErrorSetting& setting, const MechanismErrors& e) {
  switch (setting.kind) {
    case ErrorKind::none:
      console_print("%s", tr(Msg::report_no_error));
      break;
    case ErrorKind::rear_wheels:
      console_print(tr(Msg::report_rear_wheels), e.RearWHeelerr_L * 100, e.RearWHeelerr_R * 100);
      break;
    case ErrorKind::front_wheel:
      console_print(tr(Msg::report_front_wheel), e.FronWHeelerr * 100);
      break;
    case ErrorKind::steering_drift:
      console_print(tr(Msg::report_steering_drift), e.steer_drift * deg_per_rad);
      break;
    case ErrorKind::geometry:
      console_print(tr(Msg::report_geometry), e.WBerr * 100, e.TRerr * 100);
      break;
    case ErrorKind::slip:
      console_print(tr(Msg::report_slip), e.SLIP * 100);
      break;
  }
}

const char* type_line(AgvType type) {
  switch (type) {
    case AgvType::t2DW1C:
      return tr(Msg::report_type_2dw1c);
    case AgvType::t1FDW1FS:
      return tr(Msg::report_type_1fdw1fs);
    case AgvType::t1RDW1FS:
      return tr(Msg::report_type_1rdw1fs);
  }
  return "";
}

bool has_steering(AgvType type) {
  switch (type) {
    case AgvType::t2DW1C:
      return false;
    case AgvType::t1FDW1FS:
    case AgvType::t1RDW1FS:
      return true;
  }
  return false;
}

}  // namespace

void print_settings(AgvType shown, const Scenario& scenario) {
  const VehicleConstants& v = scenario.vehicle;
  console_print("%s", tr(Msg::report_head));
  console_print("%s", type_line(shown));
  console_print(tr(Msg::report_speed), v.Vmax);
  if (has_steering(shown)) {
    console_print(tr(Msg::report_steering), v.steer_speed, v.dt, steer_step_max(v) * deg_per_rad);
  }
  console_print(tr(Msg::report_radius), v.Ra);
  console_print("%s", tr(Msg::report_error_head));
  print_error_setting(scenario.error, mechanism_errors(scenario.error, v));
  console_print("%s", tr(Msg::report_path_head));
  if (const PathDescriptor* d = find_path(scenario.path.number)) {
    const double* c = scenario.path.constants;
    console_print(tr(d->report), c[0], c[1], c[2]);
  }
  console_print("\n/***********************************************************************/");
  console_print("\n");
}
