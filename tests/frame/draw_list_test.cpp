// What a frame draws, read from its draw list: no window and no display needed.
#include "scene/draw_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "display/frame.h"
#include "display/frame_json.h"
#include "gui_support/gui_state.h"
#include "gui_support/sample_motion.h"
#include "platform/scalable_font.h"

namespace {

class DrawListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_gui_state();
    app.scenario.error.kind = ErrorKind::rear_wheels;
    fill_sample_motion(600);
    app.agv_type = AgvType::t2DW1C;
    app.step = 300;
  }
  const DrawList& compose() {
    compose_frame(list, app_frame(app));
    return list;
  }
  std::vector<std::string> texts() {
    std::vector<std::string> out;
    for (const DrawCmd& c : list.commands()) {
      if (c.kind == DrawKind::text) out.emplace_back(list.text_of(c));
    }
    return out;
  }
  static bool has(const std::vector<std::string>& all, const std::string& t) {
    for (const std::string& s : all) {
      if (s.find(t) != std::string::npos) return true;
    }
    return false;
  }
  DrawList list;
};

// Every part in drawing order; the overlays only when asked for.
TEST_F(DrawListTest, PartsInDrawingOrder) {
  compose();
  std::vector<PartId> ids;
  for (const DrawPart& p : list.parts()) ids.push_back(p.id);
  EXPECT_EQ(ids, (std::vector<PartId>{PartId::title, PartId::grid, PartId::red_trail,
                                      PartId::red_vehicle, PartId::blue_trail, PartId::blue_vehicle,
                                      PartId::upper, PartId::status, PartId::chart_dots}));
  app.help_shown = true;
  compose_overlays(list, app_frame(app));
  const DrawPart* overlays = list.part(PartId::overlays);
  ASSERT_NE(overlays, nullptr);
  // The key list: its lines as texts of the window's language.
  int texts = 0;
  for (int i = overlays->first; i < overlays->first + overlays->count; ++i) {
    texts += list.commands()[i].kind == DrawKind::text;
  }
  EXPECT_GT(texts, 15);
}

// One dot per record up to the step in each trail; the layer above keeps its key through
// playback and changes it with the view, the trails' keys with the view only.
TEST_F(DrawListTest, TrailsGrowWithTheStepAndKeysFollowWhatIsShown) {
  compose();
  const DrawCmd& red = list.commands()[list.part(PartId::red_trail)->first];
  EXPECT_EQ(red.kind, DrawKind::discs);
  EXPECT_EQ(red.count, 301);
  const std::uint64_t upper = list.part(PartId::upper)->key;
  const std::uint64_t trail = list.part(PartId::red_trail)->key;
  app.step = 450;
  compose();
  EXPECT_EQ(list.commands()[list.part(PartId::red_trail)->first].count, 451);
  EXPECT_EQ(list.part(PartId::upper)->key, upper);
  EXPECT_EQ(list.part(PartId::red_trail)->key, trail);
  app.view.view_dx += 0.01;
  compose();
  EXPECT_NE(list.part(PartId::upper)->key, upper);
  EXPECT_NE(list.part(PartId::red_trail)->key, trail);
}

// The captions in the 800-pixel fonts; smaller pictures take smaller fonts.
TEST_F(DrawListTest, TextsAndTheirFonts) {
  compose();
  const auto all = texts();
  for (const char* t : {"AGV Error and AGV Motion Error", "(1) 2DW1C AGV",
                        "(1) Rear Wheel Radius Error(L,R)=", "x(t) and error", "thin line:5*error",
                        "2DW1C  t = 6.00"}) {
    EXPECT_TRUE(has(all, t)) << t;
  }
  const auto font_of_title = [&](int px) {
    app.window_width = app.window_height = px;
    compose();
    return list.commands()[list.part(PartId::title)->first].font;
  };
  EXPECT_EQ(font_of_title(800), BitmapFontId::helvetica18);
  EXPECT_EQ(font_of_title(600), BitmapFontId::helvetica12);
  EXPECT_EQ(font_of_title(400), BitmapFontId::helvetica10);
}

// Thin lines and outlines are 2 pixels wide, the grid's 1 and 2, wide lines width x 400.
TEST_F(DrawListTest, LineWidths) {
  compose();
  const DrawPart& grid = *list.part(PartId::grid);
  int axes = 0;
  for (int i = grid.first; i < grid.first + grid.count; ++i) {
    axes += list.commands()[i].width == 2.0f ? 1 : 0;
  }
  EXPECT_EQ(axes, 2);
  bool thin_outline = false, axle = false;
  const DrawPart& vehicle = *list.part(PartId::red_vehicle);
  for (int i = vehicle.first; i < vehicle.first + vehicle.count; ++i) {
    const DrawCmd& c = list.commands()[i];
    thin_outline |= c.kind == DrawKind::line_loop && c.width == 2.0f;
    axle |= c.kind == DrawKind::lines && c.width == static_cast<float>(0.04 * 0.2 * 400.0);
  }
  EXPECT_TRUE(thin_outline);
  EXPECT_TRUE(axle);
}

