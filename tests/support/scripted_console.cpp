#include "support/scripted_console.h"

#include "platform/console.h"

namespace {
[[noreturn]] void throw_input_ended() {
  throw input_ended{};
}
}  // namespace

ScriptedConsole::ScriptedConsole(const std::string& script) : in_(script) {
  console_set_streams(&in_, &out_, &err_);
  console_set_output_codeset("UTF-8");
  console_set_end_of_input_handler(throw_input_ended);
}

ScriptedConsole::~ScriptedConsole() {
  console_set_streams(nullptr, nullptr, nullptr);
  console_set_output_codeset(nullptr);
  console_set_end_of_input_handler(nullptr);
}
