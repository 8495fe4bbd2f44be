#include "path/path.h"

#include "path/path_table.h"

bool make_path(const PathChoice& choice, Path* path) {
  const PathDescriptor* desc = find_path(choice.number);
  if (!desc) return false;
  *path = Path{};
  path->desc = desc;
  for (int i = 0; i < max_path_constants; ++i) path->c[i] = choice.constants[i];
  derive_path(*path);
  return true;
}

void derive_path(Path& path) {
  path.desc->derive(path);
}

int path_number(const Path& path) {
  return path.desc->number;
}

bool is_polar(const Path& path) {
  return path.desc->family == PathFamily::polar;
}
