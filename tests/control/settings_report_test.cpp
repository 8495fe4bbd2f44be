// The settings report for every AGV type, every error kind and every path, compared byte for
// byte with the report written from its texts.
#include <gtest/gtest.h>

#include <string>

#include "control/settings.h"
#include "control/settings_report.h"
#include "path/path_constants.h"
#include "support/console_texts.h"
#include "support/program_state.h"
#include "support/scripted_console.h"

namespace {

TEST(SettingsReport, EveryTypeErrorKindAndPath) {
  // Each error kind with values that tell its fields apart (ratios and radians as stored).
  struct ErrorCase {
    char kind;
    double rear_l, rear_r, front, drift, wb, tr, slip;
    std::string lines;
  };
  const ErrorCase errors[] = {
      {'0', 0, 0, 0, 0, 0, 0, 0, report_error('0')},
      {'1', 0.03, -0.02, 0, 0, 0, 0, 0, report_error('1', 3, -2)},
      {'2', 0, 0, 0.125, 0, 0, 0, 0, report_error('2', 12.5)},
      {'3', 0, 0, 0, -0.0174532925, 0, 0, 0, report_error('3', -1)},
      {'4', 0, 0, 0, 0, 0.05, 0.1, 0, report_error('4', 5, 10)},
      {'5', 0, 0, 0, 0, 0, 0, 0.075, report_error('5', 7.5)},
  };
  // Each path with constants unlike its defaults and unlike each other; the lines are typed
  // with the numbers as they must appear.
  struct PathCase {
    int I;
    void (*set)();
    std::string line;
  };
  const PathCase path_cases[] = {
      {1,
       [] {
         paths.cosine_A = 0.25;
         paths.cosine_L = 12.5;
         paths.cosine_n = 3;
       },
       "\n (3-1)  余弦関数 y=A*(1-cos(2πx/L)) A=0.25 L=12.50 波数n=3.0"},
      {2,
       [] {
         paths.cycloid_A = 1.5;
         paths.cycloid_L = 3;
       },
       "\n (3-2)  サイクロイド y=A*(x-L/2π*sin(2πx/L)) A=1.50 L=3.00"},
      {3,
       [] {
         paths.quad_A = 0.75;
         paths.quad_L = 4;
       },
       "\n (3-3)  2次関数 y=A*(x/L)^2 A=0.75 L=4.00"},
      {4,
       [] {
         paths.cubic_A = 2.5;
         paths.cubic_L = 1;
       },
       "\n (3-4)  3次関数 y=A*(x/L)^3 A=2.50 L=1.00"},
      {11,
       [] {
         paths.ellipse_A = 3;
         paths.ellipse_B = 0.5;
       },
       "\n (3-11) 楕円 r=A*B/√{(Asinβ)^2+(Bcosβ)^2} A=3.00 B=0.50"},
      {12,
       [] {
         paths.spiral_A = 0.5;
         paths.spiral_n = 1.25;
       },
       "\n (3-12) アルキメデス螺旋 r=A*(β/2π) A=0.50 巻数n=1.25"},
      {13, [] { paths.cardioid_A = 2; }, "\n (3-13) Cardioid r=A*(B-cosβ) A=2.00 B=1.20"},
      {14,
       [] {
         paths.rose_A = 1.75;
         paths.rose_n = 0.5;
       },
       "\n (3-14) 正葉線 r=A*sin(nβ) A=1.75 n=0.50"},
      {15,
       [] {
         paths.arc_R = 1.5;
         paths.arc_n = 0.25;
       },
       "\n (3-15) 円弧 r=R R=1.50 巻数n=0.25"},
      {16,
       [] {
         paths.wavy_A = 0.3;
         paths.wavy_n = 6;
       },
       "\n (3-16) 波打ち円 r=R+A*cos(nβ) R=2[m] A=0.30 波数n=6.00"},
  };

  // Every path with every error kind; the type changes with both.
  for (int i = 0; i < 10; ++i) {
    for (int k = 0; k < 6; ++k) {
      const PathCase& p = path_cases[i];
      const ErrorCase& e = errors[k];
      const int type = 1 + (i + k) % 3;
      SCOPED_TRACE("I=" + std::to_string(p.I) + " kind " + e.kind + " type " +
                   std::to_string(type));
      reset_program_state();
      Settings& st = settings;
      st.steer_step_max = st.steer_speed * st.dt_sim;  // as the dialogue sets it
      st.agv_type = type;
      st.error_kind = e.kind;
      st.RearWHeelerr_L = e.rear_l, st.RearWHeelerr_R = e.rear_r, st.FronWHeelerr = e.front;
      st.steer_drift = e.drift, st.WBerr = e.wb, st.TRerr = e.tr, st.SLIP = e.slip;
      st.path_no = p.I;
      p.set();
      ScriptedConsole console;
      print_settings();
      EXPECT_EQ(console.output(), settings_report(type, e.lines, p.line));
    }
  }
}

}  // namespace
