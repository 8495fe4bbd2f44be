#include "control/startup.h"

#include <cstdlib>

#include "control/table_files.h"
#include "platform/catalogue.h"
#include "platform/console.h"

void startup(NormalTables* tables, Session* session, const std::string& tables_dir) {
  std::string message;
  if (!read_normal_tables(tables, tables_dir, &message)) {
    console_error("%s", message.c_str());
    std::exit(1);
  }
  console_print("%s", tr(Msg::tables_read));
  // The constants, no error but the listed slip of 5 %, path 1, the generator at state 1,
  // no computation yet.
  *session = new_session();
}
