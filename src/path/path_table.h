#pragma once

#include <string_view>

#include "model/scenario.h"
#include "path/path.h"
#include "platform/messages.h"

// One entry per CP path: its number, its constants with their code names and defaults,
// its curve and its console texts (their ids in the catalogue). A new path is one more entry with
// its curve functions.

// The pi of the path and motion computations, and twice it.
inline constexpr double path_pi = 3.14159265358979;
inline constexpr double path_two_pi = 2.0 * path_pi;

// y, dy/dx and d2y/dx2 of a curve y = f(x), or r, dr/dbeta and d2r/dbeta2 of a polar curve.
struct Derivs {
  double f;
  double f1;
  double f2;
};

enum class PathFamily {
  cartesian,  // y = f(x), the parameter is x in metres
  polar,      // r = r(beta), the parameter is beta in radians
};

struct PathConstantDef {
  const char* name;  // code name, e.g. "cosine_A"
  double default_value;
  bool enterable;  // false for the fixed ones (cardioid_B, wavy_R)
};

struct PathDescriptor {
  int number;  // I
  PathFamily family;
  // The constants; the enterable ones come first, in the order the prompt reads them, and
  // the texts show the first `shown_count` of them.
  int constant_count;
  int entered_count;
  int shown_count;
  PathConstantDef constants[max_path_constants];
  // Console texts in the catalogue (printf formats taking the shown constants in order).
  Msg menu_line;    // line of the selection menu
  Msg prompt;       // asks for the enterable constants
  Msg description;  // one line describing the path with its constants
  Msg report;       // the path line of the settings report
  // The curve at parameter p.
  Derivs (*derivs)(double p, const Path& path);
  // Derived constants, end parameter, start and end points from the constants.
  void (*derive)(Path& path);
  // The parameter at arc length s where the curve has it in closed form, else nullptr.
  double (*param_at_length)(double s, const Path& path);
  // For a curve y = f(x) whose slope alone costs less than all of derivs (one sine instead
  // of a sine and a cosine): f'(x), the very value derivs gives; else nullptr.
  double (*slope)(double x, const Path& path);
};

inline constexpr int path_count = 10;
extern const PathDescriptor path_table[path_count];

// The entry of path number I, or nullptr when I is no path.
const PathDescriptor* find_path(int number);

// The index of path number I in path_table, or -1 when I is no path.
int path_slot(int number);

// A path with its default constants.
PathChoice default_path_choice(const PathDescriptor& path);

// The index of an enterable constant named `name` in its path's entry, with the entry;
// -1 when no path has such an enterable constant.
int find_enterable_constant(std::string_view name, const PathDescriptor** path);
