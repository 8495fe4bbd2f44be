#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "control/path_dialog.h"
#include "control/session.h"
#include "path/path.h"
#include "support/scripted_console.h"

namespace {

const std::string menu =
    "\n\nCP経路曲線を設定・変更　　曲線番号入力"
    "\n 定数は全て正値"
    "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) "
    "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) "
    "\n I=3  : 2次関数 y=A*(x/L)^2 "
    "\n I=4  : 3次関数 y=A*(x/L)^3 "
    "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) "
    "\n I=12 : アルキメデス螺旋 r=A*(β/2π) "
    "\n I=13 : カーディオイド r=A*(B-cosβ) "
    "\n I=14 : 正葉線 r=A*sin(nβ) "
    "\n I=15 : 円弧   r=R "
    "\n I=16 : 波打ち円  r=R+A*cos(nβ) "
    "\n Input I= ";
const std::string set_constants = "\n 定数を設定　A,B=0-10 間の値とする";

class PathDialog : public ::testing::Test {
 protected:
  Session session = new_session();

  // A constant of the session by its code name.
  double cst(const char* name) {
    for (const PathChoice& c : session.paths) {
      const PathDescriptor& d = *find_path(c.number);
      for (int k = 0; k < d.constant_count; ++k) {
        if (std::string(name) == d.constants[k].name) return c.constants[k];
      }
    }
    ADD_FAILURE() << name;
    return NAN;
  }
  // Path I as the session's constants make it.
  Path path(int I) {
    Path p;
    make_path(session_path(session, I), &p);
    return p;
  }
  void select() { select_path(session); }
};

TEST_F(PathDialog, NonPositiveNumberShowsTheMenuAgain) {
  ScriptedConsole console("0\n3\n2 2\n");
  select();
  EXPECT_EQ(console.output(),
            menu + menu + set_constants + "\n I=3  : 2次関数 y=A*(x/L)^2 を選択　A L=");
  EXPECT_EQ(session.path_no, 3);
  EXPECT_EQ(cst("quad_A"), 2.0);
  EXPECT_EQ(path(3).end_param, 2.0);
}

TEST_F(PathDialog, NumberOutsideTheTenIsRefused) {
  ScriptedConsole console("7\n-4\n12 9 9\n1 0.5\n");  // the rest of a line after I is dropped
  select();
  EXPECT_EQ(console.output(),
            menu + set_constants + "\n I=7  やり直し" + menu + menu + set_constants +
                "\n I=12 : アルキメデス螺旋 r=A*(β/2π) を選択 Aと巻数(任意正数)入力 A n=");
  EXPECT_EQ(session.path_no, 12);
  EXPECT_EQ(cst("spiral_A"), 1.0);
  EXPECT_EQ(cst("spiral_n"), 0.5);
}

TEST_F(PathDialog, NegativeConstantsAreAskedAgain) {
  const std::string rose = "\n I=14 : 正葉線 r=A*sin(nβ) を選択 A n(=1,2,...,1/2,1/3,...)=";
  ScriptedConsole console("14\n1 -2\n1 0.5\n");
  select();
  EXPECT_EQ(console.output(), menu + set_constants + rose + rose);
  EXPECT_EQ(cst("rose_n"), 0.5);
  EXPECT_NEAR(path(14).end_param, 4 * 3.14159265358979, 1e-12);

  const std::string cosine = "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) を選択　A,L,波数nを設定 A L n=";
  ScriptedConsole console2("1\n0.5 2 -1\n0.5 2 3\n");
  select();
  EXPECT_EQ(console2.output(), menu + set_constants + cosine + cosine);
  EXPECT_EQ(cst("cosine_n"), 3.0);

  const std::string wavy = "\n I=16 : 波打ち円 r=R+A*cos(nβ) を選択 R=2[m], A n(=任意正数)=";
  ScriptedConsole console3("16\n-0.3 4\n0.3 4\n");
  select();
  EXPECT_EQ(console3.output(), menu + set_constants + wavy + wavy);
  EXPECT_EQ(cst("wavy_A"), 0.3);
}

TEST_F(PathDialog, ZeroConstantsAreAccepted) {
  ScriptedConsole console("11\n0 0\n");
  select();
  EXPECT_EQ(session.path_no, 11);
  EXPECT_EQ(cst("ellipse_A"), 0.0);
  EXPECT_EQ(path(11).k[2], 0.0);
}

// Text where a number belongs is told in one line, then the menu or the prompt comes again
// and reads new input; a negative value entered before never stays in place to loop on.
TEST_F(PathDialog, TextThatIsNotANumberAsksAgain) {
  const std::string quad = "\n I=3  : 2次関数 y=A*(x/L)^2 を選択　A L=";
  auto again = [](const std::string& q) {
    return "\n'" + q + "' は数値ではないので、もう一度入力してください ('" + q +
           "' is not a number; please enter it again)";
  };
  ScriptedConsole console("three\n3\n-1 2\nabc\n1 x\n1.5 4\n");
  select();
  EXPECT_EQ(console.output(), menu + again("three") + menu + set_constants + quad + quad +
                                  again("abc") + quad + again("x") + quad);
  EXPECT_EQ(cst("quad_A"), 1.5);
  EXPECT_EQ(cst("quad_L"), 4.0);
}

TEST_F(PathDialog, ValuesSplitOverLines) {
  ScriptedConsole console("\n  1\n0.25\n3\n\n2\n");
  select();
  EXPECT_EQ(cst("cosine_A"), 0.25);
  EXPECT_EQ(cst("cosine_L"), 3.0);
  EXPECT_EQ(cst("cosine_n"), 2.0);
  EXPECT_EQ(path(1).end_param, 6.0);
}

TEST_F(PathDialog, EndOfInputEndsTheDialog) {
  for (const char* script : {"", "3\n", "3\n1\n", "abc"}) {
    ScriptedConsole console(script);
    EXPECT_THROW(select(), input_ended) << script;
  }
}

TEST_F(PathDialog, OtherPathsKeepTheirConstants) {
  ScriptedConsole console("2\n3 4\n4\n5 6\n");
  select();
  select();
  EXPECT_EQ(cst("cycloid_A"), 3.0);
  EXPECT_EQ(cst("cubic_L"), 6.0);
  EXPECT_EQ(cst("cosine_A"), 0.5);
  EXPECT_NEAR(path(2).k[0], 2 * 3.14159265358979 / 4, 1e-15);
}

TEST_F(PathDialog, DescriptionsWithTheDefaults) {
  ScriptedConsole console;
  const struct {
    int I;
    const char* text;
  } cases[] = {
      {1, "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) A= 0.50[m] L= 2.00[m] 波数n=1.0"},
      {2, "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) A= 2.00[m] L= 2.00[m]"},
      {3, "\n I=3  : 2次関数 y=A*(x/L)^2 A= 2.00[m] L= 2.00[m]"},
      {4, "\n I=4  : 3次関数 y=A*(x/L)^3 A= 1.00[m] L= 2.00[m]"},
      {11, "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) A= 2.00[m] B= 1.00[m]"},
      {12, "\n I=12 : アルキメデス螺旋 r=A*β/2π Aと巻数 A= 1.00[m] n= 2.0000"},
      {13, "\n I=13 : カーディオイド r=A(B-cosβ) A= 1.00[m] B= 1.20[m]"},
      {14, "\n I=14 : 正葉線 r=A*sin(nβ) A= 1.00[m] n= 2.0000"},
      {15, "\n I=15 : 円弧 r=R R= 1.00[m] 巻数n= 2.0000"},
      {16, "\n I=16 : 波打ち円 r=R+A*cos(nβ) R=2[m] A= 0.20[m] 波数n= 4.0000"},
      {5, ""},
      {0, ""},
  };
  for (const auto& c : cases) {
    console.clear_output();
    const PathDescriptor* d = find_path(c.I);
    print_path(d ? default_path_choice(*d) : PathChoice{c.I, {1.0, 2.0, 3.0}});
    EXPECT_EQ(console.output(), c.text) << c.I;
  }
}

}  // namespace
