// The refusal texts, as the dialogue and the exporter show them.
#include "control/refusal_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RefusalText, EveryReason) {
  PathCheck c{PathRefusal::too_long, 123.456789, 60.0, 40.0};
  EXPECT_EQ(path_refusal_text(1, c),
            "\n経路番号I=1 経路長sf=123.4568>60.0000=smax限界を超えている．経路設定し直し");
  c = {PathRefusal::too_long, NAN, 60.0, NAN};
  EXPECT_EQ(path_refusal_text(13, c),
            "\n経路番号I=13 経路長sf=    nan>60.0000=smax限界を超えている．経路設定し直し");
  c = {PathRefusal::too_short, 0.0, 60.0, 0.0};
  EXPECT_EQ(path_refusal_text(12, c),
            "\n経路番号I=12 経路長sf= 0.0000 経路長が短過ぎる．経路設定し直し");
  c = {PathRefusal::end_param_too_large, NAN, 60.0, 6283.18};
  EXPECT_EQ(path_refusal_text(15, c),
            "\n経路番号I=15 終点パラメータ=6283.18>2000=上限を超えている(細か過ぎて計算できない)．"
            "経路設定し直し");
  c.refusal = PathRefusal::none;
  EXPECT_EQ(path_refusal_text(15, c), "");

  ComputeResult r{};
  r.path_no = 15;
  r.refusal = Refusal::too_many_records;
  r.failed_type = AgvType::t1FDW1FS;
  EXPECT_EQ(refusal_text(r),
            "\ncaltraj() I=15 AGV=2 刻み数NN=3000>=3000=MAX 経路長長過ぎる．経路設定し直し");
}

}  // namespace