// Side by side: the three types' names and deviations in place of the scene and charts,
// their vehicles, and the settings bar over it all with the marked value; composed again
// without growing a buffer.
TEST_F(DrawListTest, ThreeTypesSideBySideAndTheSettingsBar) {
  app.compare = true;
  app.bar_shown = true;
  app.session.error = {ErrorKind::rear_wheels, {3.0, -2.0}};
  app.live.selected = 1;
  app.language = Language::en;
  compose();
  compose_overlays(list, app_frame(app));
  app.language = Language::ja;
  const std::vector<std::string> all = texts();
  for (const char* t : {"(1) 2DW1C", "(2) 1FDW1FS", "(3) 1RDW1FS", "[-2]", "path 1 cosine"}) {
    EXPECT_TRUE(has(all, t)) << t;
  }
  EXPECT_EQ(list.part(PartId::upper), nullptr);
  EXPECT_EQ(list.part(PartId::chart_dots), nullptr);
  ASSERT_NE(list.part(PartId::compare), nullptr);
  const std::size_t commands = list.commands().capacity();
  compose();
  EXPECT_EQ(list.commands().capacity(), commands);
}

// The panels' texts shrink to a panel's width where the window's text size would not fit
// (English in the projector style of a wide window).
TEST_F(DrawListTest, SideBySideTextsFitTheirPanels) {
  app.compare = true;
  app.style = FrameStyle::projector;
  app.language = Language::en;
  app.window_width = 1600;
  app.window_height = 820;
  compose();
  const DrawPart& panels = *list.part(PartId::compare);
  int texts = 0;
  for (int i = panels.first; i < panels.first + panels.count; ++i) {
    const DrawCmd& c = list.commands()[i];
    if (c.kind != DrawKind::text) continue;
    ++texts;
    const double units = scalable_text_width(list.text_of(c), c.font.px) / (820 / 2.0);
    EXPECT_LE(units, compare_panel_width) << list.text_of(c);
  }
  EXPECT_GE(texts, 6);
  app.language = Language::ja;
}

// A frame seen before is composed again without growing any buffer.
TEST_F(DrawListTest, ComposingAgainAllocatesNothing) {
  compose();
  const std::size_t commands = list.commands().capacity();
  compose();
  EXPECT_EQ(list.commands().capacity(), commands);
}

// The JSON names every part and text and places window units in picture pixels, y down:
// the window centre of an 800 x 600 picture is pixel (400, 300).
TEST_F(DrawListTest, JsonInPicturePixels) {
  app.window_width = 800;
  app.window_height = 600;
  compose();
  const std::string json = frame_json(list, 800, 600);
  for (const char* t : {"\"name\":\"upper\"", "\"text\":\"x(t) and error\"", "\"width\":800",
                        "\"clip\":[100,0,600,600]", "\"kind\":\"discs\""}) {
    EXPECT_NE(json.find(t), std::string::npos) << t;
  }
  DrawList one;
  one.clear(600);
  one.begin_part(PartId::title, Retain::none, 0);
  one.disc({0.0, 0.5}, 0.1, color_red);
  one.end_part();
  EXPECT_NE(frame_json(one, 800, 600).find("\"centre\":[400,150],\"radius\":30"),
            std::string::npos);
}

// A translucent colour carries its opacity (the page blends with it), an opaque one none;
// written into a string of an earlier frame, the JSON replaces it in the same memory.
TEST_F(DrawListTest, JsonTellsTranslucencyAndReusesItsString) {
  DrawList one;
  one.clear(600);
  one.begin_part(PartId::title, Retain::none, 0);
  one.disc({0.0, 0.0}, 0.1, rgba{0.0f, 0.4f, 0.78f, 0.35f});
  one.disc({0.0, 0.0}, 0.1, rgba{1.0f, 0.0f, 0.0f, 1.0f});
  one.end_part();
  std::string json(4096, 'x');
  const char* memory = json.data();
  frame_json(one, 800, 600, &json);
  EXPECT_EQ(json.data(), memory);
  EXPECT_EQ(json, frame_json(one, 800, 600));
  EXPECT_NE(json.find("\"colour\":\"#0066c7\",\"alpha\":0.35,"), std::string::npos) << json;
  EXPECT_EQ(json.find("\"alpha\"", json.find("#ff0000")), std::string::npos);
}

}  // namespace
