// The chart's records, scale, palette and shading rules.
#include <gtest/gtest.h>

#include <tuple>

#include "chart_test_support.h"
#include "charts/colour.h"
#include "charts/graph_type.h"
#include "charts/palette.h"
#include "charts/recording_canvas.h"

namespace kestrune::charts {
namespace {

TEST(ChartScale, TickCountIsTheCeilingOfRangeOverStepAndABadScaleIsRefused) {
  ChartCtrl chart(kBarChart);
  EXPECT_EQ(chart.tick_count(), 10);  // the default scale 0..100 by 10
  struct Case {
    int minimum, maximum, step, ticks;
  };
  for (const Case& c : {Case{0, 10, 1, 10}, Case{0, 25, 10, 3}, Case{0, 100, 30, 4},
                        Case{-50, 50, 25, 4}, Case{0, 11, 1, 11}, Case{0, 220, 22, 10}}) {
    ASSERT_TRUE(chart.SetScale(c.minimum, c.maximum, c.step));
    EXPECT_EQ(chart.tick_count(), c.ticks) << c.minimum << ".." << c.maximum << " by " << c.step;
  }
  // A zero step or an empty range keeps the scale as it was.
  EXPECT_FALSE(chart.SetScale(0, 10, 0));
  EXPECT_FALSE(chart.SetScale(5, 5, 1));
  EXPECT_FALSE(chart.SetScale(10, 0, 1));
  EXPECT_EQ(std::make_tuple(chart.scale_minimum(), chart.scale_maximum(), chart.scale_step()),
            std::make_tuple(0, 220, 22));
  EXPECT_EQ(chart.tick_count(), 10);
}

TEST(ChartPalette, SlotTwentyTwoTakesTwoEntriesAndTheCategoriesPastThe133rdGetNone) {
  ChartCtrl chart(kBarChart);
  chart.AddStandardColours(25);
  ASSERT_EQ(chart.colours().size(), 26u);
  EXPECT_EQ(chart.ColourAt(22), Rgb(128, 0, 0));    // maroon for category 22
  EXPECT_EQ(chart.ColourAt(23), Rgb(0, 0, 128));    // category 23 shows navy
  EXPECT_EQ(chart.ColourAt(24), Rgb(0, 192, 192));  // category 24 shows slot 1
  EXPECT_EQ(
      std::vector({chart.colours()[22].key, chart.colours()[23].key, chart.colours()[24].key}),
      (std::vector{22, 22, 1}));
  // No slot past the 133rd category; slot 22 at 44, as 22k must stay below the position.
  EXPECT_EQ(std::vector({PaletteSlotFor(23), PaletteSlotFor(44), PaletteSlotFor(45),
                         PaletteSlotFor(132), PaletteSlotFor(133)}),
            (std::vector{1, 22, 1, 22, -1}));
  chart = ChartCtrl(kBarChart);
  chart.AddStandardColours(140);
  // 133 categories with a slot, six of them slot 22 (22, 44, 66, 88, 110, 132).
  ASSERT_EQ(chart.colours().size(), 139u);
  EXPECT_EQ(chart.ColourAt(137), Rgb(128, 0, 0));
  EXPECT_EQ(chart.ColourAt(138), Rgb(0, 0, 128));
  EXPECT_EQ(chart.ColourAt(139), kBlack);
}

TEST(ChartShading, ComponentsAreClampedToTheByteRange) {
  const Colour colour = Rgb(20, 240, 100);
  EXPECT_EQ(Shade(colour, -35), Rgb(0, 205, 65));
  EXPECT_EQ(Shade(colour, 35), Rgb(55, 255, 135));
  EXPECT_EQ(Shade(colour, -55), Rgb(0, 185, 45));
}

// The drawing tests read the recording back (shapes, brushes, fonts, the message); a text
// stays one line whatever quotes, backslashes or line breaks a name holds.
TEST(RecordingCanvas, ATextStaysOneQuotedLine) {
  RecordingCanvas canvas(Size{10, 10}, testing::kMetrics);
  canvas.TextOut(Point{-1, 2}, "say \"hi\"\\\nbye");
  EXPECT_EQ(canvas.Text(), "text -1 2 \"say \\\"hi\\\"\\\\\\nbye\"\n");
}

}  // namespace
}  // namespace kestrune::charts
