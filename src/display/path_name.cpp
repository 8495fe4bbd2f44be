#include "display/path_name.h"

bool path_name_msg(int path_no, Msg* id) {
  switch (path_no) {
    case 1:
      *id = Msg::path_name_1;
      return true;
    case 2:
      *id = Msg::path_name_2;
      return true;
    case 3:
      *id = Msg::path_name_3;
      return true;
    case 4:
      *id = Msg::path_name_4;
      return true;
    case 11:
      *id = Msg::path_name_11;
      return true;
    case 12:
      *id = Msg::path_name_12;
      return true;
    case 13:
      *id = Msg::path_name_13;
      return true;
    case 14:
      *id = Msg::path_name_14;
      return true;
    case 15:
      *id = Msg::path_name_15;
      return true;
    case 16:
      *id = Msg::path_name_16;
      return true;
    default:
      return false;
  }
}
