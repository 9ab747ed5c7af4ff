// The chart command through the built tool, on a database made with the tool itself.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

// Anna and Bob; Milk in Food, bought by Anna (30) and for all (20) in May 2004.
class ChartCommandTest : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Ok({"add-person", "Anna"});
    Ok({"add-person", "Bob"});
    Ok({"add-category", "Food"});
    Ok({"add-item", "Food", "Milk"});
    Ok({"record", "Food", "Milk", "2004-05-03", "Anna", "30"});
    Ok({"record", "Food", "Milk", "2004-05-04", "for all", "20"});
  }
};

bool HasColour(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) return true;
  }
  return false;
}

// The description's format is pinned by the statistics test; here, what the options chose.
TEST_F(ChartCommandTest, DescribePrintsTheFilledChart) {
  // Anna 30 + 10 and Bob 10: the largest, 40, gives the scale 44 by 4.4.
  const std::string described = Ok({"chart", "persons-of-item", "Food", "Milk", "--style", "3dpie",
                                    "--month", "2004 May", "--describe"});
  for (const char* line :
       {"\ngraph type 32 \"3D pie chart\"\n", "\nscale minimum 0 maximum 44 step 4 ticks 11\n",
        "\nlabel 0 \"Anna\"\nlabel 1 \"Bob\"\n", "\nseries \"2004 May\" 0:40 1:10\n"}) {
    EXPECT_NE(described.find(line), std::string::npos) << line << described;
  }
}

TEST_F(ChartCommandTest, WritesPngAndSvgAndTracesTheDrawing) {
  const std::string png = work.path() + "/persons.png";
  Ok({"chart", "persons-of-item-by-months", "Food", "Milk", "-o", png});
  QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(800, 600));
  EXPECT_TRUE(HasColour(image, qRgb(0, 192, 0)));     // Anna's segment
  EXPECT_TRUE(HasColour(image, qRgb(0, 192, 192)));   // Bob's
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));  // the white background inside the border

  const std::string svg = work.path() + "/categories.SVG";  // the suffix in any case
  Ok({"chart", "categories", "--size", "400x300", "-o", svg});
  const std::string text = work.Read("categories.SVG");
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("viewBox=\"0 0 400 300\""), std::string::npos);
  EXPECT_NE(text.find("Expenses"), std::string::npos);

  const std::string trace = Ok({"chart", "categories", "--trace", "--size", "400x300"});
  EXPECT_EQ(trace.substr(0, trace.find("restore-brush")), "brush #ffffff\nrect 0 0 400 300\n");
  EXPECT_NE(trace.find("\"Category's statictics\"\n"), std::string::npos);
}

TEST_F(ChartCommandTest, RefusesWhatDoesNotFit) {
  ProcessResult style = Cli({"chart", "categories", "--style", "line", "--describe"});
  EXPECT_EQ(style.status, 1);
  EXPECT_NE(style.err.find("a totals statistic: use bar, pie, 3dbar or 3dpie"), std::string::npos);
  EXPECT_EQ(Cli({"chart", "categories-by-months", "--style", "pie", "--describe"}).status, 1);
  EXPECT_EQ(Cli({"chart", "categories", "--month", "2004 June", "--describe"}).status, 1);
  EXPECT_EQ(Cli({"chart", "categories-by-months", "--month", "2004 May", "--describe"}).status, 1);
  EXPECT_EQ(Cli({"chart", "categories", "--last", "2", "--describe"}).status, 1);
  EXPECT_EQ(Cli({"chart", "items-of-category", "Drinks", "--describe"}).status, 1);
  EXPECT_EQ(
      Cli({"chart", "categories-of-person-in-month", "Anna", "2004 June", "--describe"}).status, 1);
  EXPECT_EQ(Cli({"chart", "categories"}).status, 2);  // nowhere to put it
  EXPECT_EQ(Cli({"chart", "categories", "-o", work.path() + "/chart.jpg"}).status, 2);
  // A refusal reads nothing: no file was made for the unknown category.
  EXPECT_EQ(work.Read("data/BASE/categories/Drinks.txt"), "<missing>");
}

}  // namespace
}  // namespace kestrune::testing
