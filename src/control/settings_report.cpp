#include "control/settings_report.h"

#include "control/settings.h"
#include "path/path_constants.h"
#include "platform/console.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_setting() {
  const Settings& st = settings;
  switch (st.error_kind) {
    case '0':
      console_print(" (2-0) 誤差なし");
      break;
    case '1':
      console_print("\n (2-1) 後車輪  左右の車輪半径誤差比率 err(RWH) (L,R)=(%5.2f %5.2f)(%%)",
                    st.RearWHeelerr_L * 100, st.RearWHeelerr_R * 100);
      break;
    case '2':
      console_print("\n (2-2) 前車輪  ST車輪半径誤差比率 err(FWH)=%5.2f(%%)",
                    st.FronWHeelerr * 100);
      break;
    case '3':
      console_print("\n (2-3) ステアリング角のドリフト誤差 Δφ=%5.2f°",
                    st.steer_drift * deg_per_rad);
      break;
    case '4':
      console_print("\n (2-4-1) ホイールベース誤差比率  err(WB)=%5.2f(%%)", st.WBerr * 100);
      console_print("\n (2-4-2) トレッド誤差比率　      err(TR)=%5.2f(%%)", st.TRerr * 100);
      break;
    case '5':
      console_print("\n (2-5) 駆動輪滑り率  SLIPerr=%5.2f(%%)", st.SLIP * 100);
      break;
    default:
      break;
  }
}

void print_path_setting() {
  const PathConstants& c = paths;
  switch (settings.path_no) {
    case 1:
      console_print("\n (3-1)  余弦関数 y=A*(1-cos(2πx/L)) A=%4.2f L=%4.2f 波数n=%3.1f", c.cosine_A,
                    c.cosine_L, c.cosine_n);
      break;
    case 2:
      console_print("\n (3-2)  サイクロイド y=A*(x-L/2π*sin(2πx/L)) A=%4.2f L=%4.2f", c.cycloid_A,
                    c.cycloid_L);
      break;
    case 3:
      console_print("\n (3-3)  2次関数 y=A*(x/L)^2 A=%4.2f L=%4.2f", c.quad_A, c.quad_L);
      break;
    case 4:
      console_print("\n (3-4)  3次関数 y=A*(x/L)^3 A=%4.2f L=%4.2f", c.cubic_A, c.cubic_L);
      break;
    case 11:
      console_print("\n (3-11) 楕円 r=A*B/√{(Asinβ)^2+(Bcosβ)^2} A=%4.2f B=%4.2f", c.ellipse_A,
                    c.ellipse_B);
      break;
    case 12:
      console_print("\n (3-12) アルキメデス螺旋 r=A*(β/2π) A=%4.2f 巻数n=%4.2f", c.spiral_A,
                    c.spiral_n);
      break;
    case 13:
      console_print("\n (3-13) Cardioid r=A*(B-cosβ) A=%4.2f B=%4.2f", c.cardioid_A, c.cardioid_B);
      break;
    case 14:
      console_print("\n (3-14) 正葉線 r=A*sin(nβ) A=%4.2f n=%4.2f", c.rose_A, c.rose_n);
      break;
    case 15:
      console_print("\n (3-15) 円弧 r=R R=%4.2f 巻数n=%4.2f", c.arc_R, c.arc_n);
      break;
    case 16:
      console_print("\n (3-16) 波打ち円 r=R+A*cos(nβ) R=2[m] A=%4.2f 波数n=%4.2f", c.wavy_A,
                    c.wavy_n);
      break;
    default:
      break;
  }
}

}  // namespace

void print_settings() {
  const Settings& st = settings;
  console_print("\n\n/*************** 設定したAGVの経路生成条件 ************************/");
  switch (st.agv_type) {
    case 1:
      console_print("\n(1-1) 1:2DW1Cタイプ");
      break;
    case 2:
      console_print("\n(1-1) 2:1FDW1FSタイプ");
      break;
    case 3:
      console_print("\n(1-1) 3:1RDW1FSタイプ");
      break;
    default:
      break;
  }
  console_print("\n(1-2) 走行速度    Vmax=%5.2f[m/s]＝一定", st.Vmax);
  if (st.agv_type == 2 || st.agv_type == 3) {
    console_print("\n(1-3) ステアリング速度=%5.2f[rad/s]＝一定", st.steer_speed);
    console_print("\n      dt=%6.4f[s]で変えられる最大角度=%7.4f[deg]", st.dt,
                  st.steer_step_max * deg_per_rad);
  }
  console_print("\n(1-4) 最小旋回半径  Ra=%5.2f[m]", st.Ra);
  console_print("\n(2)AGV機構誤差");
  print_error_setting();
  console_print("\n(3) CP運動（経路既知）");
  print_path_setting();
  console_print("\n/***********************************************************************/");
  console_print("\n");
}
