// The settings report for every AGV type, every error kind and every path, compared byte for
// byte with the report written from its texts.
#include <gtest/gtest.h>

#include <string>

#include "control/settings_report.h"
#include "sim/computation.h"
#include "support/console_texts.h"
#include "support/scripted_console.h"

namespace {

TEST(SettingsReport, EveryTypeErrorKindAndPath) {
  // Each error kind with values that tell its fields apart (as entered: percent, degrees).
  struct ErrorCase {
    char kind;
    double v1, v2;
    std::string lines;
  };
  const ErrorCase errors[] = {
      {'0', 0, 0, report_error('0')},          {'1', 3, -2, report_error('1', 3, -2)},
      {'2', 12.5, 0, report_error('2', 12.5)}, {'3', -1, 0, report_error('3', -1)},
      {'4', 5, 10, report_error('4', 5, 10)},  {'5', 7.5, 0, report_error('5', 7.5)},
  };
  // Each path with constants unlike its defaults and unlike each other; the lines are typed
  // with the numbers as they must appear.
  struct PathCase {
    PathChoice path;
    std::string line;
  };
  const PathCase path_cases[] = {
      {{1, {0.25, 12.5, 3}}, "\n (3-1)  余弦関数 y=A*(1-cos(2πx/L)) A=0.25 L=12.50 波数n=3.0"},
      {{2, {1.5, 3}}, "\n (3-2)  サイクロイド y=A*(x-L/2π*sin(2πx/L)) A=1.50 L=3.00"},
      {{3, {0.75, 4}}, "\n (3-3)  2次関数 y=A*(x/L)^2 A=0.75 L=4.00"},
      {{4, {2.5, 1}}, "\n (3-4)  3次関数 y=A*(x/L)^3 A=2.50 L=1.00"},
      {{11, {3, 0.5}}, "\n (3-11) 楕円 r=A*B/√{(Asinβ)^2+(Bcosβ)^2} A=3.00 B=0.50"},
      {{12, {0.5, 1.25}}, "\n (3-12) アルキメデス螺旋 r=A*(β/2π) A=0.50 巻数n=1.25"},
      {{13, {2, 1.2}}, "\n (3-13) Cardioid r=A*(B-cosβ) A=2.00 B=1.20"},
      {{14, {1.75, 0.5}}, "\n (3-14) 正葉線 r=A*sin(nβ) A=1.75 n=0.50"},
      {{15, {1.5, 0.25}}, "\n (3-15) 円弧 r=R R=1.50 巻数n=0.25"},
      {{16, {0.3, 6, 2.0}}, "\n (3-16) 波打ち円 r=R+A*cos(nβ) R=2[m] A=0.30 波数n=6.00"},
  };

  // Every path with every error kind; the type changes with both.
  for (int i = 0; i < 10; ++i) {
    for (int k = 0; k < 6; ++k) {
      const PathCase& p = path_cases[i];
      const ErrorCase& e = errors[k];
      const int type = 1 + (i + k) % 3;
      SCOPED_TRACE("I=" + std::to_string(p.path.number) + " kind " + e.kind + " type " +
                   std::to_string(type));
      Scenario scenario = default_scenario();
      scenario.path = p.path;
      scenario.error = {static_cast<ErrorKind>(e.kind), {e.v1, e.v2}};
      ScriptedConsole console;
      print_settings(static_cast<AgvType>(type), scenario);
      EXPECT_EQ(console.output(), settings_report(type, e.lines, p.line));
    }
  }
}

}  // namespace
