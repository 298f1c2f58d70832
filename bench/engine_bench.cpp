// Compile and generate over a template of 200,000 lines, one Text tag each,
// every answer empty.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/template_gen.h"
#include "platform/ui/script/script_run.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"

namespace {

std::string benchFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "qv-engine-bench";
  std::filesystem::create_directories(folder);
  return folder.string();
}

void BM_CompileAndGenerate(benchmark::State& bench) {
  const std::string folder = benchFolder();
  const std::string templatePath = folder + "/bench.vbt";
  const std::string targetPath = folder + "/bench.vbs";
  qv::bench::writeBenchTemplate(templatePath);
  const auto bytes = std::filesystem::file_size(templatePath);

  for (auto _ : bench) {
    qv::wizard::WizardState state;
    state.templatePath = templatePath;
    state.targetPath = targetPath;
    const auto run = qv::ui::script::runScriptText("", [&](qv::ui::Platform& platform) {
      qv::ui::Ui& ui = platform.ui();
      return qv::wizard::compileTemplate(state, ui) && qv::wizard::generateScript(state, ui) ? 0
                                                                                             : 1;
    });
    if (run.exitCode != 0) bench.SkipWithError("compile or generate failed");
    state.releaseParamList();  // inside the timing: releasing belongs to a run
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * bytes));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CompileAndGenerate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
