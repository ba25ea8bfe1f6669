#pragma once
// Console output as usual, then each benchmark's median CPU time as a
// multiple of the floor's, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class FloorReporter : public benchmark::ConsoleReporter {
 public:
  explicit FloorReporter(std::string floor) : floor_(std::move(floor)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With repetitions only the median counts; without, the single run.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median)
        cpu_us_[run.run_name.function_name] =
            run.GetAdjustedCPUTime() * 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto floor = cpu_us_.find(floor_);
    if (floor == cpu_us_.end() || floor->second <= 0) return;
    std::printf("\nCPU time per operation against %s (%.1f us):\n", floor_.c_str(), floor->second);
    for (const auto& [name, us] : cpu_us_)
      std::printf("  %-24s %8.1f us  %5.2f x floor\n", name.c_str(), us, us / floor->second);
  }

 private:
  std::string floor_;
  std::map<std::string, double> cpu_us_;
};
