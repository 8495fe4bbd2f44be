// The console dialogue driven by any typed input, computations included: the first run
// (the error menu), then the window's 'c' (the path only) and 'e' (everything again), until
// the input ends. Every dialogue that returns leaves a computation without refusal whose
// store holds finite numbers only. The input ends at the latest when a fourth computation
// or a seventh path check is about to start, so that the time limit per input (-timeout,
// scripts/fuzz.sh) bounds the time of each: no answer may make one take seconds. The
// one-key prompts read whole characters (full-width and other multi-byte ones, broken
// ones): however long a line without an answer is, it brings the error menu back once.
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
  // Each menu after the first of a dialogue answers a wrong key, or a computation refused
  // for its error (at most three here). A line without an answer is one wrong answer; only
  // a line that holds one (0-5, half or full width) may bring a menu per wrong key.
  std::size_t allowed = 6;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::size_t start = 0; start <= size;) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = size;
    const std::string_view line = text.substr(start, end - start);
    bool answer = line.find_first_of("012345") != line.npos;
    for (const char* wide : {"０", "１", "２", "３", "４", "５"}) {
      answer = answer || line.find(wide) != line.npos;
    }
    allowed += answer ? line.size() : 1;
    start = end + 1;
  }
  if (static_cast<std::size_t>(counter.menus()) > allowed) std::abort();
  console_set_streams(nullptr, nullptr, nullptr);
  return 0;
}
