// What both copy benchmarks share: the kit they copy and a page that asks nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "installer/engine/install_page.h"

namespace torvek::bench {

// Sizes from 200 bytes to 2 MB, most of them small, as a kit's settings, libraries and
// modules are: 1000 files, about 60 MB in all.
inline constexpr int kKitFiles = 1000;
void MakeKit(const std::filesystem::path& kit);

class QuietPage : public engine::InstallPage, public engine::InstallProgress {
 public:
  engine::InstallProgress& Progress() override { return *this; }
  platform::MessageBoxAnswer Ask(const char*, const char*, platform::MessageBoxButtons,
                                 platform::MessageBoxIcon) override {
    return platform::MessageBoxAnswer::kAbort;
  }
  void CloseAsCancelled() override {}
  void SetRange(int, int) override {}
  void SetStep(int) override {}
  void SetPos(int) override {}
  void StepIt() override {}
};

double Median(std::vector<double> values);

}  // namespace torvek::bench
