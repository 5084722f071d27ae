// A .reg file of many values in one key, as support staff get them from machines where some
// program fills one key: the import (every value is looked up by name before it is set) and the
// export of the same registry. The argument is the number of values; a time that grows faster
// than it does is a lookup that scans the key.
//
//   reg_file_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <string>

#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"

namespace {

using torvek::portable::MemoryRegistry;
using torvek::portable::RegistryView;

std::string ManyValues(long count) {
  std::string file = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R17.1]\r\n";
  for (long i = 0; i < count; ++i)
    file += "\"Value" + std::to_string(i) + "\"=\"C:\\\\Program Files\\\\AutoCAD\"\r\n";
  return file;
}

void BM_ImportManyValues(benchmark::State& state) {
  const std::string file = ManyValues(state.range(0));
  for (auto _ : state) {
    MemoryRegistry registry(RegistryView::kPlain32);
    if (!torvek::portable::ImportRegFile(registry, file).ok())
      state.SkipWithError("the file did not import");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportManyValues)
    ->Arg(10'000)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

void BM_ExportManyValues(benchmark::State& state) {
  MemoryRegistry registry(RegistryView::kPlain32);
  if (!torvek::portable::ImportRegFile(registry, ManyValues(state.range(0))).ok())
    state.SkipWithError("the file did not import");
  std::string out;
  for (auto _ : state) {
    if (!torvek::portable::ExportRegFile(registry, torvek::portable::RegFileFormat::kUtf16, out)
             .ok()) {
      state.SkipWithError("the registry did not export");
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportManyValues)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
