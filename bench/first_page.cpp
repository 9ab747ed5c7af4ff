#include "bench/first_page.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <vector>

namespace kestrune::bench {
namespace {

constexpr int kPatienceMs = 60000;

// The preferences a session that ended on the item page leaves.
void WriteSettings(const QString& path, const OpenedSet& set, bool all_months) {
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue("Config/Show", all_months ? "ALL" : "MONTH");
  settings.setValue("Status/SelectedCat", QString::fromStdString(set.category()));
  settings.setValue("Status/SelectedItem", QString::fromStdString(set.item()));
  settings.sync();
}

// One start: the time until the probe says the page is shown.
std::optional<double> TimeOneStart(const std::string& probe, const OpenedSet& set,
                                   bool all_months) {
  QTemporaryDir profile;
  const QString settings = profile.filePath("settings.ini");
  WriteSettings(settings, set, all_months);
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer timer;
  timer.start();
  process.start(QString::fromStdString(probe), {QString::fromStdString(set.workdir()), settings});
  std::optional<double> shown;
  while (!shown && process.waitForReadyRead(kPatienceMs)) {
    while (process.canReadLine()) {
      if (process.readLine().trimmed() == "shown") shown = timer.nsecsElapsed() / 1e6;
    }
  }
  if (!process.waitForFinished(kPatienceMs)) process.kill();
  return shown;
}

// A line "STEP LONGEST TOTAL" of the blocked-time benchmark.
void ReadBlockedLine(const QByteArray& line, std::map<std::string, BlockedTime>& steps) {
  std::istringstream words(line.trimmed().toStdString());
  std::string step;
  BlockedTime time;
  if (words >> step >> time.longest_ms >> time.total_ms) steps[step] = time;
}

}  // namespace

std::map<std::string, BlockedTime> MeasureBlockedTime(const std::string& tool,
                                                      const OpenedSet& set) {
  if (!std::filesystem::exists(tool)) return {};
  QTemporaryDir profile;
  const QString settings = profile.filePath("settings.ini");
  WriteSettings(settings, set, /*all_months=*/true);
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(QString::fromStdString(tool), {QString::fromStdString(set.workdir()), settings});
  std::map<std::string, BlockedTime> steps;
  if (!process.waitForFinished(kPatienceMs * 3)) process.kill();
  while (process.canReadLine()) ReadBlockedLine(process.readLine(), steps);
  if (process.exitCode() != 0) {
    std::cerr << "The blocked-time benchmark failed on the " << set.set().label << "\n";
    return {};
  }
  return steps;
}

std::optional<double> MedianFirstPage(const std::string& probe, const OpenedSet& set, int starts,
                                      bool all_months) {
  if (!std::filesystem::exists(probe)) return std::nullopt;
  std::vector<double> times;
  for (int i = 0; i < starts; ++i) {
    if (const std::optional<double> ms = TimeOneStart(probe, set, all_months)) {
      times.push_back(*ms);
    }
  }
  if (times.empty()) {
    std::cerr << "The first page was never shown on the " << set.set().label << "\n";
    return std::nullopt;
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace kestrune::bench
