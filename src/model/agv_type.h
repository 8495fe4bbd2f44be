#pragma once

// The three drive mechanisms. Every switch over AgvType lists all of them (no default), so
// the compiler names each place a new mechanism has to be handled.
enum class AgvType : int {
  t2DW1C = 1,    // two independently driven rear wheels, a front caster
  t1FDW1FS = 2,  // one front wheel that drives and steers
  t1RDW1FS = 3,  // one rear drive wheel, one front steering wheel
};

inline constexpr int agv_type_count = 3;
inline constexpr AgvType agv_types[agv_type_count] = {AgvType::t2DW1C, AgvType::t1FDW1FS,
                                                      AgvType::t1RDW1FS};

// Index of a type in the per-type arrays: 0, 1, 2.
constexpr int type_index(AgvType t) {
  return static_cast<int>(t) - 1;
}

// The type numbered 1..3, or false for any other number.
constexpr bool agv_type_from_number(int n, AgvType* type) {
  if (n < 1 || n > agv_type_count) return false;
  *type = static_cast<AgvType>(n);
  return true;
}

// "2DW1C", "1FDW1FS", "1RDW1FS".
constexpr const char* agv_type_code(AgvType t) {
  switch (t) {
    case AgvType::t2DW1C:
      return "2DW1C";
    case AgvType::t1FDW1FS:
      return "1FDW1FS";
    case AgvType::t1RDW1FS:
      return "1RDW1FS";
  }
  return "?";
}
