#include "control/settings.h"
#include "path/path_constant_names.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "platform/console.h"

namespace {

// The texts of one path: its menu line, its prompt (with how many constants it reads) and
// its one-line description.
struct PathTexts {
  int I;
  const char* menu_line;
  const char* prompt;
  int count;
  const char* description;
};

const PathTexts path_texts[10] = {
    {1, "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) ",
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) を選択　A,L,波数nを設定 A L n=", 3,
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) A=%5.2f[m] L=%5.2f[m] 波数n=%3.1f"},
    {2, "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) ",
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) を選択 A L=", 2,
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) A=%5.2f[m] L=%5.2f[m]"},
    {3, "\n I=3  : 2次関数 y=A*(x/L)^2 ", "\n I=3  : 2次関数 y=A*(x/L)^2 を選択　A L=", 2,
     "\n I=3  : 2次関数 y=A*(x/L)^2 A=%5.2f[m] L=%5.2f[m]"},
    {4, "\n I=4  : 3次関数 y=A*(x/L)^3 ", "\n I=4  : 3次関数 y=A*(x/L)^3 を選択 A L=", 2,
     "\n I=4  : 3次関数 y=A*(x/L)^3 A=%5.2f[m] L=%5.2f[m]"},
    {11, "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) ",
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) を選択 A B=", 2,
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) A=%5.2f[m] B=%5.2f[m]"},
    {12, "\n I=12 : アルキメデス螺旋 r=A*(β/2π) ",
     "\n I=12 : アルキメデス螺旋 r=A*(β/2π) を選択 Aと巻数(任意正数)入力 A n=", 2,
     "\n I=12 : アルキメデス螺旋 r=A*β/2π Aと巻数 A=%5.2f[m] n=%7.4f"},
    {13, "\n I=13 : カーディオイド r=A*(B-cosβ) ", "\n I=13 : カーディオイド r=A(B-cosβ) を選択 A=",
     1, "\n I=13 : カーディオイド r=A(B-cosβ) A=%5.2f[m] B=%5.2f[m]"},
    {14, "\n I=14 : 正葉線 r=A*sin(nβ) ",
     "\n I=14 : 正葉線 r=A*sin(nβ) を選択 A n(=1,2,...,1/2,1/3,...)=", 2,
     "\n I=14 : 正葉線 r=A*sin(nβ) A=%5.2f[m] n=%7.4f"},
    {15, "\n I=15 : 円弧   r=R ", "\n I=15 : 円弧 r=R を選択 R n(=任意正数)=", 2,
     "\n I=15 : 円弧 r=R R=%5.2f[m] 巻数n=%7.4f"},
    {16, "\n I=16 : 波打ち円  r=R+A*cos(nβ) ",
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) を選択 R=2[m], A n(=任意正数)=", 2,
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) R=2[m] A=%5.2f[m] 波数n=%7.4f"},
};

const PathTexts* texts_of(int I) {
  for (const PathTexts& t : path_texts) {
    if (t.I == I) return &t;
  }
  return nullptr;
}

// Prompts until the constants of path I are read as numbers, none of them negative. Each
// repetition reads new input: a line that is not a number is dropped, and nothing is
// stored until the whole set is acceptable, so no old value can keep the prompt looping.
void read_constants(const PathTexts& t) {
  double values[3];
  for (;;) {
    console_print("%s", t.prompt);
    if (console_read_reals(t.count, values) != t.count) continue;
    bool negative = false;
    for (int i = 0; i < t.count; ++i) negative = negative || values[i] < 0.0;
    if (!negative) break;
  }
  int i = 0;
  for (const NamedConstant& c : named_constants) {
    if (c.path == t.I && c.enterable) paths.*c.member = values[i++];
  }
  if (t.I == 2) paths.cycloid_k = path_two_pi / paths.cycloid_L;
}

}  // namespace

void select_path() {
  for (;;) {
    console_print("\n\nCP経路曲線を設定・変更　　曲線番号入力");
    console_print("\n 定数は全て正値");
    for (const PathTexts& t : path_texts) console_print("%s", t.menu_line);
    console_print("\n Input I= ");
    int I;
    if (!console_read_int(&I)) continue;
    if (I <= 0) continue;
    settings.path_no = I;
    console_print("\n 定数を設定　A,B=0-10 間の値とする");
    const PathTexts* t = texts_of(I);
    if (t == nullptr) {
      console_print("\n I=%d  やり直し", I);
      continue;
    }
    read_constants(*t);
    derive_path(I);
    return;
  }
}

void print_path(int I) {
  const PathConstants& c = paths;
  const PathTexts* t = texts_of(I);
  if (t == nullptr) return;
  switch (I) {
    case 1:
      console_print(t->description, c.cosine_A, c.cosine_L, c.cosine_n);
      break;
    case 2:
      console_print(t->description, c.cycloid_A, c.cycloid_L);
      break;
    case 3:
      console_print(t->description, c.quad_A, c.quad_L);
      break;
    case 4:
      console_print(t->description, c.cubic_A, c.cubic_L);
      break;
    case 11:
      console_print(t->description, c.ellipse_A, c.ellipse_B);
      break;
    case 12:
      console_print(t->description, c.spiral_A, c.spiral_n);
      break;
    case 13:
      console_print(t->description, c.cardioid_A, c.cardioid_B);
      break;
    case 14:
      console_print(t->description, c.rose_A, c.rose_n);
      break;
    case 15:
      console_print(t->description, c.arc_R, c.arc_n);
      break;
    default:
      console_print(t->description, c.wavy_A, c.wavy_n);
      break;
  }
}
