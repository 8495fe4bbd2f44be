#include "control/dialogue.h"

#include "control/computation.h"
#include "control/settings.h"
#include "control/settings_report.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "platform/console.h"
#include "sim/caltraj.h"
#include "sim/trajectory_store.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_menu() {
  const Settings& st = settings;
  console_print("\n軌道誤差設定");
  console_print("\n旧誤差 1.後車輪半径誤差比率(左右)=(%5.2f %5.2f)%%", st.RearWHeelerr_L * 100,
                st.RearWHeelerr_R * 100);
  console_print("\n       2.前車輪半径誤差比率　　　= %5.2f%%", st.FronWHeelerr * 100);
  console_print("\n       3.ステアリングドリフト角  = %5.2f°", st.steer_drift * deg_per_rad);
  console_print("\n       4.WheelBase,Tread誤差比率 =(%5.2f %5.2f)%%", st.WBerr * 100,
                st.TRerr * 100);
  console_print("\n       5.駆動車輪ランダム滑りの速度誤差比率 =%5.2f%%", st.SLIP * 100);
  console_print("\n上記のどれかの誤差を１種だけ選択して変更(他は誤差=０)");
  console_print("\n 0-5のどれかを選択(0:誤差なし) Error Number=");
}

// The values of each kind's prompt; what is not a number stays 0.
int value_count(char kind) {
  return kind == '1' || kind == '4' ? 2 : kind == '0' ? 0 : 1;
}

// Steps of the error choice: the menu until a valid key, the reset, the value.
void choose_error() {
  int key;
  for (;;) {
    print_error_menu();
    key = console_read_key();
    if (key >= '0' && key <= '5') break;
  }
  const char kind = static_cast<char>(key);
  set_error(kind, 0, nullptr);
  console_print("\nERROR=%cを選択", kind);

  double v[2] = {0.0, 0.0};
  switch (kind) {
    case '1':
      console_print("\n後車輪半径の誤差比率設定　RearWHeelerr 左 右(%%)=");
      break;
    case '2':
      console_print("\n前ST車輪半径の誤差比率設定　FronWHeelerr(%%)=");
      break;
    case '3':
      console_print("\nステアリング角のドリフト設定　φerror(deg)=");
      break;
    case '4':
      console_print("\n後車輪間(WheelBase)誤差と前後車輪間(Tread)誤差の比率設定　WBerr TRerr(%%)=");
      break;
    case '5':
      console_print("\n駆動車輪滑りによる速度誤差比率設定　SLIP(%%)=");
      break;
    default:
      break;
  }
  const int n = value_count(kind);
  const int read = n > 0 ? console_read_reals(n, v) : 0;
  set_error(kind, read, v);
}

const char* const key_help[13] = {
    "\n\n(1) 理論経路（赤)",
    "\n(2) 誤差のあるAGV走行軌道（青）",
    "\n・経路，終点位置姿勢の変更はキーで選択",
    "\n(1) 描画画面上でキーによる操作選択",
    "\n    'c' 'e'     : CPの変更 or AGV誤差の選択して文字画面へ",
    "\n(2) 描画の選択",
    "\n(2-1) '1' '2' '3' : AGVのタイプ選択",
    "\n(2-2) 's'    ：運動継続",
    "\n(2-3) '0'    ：運動初期に戻す",
    "\n(2-4) 'x' 'X' 'y' 'Y'：ロボット図の左右上下移動",
    "\n(2-5) 'w' 'W'：ロボット図の縮小拡大",
    "\n(3)   ESC    ：終了",
    "\n\n任意キーで描画画面へ       ",
};

void print_key_help() {
  for (int i = 0; i < 13; ++i) console_print("%s", key_help[i]);
}

// Where the path part of the dialogue begins.
enum class PathStep { show_old_path, choose_path, report };

// Chooses the path as asked, reports, checks and computes, until a computation succeeds.
void compute_until_success(PathStep from) {
  Settings& st = settings;
  for (PathStep step = from;; step = PathStep::show_old_path) {
    if (step == PathStep::show_old_path) {
      console_print("\n\n(4) 旧経路 :");
      print_path(st.path_no);
      step = PathStep::choose_path;
    }
    if (step == PathStep::choose_path) {
      console_print("\n 下記の経路のどれかを選択");
      select_path();
    }
    st.steer_step_max = st.steer_speed * st.dt_sim;
    print_settings();
    console_print("\n");
    if (!check_path_length(st.path_no)) continue;
    console_print("\n\n　　　只今計算中．．．．．．．\n");
    build_arc_table(st.path_no);
    const int NN = caltraj(st.path_no);
    if (NN >= 3000) {
      console_print("\ndialogue() I=%d 経路長長過ぎる．経路設定し直し", st.path_no);
      continue;
    }
    return;
  }
}

}  // namespace

void dialogue() {
  Settings& st = settings;
  console_print("\n\n移動ロボット(AGV)の機構誤差による軌道誤差のシミュレーション");
  console_print("\n　CP経路, AGV機構誤差を変えて軌道誤差を見る．");

  PathStep from;
  if (st.run_count != 0 && st.last_key == 'c') {
    from = PathStep::show_old_path;  // the window's 'c': only the path changes
  } else {
    choose_error();
    console_print("\n(4) 旧経路 :");
    print_path(st.path_no);
    console_print("\nCP経路変更する？　yes:y   no:n  ");
    const int key = console_read_key();
    console_print("%c", key);
    if (key == 'y') {
      from = PathStep::choose_path;
    } else {
      derive_path(st.path_no);
      from = PathStep::report;
    }
  }
  compute_until_success(from);

  set_chart_ranges();

  console_print("\n　　   　  計算終了  ");
  st.run_count += 1;
  view.view_scale = view_scale0;
  st.step = 0;
  st.agv_type = 1;
  print_key_help();
  const int key = console_read_key();
  console_print(" %c", key);
  console_flush();  // the echo shows now, not when the window is closed
}
