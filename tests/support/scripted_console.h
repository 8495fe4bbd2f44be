#pragma once

#include <sstream>
#include <string>

// Replaces the console streams for the lifetime of the object: the input is the given
// script, the output is captured. End of input throws input_ended instead of exiting.
struct input_ended {};

class ScriptedConsole {
 public:
  explicit ScriptedConsole(const std::string& script = "");
  ~ScriptedConsole();
  ScriptedConsole(const ScriptedConsole&) = delete;
  ScriptedConsole& operator=(const ScriptedConsole&) = delete;

  std::string output() const { return out_.str(); }
  std::string errors() const { return err_.str(); }
  void clear_output() { out_.str(""); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  std::ostringstream err_;
};
