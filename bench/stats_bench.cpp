// The plug-in's exports at growing log sizes, as a logging host calls them,
// and the score tool on a whole ADIF log. Runs in a fresh temporary folder so
// the report, settings and Cabrillo writes are real.
//
//   stats_bench            the full run (N = 1k, 10k, 100k)
//   stats_bench --smoke    a tiny run that only proves every case works

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/synthetic_log.h"
#include "stats/host_calls.h"
#include "stats/plugin.h"
#include "tools/adif_reader.h"
#include "tools/score_session.h"

namespace zelmar {
namespace {

const std::vector<stats::HostQso>& Qsos(size_t n) {
  static std::vector<stats::HostQso> qsos;
  if (qsos.size() != n) qsos = SyntheticQsos(n);
  return qsos;
}

// A QSO with a call sign of its own, stored last, so that searches for it
// run through the whole store.
stats::HostQso LastQso() {
  stats::HostQso q = Qsos(1).front();
  q.worked_call = "ZZ0LAST";
  q.exchange_received = "Z03";
  return q;
}

// Loads a log of `n` QSOs the way a host does. Returns the heap bytes the
// loaded store holds.
size_t Load(size_t n, int contest_log_flag) {
  stats::HostResetStats("UA3ZZZ", contest_log_flag);
  const size_t before = mallinfo2().uordblks;
  char message[128];
  for (const stats::HostQso& q : Qsos(n)) {
    stats::OverrideClock(&q.time);
    stats::HostCheckCall(q.worked_call, q.mode, q.band, message);
    stats::HostAddData(q);
  }
  stats::HostAddData(LastQso());
  stats::OverrideClock(nullptr);
  return mallinfo2().uordblks - before;
}

// Keeps one loaded store between benchmarks of the same size and flag.
void EnsureLoaded(size_t n, int contest_log_flag) {
  static size_t loaded_n = 0;
  static int loaded_flag = -1;
  if (loaded_n == n && loaded_flag == contest_log_flag) return;
  Load(n, contest_log_flag);
  loaded_n = n;
  loaded_flag = contest_log_flag;
}

size_t N(const benchmark::State& state) {
  return static_cast<size_t>(state.range(0));
}

// (a) ResetStats0, then CheckCall0 and AddData0 for each QSO.
void BM_LoadLog(benchmark::State& state) {
  size_t bytes = 0;
  for (auto _ : state) bytes = Load(N(state), 0);
  const double stored = static_cast<double>(stats::InspectState().store.size());
  state.counters["stored"] = stored;
  state.counters["bytes_per_qso"] = static_cast<double>(bytes) / stored;
  state.counters["store_bytes_per_qso"] =
      static_cast<double>(stats::InspectState().store.MemoryBytes()) / stored;
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(N(state)));
}

// (b) The same with GetResult0 after every QSO.
void BM_LoadLogWithResults(benchmark::State& state) {
  char message[128];
  int score;
  for (auto _ : state) {
    stats::HostResetStats("UA3ZZZ", 0);
    for (const stats::HostQso& q : Qsos(N(state))) {
      stats::OverrideClock(&q.time);
      stats::HostCheckCall(q.worked_call, q.mode, q.band, message);
      stats::HostAddData(q);
      benchmark::DoNotOptimize(GetResult0(&score));
    }
  }
  stats::OverrideClock(nullptr);
}

// (c) One CheckCall0 that matches nothing, and one that matches the last
// record in its tour.
void BM_CheckCallNoMatch(benchmark::State& state) {
  EnsureLoaded(N(state), 0);
  char message[128];
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        stats::HostCheckCall("ZZ9NONE", "CW", "20", message));
  }
}

void BM_CheckCallMatchLast(benchmark::State& state) {
  EnsureLoaded(N(state), 0);
  const stats::HostQso last = LastQso();
  stats::OverrideClock(&last.time);
  char message[128];
  for (auto _ : state) {
    if (stats::HostCheckCall(last.worked_call, last.mode, last.band, message) !=
        0) {
      state.SkipWithError("the last record did not match");
    }
  }
  stats::OverrideClock(nullptr);
}

