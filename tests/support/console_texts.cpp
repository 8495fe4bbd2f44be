#include "support/console_texts.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  std::vector<char> text(n + 1);
  std::vsnprintf(text.data(), text.size(), fmt, again);
  va_end(again);
  return std::string(text.data(), n);
}

namespace {

// Prints one of the per-path formats below with up to three values.
std::string format_path(const char* fmt, double a, double b, double c) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-extra-args"
  return format(fmt, a, b, c);
#pragma GCC diagnostic pop
}

struct PathTexts {
  int I;
  const char* menu;
  const char* prompt;
  const char* description;
  const char* report;
};

const PathTexts path_texts[10] = {
    {1, "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) ",
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) を選択　A,L,波数nを設定 A L n=",
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) A=%5.2f[m] L=%5.2f[m] 波数n=%3.1f",
     "\n (3-1)  余弦関数 y=A*(1-cos(2πx/L)) A=%4.2f L=%4.2f 波数n=%3.1f"},
    {2, "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) ",
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) を選択 A L=",
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) A=%5.2f[m] L=%5.2f[m]",
     "\n (3-2)  サイクロイド y=A*(x-L/2π*sin(2πx/L)) A=%4.2f L=%4.2f"},
    {3, "\n I=3  : 2次関数 y=A*(x/L)^2 ", "\n I=3  : 2次関数 y=A*(x/L)^2 を選択　A L=",
     "\n I=3  : 2次関数 y=A*(x/L)^2 A=%5.2f[m] L=%5.2f[m]",
     "\n (3-3)  2次関数 y=A*(x/L)^2 A=%4.2f L=%4.2f"},
    {4, "\n I=4  : 3次関数 y=A*(x/L)^3 ", "\n I=4  : 3次関数 y=A*(x/L)^3 を選択 A L=",
     "\n I=4  : 3次関数 y=A*(x/L)^3 A=%5.2f[m] L=%5.2f[m]",
     "\n (3-4)  3次関数 y=A*(x/L)^3 A=%4.2f L=%4.2f"},
    {11, "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) ",
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) を選択 A B=",
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) A=%5.2f[m] B=%5.2f[m]",
     "\n (3-11) 楕円 r=A*B/√{(Asinβ)^2+(Bcosβ)^2} A=%4.2f B=%4.2f"},
    {12, "\n I=12 : アルキメデス螺旋 r=A*(β/2π) ",
     "\n I=12 : アルキメデス螺旋 r=A*(β/2π) を選択 Aと巻数(任意正数)入力 A n=",
     "\n I=12 : アルキメデス螺旋 r=A*β/2π Aと巻数 A=%5.2f[m] n=%7.4f",
     "\n (3-12) アルキメデス螺旋 r=A*(β/2π) A=%4.2f 巻数n=%4.2f"},
    {13, "\n I=13 : カーディオイド r=A*(B-cosβ) ", "\n I=13 : カーディオイド r=A(B-cosβ) を選択 A=",
     "\n I=13 : カーディオイド r=A(B-cosβ) A=%5.2f[m] B=%5.2f[m]",
     "\n (3-13) Cardioid r=A*(B-cosβ) A=%4.2f B=%4.2f"},
    {14, "\n I=14 : 正葉線 r=A*sin(nβ) ",
     "\n I=14 : 正葉線 r=A*sin(nβ) を選択 A n(=1,2,...,1/2,1/3,...)=",
     "\n I=14 : 正葉線 r=A*sin(nβ) A=%5.2f[m] n=%7.4f",
     "\n (3-14) 正葉線 r=A*sin(nβ) A=%4.2f n=%4.2f"},
    {15, "\n I=15 : 円弧   r=R ", "\n I=15 : 円弧 r=R を選択 R n(=任意正数)=",
     "\n I=15 : 円弧 r=R R=%5.2f[m] 巻数n=%7.4f", "\n (3-15) 円弧 r=R R=%4.2f 巻数n=%4.2f"},
    {16, "\n I=16 : 波打ち円  r=R+A*cos(nβ) ",
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) を選択 R=2[m], A n(=任意正数)=",
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) R=2[m] A=%5.2f[m] 波数n=%7.4f",
     "\n (3-16) 波打ち円 r=R+A*cos(nβ) R=2[m] A=%4.2f 波数n=%4.2f"},
};

