// The picture options of agvsim-export: what they set, and the combinations refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/command_line.h"

namespace {

bool parse(std::vector<const char*> args, CommandLine* line, std::string* error) {
  args.insert(args.begin(), "agvsim-export");
  return parse_command_line(static_cast<int>(args.size()), args.data(), line, error);
}

TEST(PictureOptions, ValuesAndDefaults) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(parse({"--png", "a.png"}, &line, &error)) << error;
  EXPECT_EQ(line.picture.type, 1);
  EXPECT_EQ(line.picture.step, -1);  // the end of the motion
  EXPECT_EQ(line.picture.width, 800);
  EXPECT_EQ(line.picture.height, 800);
  EXPECT_TRUE(line.picture.status);

  line = CommandLine{};
  ASSERT_TRUE(parse({"--gif", "a.gif", "--type", "all", "--size", "640X480", "--fps", "12.5",
                     "--view", "fit", "--status", "off"},
                    &line, &error))
      << error;
  EXPECT_EQ(line.picture.type, 0);
  EXPECT_EQ(line.picture.width, 640);
  EXPECT_EQ(line.picture.height, 480);
  EXPECT_EQ(line.picture.fps, 12.5);
  EXPECT_TRUE(line.picture.fit);
  EXPECT_FALSE(line.picture.status);

  // Full width, as numbers elsewhere may be.
  for (const char* size : {"８００ｘ６００", "８００Ｘ６００", "800×600"}) {
    line = CommandLine{};
    ASSERT_TRUE(parse({"--png", "a.png", "--size", size}, &line, &error)) << error;
    EXPECT_EQ(line.picture.width, 800);
    EXPECT_EQ(line.picture.height, 600);
  }
}

TEST(PictureOptions, RefusedRequests) {
  const struct {
    std::vector<const char*> args;
    const char* message;
  } cases[] = {
      {{"--png", "a.png", "--type", "0"}, "no AGV type '0'"},
      {{"--png", "a.png", "--step", "-1"}, "negative step"},
      {{"--png", "a.png", "--step", "1.5"}, "not a whole number"},
      {{"--png", "a.png", "--view", "wide"}, "--view is fit, default or compare"},
      {{"--png", "a.png", "--size", "15x800"}, "bad size '15x800'"},
      {{"--png", "a.png", "--size", "800x4097"}, "bad size"},
      {{"--png", "a.png", "--size", "800"}, "bad size"},
      {{"--gif", "a.gif", "--fps", "101"}, "--fps 101 is not above 0"},
      {{"--gif", "a.gif", "--step", "3"}, "--step is the moment of --png"},
      {{"--png", "a.png", "--fps", "5"}, "--fps is for --gif"},
      {{"--size", "64x64"}, "go with --png, --gif or --frame"},
      {{"--png", "x", "--gif", "x"}, "two options name the same file x: --png and --gif"},
      {{"--png", "a.png", "--size", "８００ｘ"}, "bad size"},
      {{"--png", "x.png", "--out", "x.png"}, "the same file"},
      {{"--png", "x.png", "--sweep", "1", "0", "1", "1"}, "--sweep draws no pictures"},
      {{"--png", ""}, "empty file name for --png"},
  };
  for (const auto& c : cases) {
    CommandLine line;
    std::string error;
    EXPECT_FALSE(parse(c.args, &line, &error)) << c.message;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

}  // namespace
