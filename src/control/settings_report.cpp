#include "control/settings_report.h"

#include "path/path_table.h"
#include "platform/console.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_setting(const ErrorSetting& setting, const MechanismErrors& e) {
  switch (setting.kind) {
    case ErrorKind::none:
      console_print(" (2-0) 誤差なし");
      break;
    case ErrorKind::rear_wheels:
      console_print("\n (2-1) 後車輪  左右の車輪半径誤差比率 err(RWH) (L,R)=(%5.2f %5.2f)(%%)",
                    e.RearWHeelerr_L * 100, e.RearWHeelerr_R * 100);
      break;
    case ErrorKind::front_wheel:
      console_print("\n (2-2) 前車輪  ST車輪半径誤差比率 err(FWH)=%5.2f(%%)", e.FronWHeelerr * 100);
      break;
    case ErrorKind::steering_drift:
      console_print("\n (2-3) ステアリング角のドリフト誤差 Δφ=%5.2f°", e.steer_drift * deg_per_rad);
      break;
    case ErrorKind::geometry:
      console_print("\n (2-4-1) ホイールベース誤差比率  err(WB)=%5.2f(%%)", e.WBerr * 100);
      console_print("\n (2-4-2) トレッド誤差比率　      err(TR)=%5.2f(%%)", e.TRerr * 100);
      break;
    case ErrorKind::slip:
      console_print("\n (2-5) 駆動輪滑り率  SLIPerr=%5.2f(%%)", e.SLIP * 100);
      break;
  }
}

const char* type_line(AgvType type) {
  switch (type) {
    case AgvType::t2DW1C:
      return "\n(1-1) 1:2DW1Cタイプ";
    case AgvType::t1FDW1FS:
      return "\n(1-1) 2:1FDW1FSタイプ";
    case AgvType::t1RDW1FS:
      return "\n(1-1) 3:1RDW1FSタイプ";
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
  console_print("\n\n/*************** 設定したAGVの経路生成条件 ************************/");
  console_print("%s", type_line(shown));
  console_print("\n(1-2) 走行速度    Vmax=%5.2f[m/s]＝一定", v.Vmax);
  if (has_steering(shown)) {
    console_print("\n(1-3) ステアリング速度=%5.2f[rad/s]＝一定", v.steer_speed);
    console_print("\n      dt=%6.4f[s]で変えられる最大角度=%7.4f[deg]", v.dt,
                  steer_step_max(v) * deg_per_rad);
  }
  console_print("\n(1-4) 最小旋回半径  Ra=%5.2f[m]", v.Ra);
  console_print("\n(2)AGV機構誤差");
  print_error_setting(scenario.error, mechanism_errors(scenario.error, v));
  console_print("\n(3) CP運動（経路既知）");
  if (const PathDescriptor* d = find_path(scenario.path.number)) {
    const double* c = scenario.path.constants;
    console_print(d->report, c[0], c[1], c[2]);
  }
  console_print("\n/***********************************************************************/");
  console_print("\n");
}
