// The console dialogue driven by any typed input, computations included: the first run
// (the error menu), then the window's 'c' (the path only) and 'e' (everything again), until
// the input ends. Every dialogue that returns leaves a computation without refusal whose
// store holds finite numbers only. The input ends at the latest when a fourth computation
// or a seventh path check is about to start, so that the time limit per input (-timeout,
// scripts/fuzz.sh) bounds the time of each: no answer may make one take seconds. The
// one-key prompts read whole characters (full-width and other multi-byte ones, broken
// ones): however long a wrong line is, it brings the error menu back once.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "control/dialogue.h"
#include "control/session.h"
#include "control/table_files.h"
#include "platform/console.h"

namespace {

struct InputEnded {};

[[noreturn]] void input_ended() {
  throw InputEnded{};
}

// The console's output, ending the input when the dialogue announces one path check (its
// settings report) or one computation too many; each text is written in one piece.
class ComputationCounter : public std::stringbuf {
 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    const std::string_view text(s, n);
    if (text.find("設定したAGVの経路生成条件") != text.npos && ++checks_ > 6) throw InputEnded{};
    if (text.find("只今計算中") != text.npos && ++computations_ > 3) throw InputEnded{};
    if (text.find("Error Number=") != text.npos) ++menus_;
    return std::stringbuf::xsputn(s, n);
  }

 public:
  int menus() const { return menus_; }

 private:
  int menus_ = 0;
  int checks_ = 0;
  int computations_ = 0;
};

const NormalTables& tables() {
  static NormalTables t;
  static const bool loaded = [] {
    std::string message;
    if (!read_normal_tables(&t, AGV_FUZZ_DATA_DIR, &message)) std::abort();
    return true;
  }();
  (void)loaded;
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  ComputationCounter counter;
  std::ostream out(&counter);
  out.exceptions(std::ios::badbit);  // the counter's exception goes through
  std::ostringstream err;
  console_set_streams(&in, &out, &err);
  console_set_output_codeset("UTF-8");
  console_set_end_of_input_handler(input_ended);
  Session session = new_session();
  ComputeResult result{};
  const DialogueStart starts[3] = {DialogueStart::error_menu, DialogueStart::path_change,
                                   DialogueStart::error_menu};
  try {
    for (DialogueStart start : starts) {
      dialogue(session, start, AgvType::t2DW1C, tables(), *ws, &result);
      if (result.refusal != Refusal::none || !store_is_finite(ws->store)) std::abort();
    }
  } catch (const InputEnded&) {
  }
  // Each menu after the first of a dialogue answers a wrong line (or a computation refused
  // for its error, at most three here): a byte or a character more is no menu more.
  std::size_t lines = 1;
  for (size_t i = 0; i < size; ++i) lines += data[i] == '\n' || data[i] == '\r';
  if (static_cast<std::size_t>(counter.menus()) > lines + 6) std::abort();
  console_set_streams(nullptr, nullptr, nullptr);
  return 0;
}
