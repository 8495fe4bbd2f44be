#include "control/path_dialog.h"

#include "path/path_table.h"
#include "platform/catalogue.h"
#include "platform/console.h"

namespace {

// Prompts until the constants of the path are read as numbers, none of them negative. Each
// repetition reads new input: a line with an entry that is not a number is dropped after a
// line that says so, and nothing is stored until the whole set is acceptable, so no old
// value can keep the prompt looping.
void read_constants(const PathDescriptor& d, PathChoice& choice) {
  double values[max_path_constants];
  for (;;) {
    console_print("%s", tr(d.prompt));
    if (console_read_reals(d.entered_count, values, NumberRefused::again) != d.entered_count) {
      continue;
    }
    bool negative = false;
    for (int i = 0; i < d.entered_count; ++i) negative = negative || values[i] < 0.0;
    if (!negative) break;
  }
  for (int i = 0; i < d.entered_count; ++i) choice.constants[i] = values[i];
}

}  // namespace

void select_path(Session& session) {
  for (;;) {
    console_print("%s", tr(Msg::path_menu_title));
    for (const PathDescriptor& d : path_table) console_print("%s", tr(d.menu_line));
    console_print("\n Input I= ");
    int I;
    if (!console_read_int(&I)) continue;  // not a whole number: told, and the menu again
    if (I <= 0) continue;
    console_print("%s", tr(Msg::path_constants_hint));
    const PathDescriptor* d = find_path(I);
    if (d == nullptr) {
      console_print(tr(Msg::path_no_such), I);
      continue;
    }
    read_constants(*d, session_path(session, I));
    session.path_no = I;
    return;
  }
}

void print_path(const PathChoice& path) {
  const PathDescriptor* d = find_path(path.number);
  if (d == nullptr) return;
  const double* c = path.constants;
  console_print(tr(d->description), c[0], c[1], c[2]);
}
