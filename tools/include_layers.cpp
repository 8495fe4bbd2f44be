// Checks the include graph of src/: every folder is a layer, and a file may include only
// files of its own layer or of the layers below it. Also finds include cycles between
// files, and the headers of OpenGL, EGL, GLUT and X11 included anywhere but in gl/ (the
// GL drawing) and platform/. Prints the counts; exits 1 when a rule is broken.
//
//   include_layers SRC_DIR
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The layers from the ground up and what each may include besides itself. control and
// scene/display stand side by side: neither includes the other. gl draws what scene and
// display compose.
const std::map<std::string, std::set<std::string>> allowed = {
    {"platform", {}},
    {"model", {"platform"}},
    {"path", {"platform", "model"}},
    {"sim", {"platform", "model", "path"}},
    {"control", {"platform", "model", "path", "sim"}},
    {"picture", {"platform"}},
    {"scene", {"platform", "model", "path", "sim"}},
    {"display", {"platform", "model", "path", "sim", "scene", "picture"}},
    {"gl", {"platform", "model", "path", "sim", "scene", "display", "picture"}},
    {"app", {"platform", "model", "path", "sim", "control", "scene", "display", "gl", "picture"}},
    // The browser edition beside app: the page draws the frames itself, so no gl; of app
    // only what composes a shown frame (shown_frame, playback_speeds) and the GIF recording
    // of the page's frames (gif_recording), which include no gl.
    {"web", {"platform", "model", "path", "sim", "control", "scene", "display", "app"}},
};

// The folders that may include the system headers of the GL and window-system libraries.
const std::set<std::string> gl_folders = {"gl", "platform"};

// Whether a system header (the name inside <...>) is one of OpenGL, OpenGL ES, EGL, GLUT,
// Khronos' platform types or X11.
bool is_gl_header(const std::string& name) {
  for (const char* prefix : {"GL/", "GLES", "EGL/", "GLUT/", "KHR/", "X11/"}) {
    if (name.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

std::string folder_of(const std::string& rel) {
  const auto slash = rel.find('/');
  return slash == std::string::npos ? std::string() : rel.substr(0, slash);
}

struct Includes {
  std::vector<std::string> project;  // the names inside #include "..."
  std::vector<std::string> system;   // the names inside #include <...>
};

Includes includes_of(const fs::path& file) {
  Includes out;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    // "#include", with blanks before and after the '#' as the preprocessor allows.
    const auto hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line[hash] != '#') continue;
    const auto word = line.find_first_not_of(" \t", hash + 1);
    if (word == std::string::npos || line.compare(word, 7, "include") != 0) continue;
    const auto open = line.find_first_not_of(" \t", word + 7);
    if (open == std::string::npos || (line[open] != '"' && line[open] != '<')) continue;
    const auto close = line.find(line[open] == '"' ? '"' : '>', open + 1);
    if (close == std::string::npos) continue;
    (line[open] == '"' ? out.project : out.system)
        .push_back(line.substr(open + 1, close - open - 1));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: include_layers SRC_DIR\n");
    return 2;
  }
  const fs::path root = argv[1];
  std::map<std::string, std::vector<std::string>> graph;  // file -> project includes
  int gl_outside = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const auto ext = entry.path().extension();
    if (ext != ".h" && ext != ".cpp" && ext != ".inc") continue;
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    Includes includes = includes_of(entry.path());
    graph[rel] = std::move(includes.project);
    if (gl_folders.count(folder_of(rel))) continue;
    for (const std::string& name : includes.system) {
      if (!is_gl_header(name)) continue;
      ++gl_outside;
      std::printf("GL or window-system header outside gl/ and platform/: %s includes <%s>\n",
                  rel.c_str(), name.c_str());
    }
  }

  int edges = 0, upward = 0, unknown_folder = 0;
  for (const auto& [file, incs] : graph) {
    const std::string from = folder_of(file);
    for (const std::string& inc : incs) {
      if (!graph.count(inc)) continue;  // generated or outside src/
      ++edges;
      const std::string to = folder_of(inc);
      if (to == from) continue;
      const auto rule = allowed.find(from);
      if (rule == allowed.end()) {
        ++unknown_folder;
        std::printf("folder without a layer: %s includes %s\n", file.c_str(), inc.c_str());
      } else if (!rule->second.count(to)) {
        ++upward;
        std::printf("upward include: %s includes %s\n", file.c_str(), inc.c_str());
      }
    }
  }

  // Cycles: depth-first search with colours.
  std::map<std::string, int> colour;  // 0 new, 1 on the path, 2 done
  std::vector<std::string> stack;
  int cycles = 0;
  auto visit = [&](auto&& self, const std::string& f) -> void {
    colour[f] = 1;
    stack.push_back(f);
    for (const std::string& inc : graph[f]) {
      if (!graph.count(inc)) continue;
      if (colour[inc] == 1) {
        ++cycles;
        std::printf("include cycle:");
        for (auto it = std::find(stack.begin(), stack.end(), inc); it != stack.end(); ++it)
          std::printf(" %s ->", it->c_str());
        std::printf(" %s\n", inc.c_str());
      } else if (colour[inc] == 0) {
        self(self, inc);
      }
    }
    stack.pop_back();
    colour[f] = 2;
  };
  for (const auto& [file, incs] : graph) {
    if (colour[file] == 0) visit(visit, file);
  }

  std::printf(
      "%zu files, %d project includes, %d upward, %d from folders without a layer, %d "
      "cycles, %d GL or window-system headers outside gl/ and platform/\n",
      graph.size(), edges, upward, unknown_folder, cycles, gl_outside);
  return upward == 0 && unknown_folder == 0 && cycles == 0 && gl_outside == 0 ? 0 : 1;
}
