// Reading the machines kept as .reg files beside the tests, and describing what discovery made
// of them in one line per installation.
#pragma once

#include <string>
#include <vector>

#include "installer/acad/acad_install_table.h"

namespace torvek::acad::testing {

// The UTF-8 text of tests/acad/fixtures/`name`.
std::string Fixture(const std::string& name);

// "2008 | C:\Program Files (x86)\AutoCAD 2008 | HKEY_LOCAL_MACHINE\...\ACAD-6001:804" for
// each installation, releases in release order, installations in the order found.
std::vector<std::string> Installations(const AcadInstallTable& table, platform::Registry& registry);

}  // namespace torvek::acad::testing
