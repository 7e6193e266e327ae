// The host at full scale: plans of 1,000 and 10,000 tasks over 100 calendar days at a unit
// of 60 minutes drawn as a user would: kvDrawCalendar, kvWBSReschedule, kvDrawProgressLines
// and a second kvWBSReschedule over the existing chart. Each run happens in a child process,
// so its peak memory (the child's ru_maxrss) is its own; seconds are the best and median of
// the runs. The drawn 1,000-task plan is saved as JSON and its size reported.
//
// Usage: host_scale_bench [runs for 1,000 tasks] [runs for 10,000 tasks]   (default 5 and 3)
// Run it under a memory limit (ulimit -v) so that a blow-up ends the child, not the machine.

#include "automation/message_box.h"
#include "base/clock.h"
#include "host/automation/workbook_host.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"
#include "support/plan_workbook.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDays = 100;
constexpr int kUnit = 60;
constexpr int kSteps = 4;
const char* const kStepNames[kSteps] = {"kvDrawCalendar", "kvWBSReschedule", "kvDrawProgressLines",
                                        "kvWBSReschedule again"};

struct Sample {
  double seconds[kSteps] = {};
  double savedBytes = 0;  // 0 when not saved
  double peakMb = 0;
  bool ok = false;
};

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// One run in this process; fills the step times and, when asked, the saved size.
void RunPlan(int tasks, bool save, Sample* out) {
  korvat::host::WorkbookHost host(
      korvat::test::GeneratePlan({.tasks = tasks, .days = kDays, .calendarUnit = kUnit}));
  korvat::SetMessageSink([](const korvat::MessageBoxRequest&) { return 1; });
  korvat::SetFixedNow(46363.0 + korvat::test::Clock(12, 0));
  kvInit();
  korvat::ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvSetWorkBook(&book);
  auto start = std::chrono::steady_clock::now();
  kvDrawCalendar(kUnit);
  out->seconds[0] = Seconds(start);
  start = std::chrono::steady_clock::now();
  kvWBSReschedule();
  out->seconds[1] = Seconds(start);
  start = std::chrono::steady_clock::now();
  kvDrawProgressLines();
  out->seconds[2] = Seconds(start);
  start = std::chrono::steady_clock::now();
  kvWBSReschedule();
  out->seconds[3] = Seconds(start);
  kvQuit();
  workbook.Reset();
  if (save) out->savedBytes = static_cast<double>(korvat::host::file::WorkbookToText(host.Model()).size());
  korvat::SetMessageSink({});
  out->ok = true;
}

// The run in a child process: its figures come back through a pipe, its peak memory from wait4.
Sample RunInChild(int tasks, bool save) {
  Sample sample;
  int fds[2];
  if (pipe(fds) != 0) return sample;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    Sample mine;
    RunPlan(tasks, save, &mine);
    const ssize_t written = write(fds[1], &mine, sizeof mine);
    _exit(written == static_cast<ssize_t>(sizeof mine) ? 0 : 1);
  }
  close(fds[1]);
  Sample got;
  const ssize_t n = pid > 0 ? read(fds[0], &got, sizeof got) : -1;
  close(fds[0]);
  int status = 0;
  rusage usage{};
  if (pid > 0) wait4(pid, &status, 0, &usage);
  if (n == static_cast<ssize_t>(sizeof got) && WIFEXITED(status) && WEXITSTATUS(status) == 0) sample = got;
  sample.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  return sample;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

double Best(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

struct Summary {
  double firstThree = 0;  // median seconds of draw + reschedule + progress lines
  double peakMb = 0;      // the largest peak of the runs
  double secondRatio = 0; // median of second / first reschedule
  bool ok = false;
};

Summary Report(int tasks, int runs) {
  std::vector<Sample> samples;
  for (int i = 0; i < runs; ++i) {
    Sample s = RunInChild(tasks, tasks == 1000 && i == 0);
    if (!s.ok) {
      std::printf("%6d tasks: run %d failed (killed or out of memory), peak %.0f MB\n", tasks, i + 1, s.peakMb);
      return {};
    }
    samples.push_back(s);
  }
  std::printf("%6d tasks over %d days at unit %d, %d runs (best / median seconds):\n", tasks, kDays, kUnit, runs);
  Summary summary;
  summary.ok = true;
  std::vector<double> three, ratio, peaks;
  for (int step = 0; step < kSteps; ++step) {
    std::vector<double> v;
    for (const Sample& s : samples) v.push_back(s.seconds[step]);
    std::printf("  %-24s %8.3f / %8.3f\n", kStepNames[step], Best(v), Median(v));
  }
  for (const Sample& s : samples) {
    three.push_back(s.seconds[0] + s.seconds[1] + s.seconds[2]);
    ratio.push_back(s.seconds[1] > 0 ? s.seconds[3] / s.seconds[1] : 0);
    peaks.push_back(s.peakMb);
  }
  summary.firstThree = Median(three);
  summary.peakMb = *std::max_element(peaks.begin(), peaks.end());
  summary.secondRatio = Median(ratio);
  std::printf("  %-24s %8.3f / %8.3f\n", "draw+reschedule+progress", Best(three), Median(three));
  std::printf("  peak memory               %8.0f / %8.0f MB (best / median)\n", Best(peaks), Median(peaks));
  std::printf("  second / first reschedule %8.2f / %8.2f (best / median)\n", Best(ratio), Median(ratio));
  if (samples.front().savedBytes > 0)
    std::printf("  saved JSON of the drawn plan: %.2f MB\n", samples.front().savedBytes / (1024.0 * 1024.0));
  return summary;
}

}  // namespace

int main(int argc, char** argv) {
  const int smallRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int largeRuns = argc > 2 ? std::max(0, std::atoi(argv[2])) : 3;
  std::fflush(stdout);
  const Summary small = Report(1000, smallRuns);
  std::fflush(stdout);
  Summary large;
  if (largeRuns > 0) large = Report(10000, largeRuns);
  std::printf("aims: 1,000 tasks %s (2 s, 1 GB); 10,000 tasks %s (30 s, 2 GB); second reschedule %s (1.2x)\n",
              small.ok && small.firstThree <= 2 && small.peakMb <= 1024 ? "met" : "not met",
              large.ok && large.firstThree <= 30 && large.peakMb <= 2048 ? "met" : "not met",
              small.ok && small.secondRatio <= 1.2 && (!large.ok || large.secondRatio <= 1.2) ? "met" : "not met");
  return 0;
}
