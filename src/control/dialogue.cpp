#include "control/dialogue.h"

#include "control/path_dialog.h"
#include "control/refusal_text.h"
#include "control/settings_report.h"
#include "platform/console.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_menu(const MechanismErrors& st) {
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

// The prompt for the value of a kind.
const char* value_prompt(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::none:
      return "";
    case ErrorKind::rear_wheels:
      return "\n後車輪半径の誤差比率設定　RearWHeelerr 左 右(%)=";
    case ErrorKind::front_wheel:
      return "\n前ST車輪半径の誤差比率設定　FronWHeelerr(%)=";
    case ErrorKind::steering_drift:
      return "\nステアリング角のドリフト設定　φerror(deg)=";
    case ErrorKind::geometry:
      return "\n後車輪間(WheelBase)誤差と前後車輪間(Tread)誤差の比率設定　WBerr TRerr(%)=";
    case ErrorKind::slip:
      return "\n駆動車輪滑りによる速度誤差比率設定　SLIP(%)=";
  }
  return "";
}

bool is_error_key(int key) {
  ErrorKind kind;
  return error_kind_from_char(key, &kind);
}

// Steps of the error choice: the menu until a valid key, the reset, the value. An entry that
// is not a number stays 0, and a line says so; a value that describes no vehicle is asked
// again.
void choose_error(Session& session) {
  ErrorKind kind;
  for (;;) {
    print_error_menu(session.menu_errors);
    if (error_kind_from_char(console_read_key(), &kind)) break;
    console_drop_wrong_line(is_error_key);  // a line without an answer is one wrong answer
  }
  // Every error is reset once a valid key has come.
  session.error = {kind, {0.0, 0.0}};
  session.menu_errors = no_errors(session.vehicle);
  console_print("\nERROR=%cを選択", error_kind_char(kind));
  console_print("%s", value_prompt(kind));
  const int n = error_value_count(kind);
  if (n == 0) return;
  for (;;) {
    console_read_reals(n, session.error.entered, NumberRefused::zero);
    const ErrorFault fault = error_fault(session.error, session.vehicle);
    if (fault == ErrorFault::none) return;
    console_print("%s", error_fault_text(fault).c_str());
    session.error.entered[0] = session.error.entered[1] = 0.0;
    console_print("%s", value_prompt(kind));
  }
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

// Chooses the path as asked, reports, checks and computes, until a computation succeeds
// (true) or one is refused for its error (false: the error must be chosen again).
bool compute_until_success(PathStep from, Session& session, AgvType shown,
                           const NormalTables& tables, Workspace& ws, ComputeResult* result) {
  for (PathStep step = from;; step = PathStep::show_old_path) {
    if (step == PathStep::show_old_path) {
      console_print("\n\n(4) 旧経路 :");
      print_path(session_path(session, session.path_no));
      step = PathStep::choose_path;
    }
    if (step == PathStep::choose_path) {
      console_print("\n 下記の経路のどれかを選択");
      select_path(session);
    }
    const Scenario scenario = session_scenario(session);
    print_settings(shown, scenario);
    console_print("\n");
    // The length check comes first, so that a refused path is told before anything else.
    Path path;
    PathCheck check;
    if (!check_scenario_path(scenario, &path, &check)) continue;
    if (check.refusal != PathRefusal::none) {
      console_print("%s", path_refusal_text(session.path_no, check).c_str());
      continue;
    }
    console_print("\n\n　　　只今計算中．．．．．．．\n");
    *result = compute(scenario, tables, ws);
    session_record(session, result->refusal == Refusal::none, result->last_errors,
                   result->random_state);
    if (result->refusal == Refusal::none) return true;
    console_print("%s", refusal_text(*result).c_str());
    if (result->refusal == Refusal::impossible_error || result->refusal == Refusal::not_finite) {
      return false;
    }
    console_print("\ndialogue() I=%d 経路長長過ぎる．経路設定し直し", session.path_no);
  }
}

}  // namespace

void dialogue(Session& session, DialogueStart start, AgvType shown, const NormalTables& tables,
              Workspace& ws, ComputeResult* result) {
  // Keys typed into the terminal while the window was up are no answers to what comes.
  console_discard_typeahead();
  console_print("\n\n移動ロボット(AGV)の機構誤差による軌道誤差のシミュレーション");
  console_print("\n　CP経路, AGV機構誤差を変えて軌道誤差を見る．");

  bool path_only = session.run_count != 0 && start == DialogueStart::path_change;
  for (;; path_only = false) {
    PathStep from;
    if (path_only) {
      from = PathStep::show_old_path;  // the window's 'c': only the path changes
    } else {
      choose_error(session);
      console_print("\n(4) 旧経路 :");
      print_path(session_path(session, session.path_no));
      console_print("\nCP経路変更する？　yes:y   no:n  ");
      const int key = console_read_key();
      console_print("%s", console_key_text().c_str());
      // Any other answer keeps the path; the computation derives it afresh.
      from = key == 'y' ? PathStep::choose_path : PathStep::report;
    }
    if (compute_until_success(from, session, shown, tables, ws, result)) break;
  }

  console_print("\n　　   　  計算終了  ");
  print_key_help();
  console_read_key();
  console_print(" %s", console_key_text().c_str());
  console_flush();  // the echo shows now, not when the window is closed
}
