// chart-demo: draws a fixed sample chart into a PNG or SVG file, or lists its drawing calls.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <vector>

#include "charts/chart_ctrl.h"
#include "charts/graph_type.h"
#include "cli/chart_output.h"
#include "cli/cli_run.h"
#include "cli/command_output.h"

namespace kestrune::cli {
namespace {

using charts::ChartCtrl;

struct ChartDemoArgs {
  int type = charts::kBarChart;
  std::string output;
  bool trace = false;
  std::string size = "800x600";
};

// Two months of a household's five categories, scaled as the statistics scale them: to
// 1.1 times the larger monthly sum, in ten steps.
ChartCtrl SampleChart(int type) {
  ChartCtrl chart(type);
  chart.SetTitle("Sample statistics");
  chart.SetXAxisTitle("Months");
  chart.SetYAxisTitle("Expenses");
  const std::vector<std::string> categories = {"Food", "Housing", "Transport", "Leisure", "Health"};
  for (int i = 0; i < static_cast<int>(categories.size()); ++i) chart.AddLabel(i, categories[i]);
  const std::vector<std::pair<std::string, std::vector<int>>> months = {
      {"2004 January", {90, 60, 30, 15, 5}}, {"2004 February", {70, 65, 20, 25, 10}}};
  for (const auto& [name, values] : months) {
    charts::ChartSeries series(name);
    for (int i = 0; i < static_cast<int>(values.size()); ++i) series.AddPoint(i, values[i]);
    chart.AddSeries(std::move(series));
  }
  if (!chart.SetScale(0, 220, 22)) std::cerr << "chart-demo: sample scale refused\n";
  chart.AddStandardColours(static_cast<int>(categories.size()));
  return chart;
}

int RunImage(const ChartDemoArgs& args, charts::Size size) {
  const std::optional<render::ImageFormat> format = render::ImageFormatFor(args.output);
  if (!format) {
    std::cerr << "usage: the output file must end in .png or .svg: " << args.output << "\n";
    return kExitUsage;
  }
  ChartCtrl chart = SampleChart(args.type);
  return WriteChartImage(chart, size, args.output, *format);
}

int RunChartDemo(const ChartDemoArgs& args) {
  charts::Size size;
  if (!ParseChartSize(args.size, size)) {
    std::cerr << "usage: --size takes WIDTHxHEIGHT, each 1 to " << kLargestChartSide << ": "
              << args.size << "\n";
    return kExitUsage;
  }
  if (args.trace) {
    ChartCtrl chart = SampleChart(args.type);
    return PrintOutput(ChartTraceText(chart, size));
  }
  if (args.output.empty()) {
    std::cerr << "usage: chart-demo needs -o FILE.png|FILE.svg or --trace\n";
    return kExitUsage;
  }
  return RunImage(args, size);
}

}  // namespace

void AddChartDemoCommands(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<ChartDemoArgs>();
  auto* sub = app.add_subcommand("chart-demo", "draw a sample chart (two months, five categories)");
  const std::vector<int> types(charts::kGraphTypes.begin(), charts::kGraphTypes.end());
  sub->add_option("--type", args->type,
                  "graph type: 0 bar, 1 line, 2 pie, 20 stacked bar, "
                  "30, 31, 32, 320 their 3D forms")
      ->check(CLI::IsMember(types))
      ->capture_default_str();
  auto* output =
      sub->add_option("-o,--output", args->output, "write the chart to FILE.png or FILE.svg");
  sub->add_flag("--trace", args->trace, "print every drawing call, one per line, instead")
      ->excludes(output);
  sub->add_option("--size", args->size, "drawing size WIDTHxHEIGHT")->capture_default_str();
  sub->callback([&run, args] { run.action = [args](CliRun&) { return RunChartDemo(*args); }; });
}

}  // namespace kestrune::cli