const PathTexts& texts_of(int I) {
  for (const PathTexts& t : path_texts) {
    if (t.I == I) return t;
  }
  static const PathTexts none{0, "", "", "", ""};
  return none;
}

}  // namespace

const char* const load_message = "\nランダム変換表読み込み完了";
const char* const choose_below = "\n 下記の経路のどれかを選択";
const char* const set_constants = "\n 定数を設定　A,B=0-10 間の値とする";
const char* const computing = "\n\n　　　只今計算中．．．．．．．\n";

std::string dialogue_title() {
  return std::string("\n\n移動ロボット(AGV)の機構誤差による軌道誤差のシミュレーション") +
         "\n　CP経路, AGV機構誤差を変えて軌道誤差を見る．";
}

std::string error_menu(double rear_l, double rear_r, double front, double drift, double wb,
                       double tr, double slip) {
  return "\n軌道誤差設定" +
         format("\n旧誤差 1.後車輪半径誤差比率(左右)=(%5.2f %5.2f)%%", rear_l, rear_r) +
         format("\n       2.前車輪半径誤差比率　　　= %5.2f%%", front) +
         format("\n       3.ステアリングドリフト角  = %5.2f°", drift) +
         format("\n       4.WheelBase,Tread誤差比率 =(%5.2f %5.2f)%%", wb, tr) +
         format("\n       5.駆動車輪ランダム滑りの速度誤差比率 =%5.2f%%", slip) +
         "\n上記のどれかの誤差を１種だけ選択して変更(他は誤差=０)" +
         "\n 0-5のどれかを選択(0:誤差なし) Error Number=";
}

std::string first_error_menu() {
  return error_menu(0, 0, 0, 0, 0, 0, 5);
}

std::string error_choice(char kind) {
  static const char* const prompts[6] = {
      "",
      "\n後車輪半径の誤差比率設定　RearWHeelerr 左 右(%)=",
      "\n前ST車輪半径の誤差比率設定　FronWHeelerr(%)=",
      "\nステアリング角のドリフト設定　φerror(deg)=",
      "\n後車輪間(WheelBase)誤差と前後車輪間(Tread)誤差の比率設定　WBerr TRerr(%)=",
      "\n駆動車輪滑りによる速度誤差比率設定　SLIP(%)=",
  };
  return format("\nERROR=%cを選択", kind) + prompts[kind - '0'];
}

std::string path_description(int I, double a, double b, double c) {
  return format_path(texts_of(I).description, a, b, c);
}

std::string cp_change_prompt(int I, double a, double b, double c) {
  return "\n(4) 旧経路 :" + path_description(I, a, b, c) + "\nCP経路変更する？　yes:y   no:n  ";
}

std::string path_retry(int I, double a, double b, double c) {
  return "\n\n(4) 旧経路 :" + path_description(I, a, b, c) + choose_below;
}

std::string path_menu() {
  std::string menu = "\n\nCP経路曲線を設定・変更　　曲線番号入力\n 定数は全て正値";
  for (const PathTexts& t : path_texts) menu += t.menu;
  return menu + "\n Input I= ";
}

std::string not_a_path(int I) {
  return format("\n I=%d  やり直し", I);
}

std::string path_prompt(int I) {
  return texts_of(I).prompt;
}

std::string not_a_number_zero(const std::string& entry) {
  const std::string q = "'" + entry + "'";
  return "\n" + q + " は数値ではないので 0 とします (" + q + " is not a number; 0 is used)";
}

std::string not_a_number_again(const std::string& entry) {
  const std::string q = "'" + entry + "'";
  return "\n" + q + " は数値ではないので、もう一度入力してください (" + q +
         " is not a number; please enter it again)";
}