// (d) One AddData0 of a duplicate of the last record.
void BM_AddDuplicateOfLast(benchmark::State& state) {
  EnsureLoaded(N(state), 0);
  const stats::HostQso last = LastQso();
  for (auto _ : state) benchmark::DoNotOptimize(stats::HostAddData(last));
}

// (e) One RemoveData0 of the last record (put back outside the timing).
void BM_RemoveLast(benchmark::State& state) {
  EnsureLoaded(N(state), 0);
  const stats::HostQso last = LastQso();
  for (auto _ : state) {
    benchmark::DoNotOptimize(stats::HostRemoveData(last));
    state.PauseTiming();
    stats::HostAddData(last);
    state.ResumeTiming();
  }
}

// (f) One GetResult0 without and with the Cabrillo log.
void BM_GetResult(benchmark::State& state) {
  const int flag = static_cast<int>(state.range(1));
  EnsureLoaded(N(state), flag);
  int score;
  for (auto _ : state) benchmark::DoNotOptimize(GetResult0(&score));
}

// (g) The score tool on a whole ADIF log: reading and the host session.
void BM_ScoreTool(benchmark::State& state) {
  const std::string adif = SyntheticAdif(Qsos(N(state)));
  SessionOptions options;
  options.own_call = "UA3ZZZ";
  for (auto _ : state) {
    std::vector<AdifRecord> records;
    AdifError error;
    if (!ReadAdif(adif, &records, &error)) state.SkipWithError("bad ADIF");
    benchmark::DoNotOptimize(RunSession(records, options));
  }
}

void Register(bool smoke) {
  const std::vector<int64_t> sizes =
      smoke ? std::vector<int64_t>{100}
            : std::vector<int64_t>{1000, 10000, 100000};
  const auto ms = benchmark::kMillisecond;
  const auto us = benchmark::kMicrosecond;
  for (int64_t n : sizes) {
    benchmark::RegisterBenchmark("LoadLog", BM_LoadLog)->Arg(n)->Unit(ms);
  }
  for (int64_t n :
       smoke ? std::vector<int64_t>{100} : std::vector<int64_t>{1000, 20000}) {
    benchmark::RegisterBenchmark("LoadLogWithResults", BM_LoadLogWithResults)
        ->Arg(n)
        ->Unit(ms);
  }
  // Grouped by size so that each size loads its store once.
  for (int64_t n : sizes) {
    benchmark::RegisterBenchmark("CheckCallNoMatch", BM_CheckCallNoMatch)
        ->Arg(n)
        ->Unit(us);
    benchmark::RegisterBenchmark("CheckCallMatchLast", BM_CheckCallMatchLast)
        ->Arg(n)
        ->Unit(us);
    benchmark::RegisterBenchmark("AddDuplicateOfLast", BM_AddDuplicateOfLast)
        ->Arg(n)
        ->Unit(us);
    benchmark::RegisterBenchmark("RemoveLast", BM_RemoveLast)->Arg(n)->Unit(us);
    benchmark::RegisterBenchmark("GetResult", BM_GetResult)
        ->Args({n, 0})
        ->Unit(us);
  }
  for (int64_t n : sizes) {
    benchmark::RegisterBenchmark("GetResult", BM_GetResult)
        ->Args({n, 1})
        ->Unit(ms);
  }
  for (int64_t n : sizes) {
    benchmark::RegisterBenchmark("ScoreTool", BM_ScoreTool)->Arg(n)->Unit(ms);
  }
}

}  // namespace
}  // namespace zelmar

int main(int argc, char** argv) {
  bool smoke = false;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) {
      smoke = true;
    } else {
      args.push_back(argv[i]);
    }
  }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("zelmar-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "Plugins");
  std::filesystem::current_path(dir);

  zelmar::Register(smoke);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::filesystem::current_path(dir.parent_path());
  std::filesystem::remove_all(dir);
  return 0;
}