std::string settings_report(int agv_type, const std::string& error_lines,
                            const std::string& path_line) {
  static const char* const types[3] = {"\n(1-1) 1:2DW1Cタイプ", "\n(1-1) 2:1FDW1FSタイプ",
                                       "\n(1-1) 3:1RDW1FSタイプ"};
  std::string report = "\n\n/*************** 設定したAGVの経路生成条件 ************************/";
  report += types[agv_type - 1];
  report += "\n(1-2) 走行速度    Vmax= 1.00[m/s]＝一定";
  if (agv_type != 1) {
    report += "\n(1-3) ステアリング速度= 2.00[rad/s]＝一定";
    report += "\n      dt=0.0200[s]で変えられる最大角度= 2.2918[deg]";
  }
  report += "\n(1-4) 最小旋回半径  Ra= 1.00[m]";
  report += "\n(2)AGV機構誤差" + error_lines;
  report += "\n(3) CP運動（経路既知）" + path_line;
  report += "\n/***********************************************************************/";
  return report + "\n";
}

std::string report_error(char kind, double v1, double v2) {
  switch (kind) {
    case '1':
      return format("\n (2-1) 後車輪  左右の車輪半径誤差比率 err(RWH) (L,R)=(%5.2f %5.2f)(%%)", v1,
                    v2);
    case '2':
      return format("\n (2-2) 前車輪  ST車輪半径誤差比率 err(FWH)=%5.2f(%%)", v1);
    case '3':
      return format("\n (2-3) ステアリング角のドリフト誤差 Δφ=%5.2f°", v1);
    case '4':
      return format("\n (2-4-1) ホイールベース誤差比率  err(WB)=%5.2f(%%)", v1) +
             format("\n (2-4-2) トレッド誤差比率　      err(TR)=%5.2f(%%)", v2);
    case '5':
      return format("\n (2-5) 駆動輪滑り率  SLIPerr=%5.2f(%%)", v1);
    default:
      return " (2-0) 誤差なし";
  }
}

std::string report_path(int I, double a, double b, double c) {
  return format_path(texts_of(I).report, a, b, c);
}

std::string too_long(int I, const char* sf, const char* smax) {
  return format("\n経路番号I=%d 経路長sf=%s>%s=smax限界を超えている．経路設定し直し", I, sf, smax);
}

std::string too_short(int I, const char* sf) {
  return format("\n経路番号I=%d 経路長sf=%s 経路長が短過ぎる．経路設定し直し", I, sf);
}

std::string end_param_too_large(int I, const char* p_end) {
  return format(
      "\n経路番号I=%d 終点パラメータ=%s>2000=上限を超えている(細か過ぎて計算できない)．"
      "経路設定し直し",
      I, p_end);
}

std::string store_overflow(int I, int agv_type) {
  return format("\ncaltraj() I=%d AGV=%d 刻み数NN=3000>=3000=MAX 経路長長過ぎる．経路設定し直し", I,
                agv_type) +
         format("\ndialogue() I=%d 経路長長過ぎる．経路設定し直し", I);
}

std::string computation_and_key_help() {
  return std::string(computing) + "\n　　   　  計算終了  " + "\n\n(1) 理論経路（赤)" +
         "\n(2) 誤差のあるAGV走行軌道（青）" + "\n・経路，終点位置姿勢の変更はキーで選択" +
         "\n(1) 描画画面上でキーによる操作選択" +
         "\n    'c' 'e'     : CPの変更 or AGV誤差の選択して文字画面へ" + "\n(2) 描画の選択" +
         "\n(2-1) '1' '2' '3' : AGVのタイプ選択" + "\n(2-2) 's'    ：運動継続" +
         "\n(2-3) '0'    ：運動初期に戻す" + "\n(2-4) 'x' 'X' 'y' 'Y'：ロボット図の左右上下移動" +
         "\n(2-5) 'w' 'W'：ロボット図の縮小拡大" + "\n(3)   ESC    ：終了" +
         "\n\n任意キーで描画画面へ       ";
}

std::string successful_end(int agv_type, const std::string& error_lines,
                           const std::string& path_line, char last_key) {
  return settings_report(agv_type, error_lines, path_line) + "\n" + computation_and_key_help() +
         format(" %c", last_key);
}
