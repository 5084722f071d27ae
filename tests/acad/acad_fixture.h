// Reading the machines kept as .reg files beside the tests, writing small ones on the spot, and
// describing what discovery made of them in one line per installation.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/portable/memory_registry.h"
#include "installer/acad/acad_install_table.h"

namespace torvek::acad::testing {

// The UTF-8 text of tests/acad/fixtures/`name`.
std::string Fixture(const std::string& name);

// "2008 | C:\Program Files (x86)\AutoCAD 2008 | HKEY_LOCAL_MACHINE\...\ACAD-6001:804" for
// each installation, releases in release order, installations in the order found.
std::vector<std::string> Installations(const AcadInstallTable& table, platform::Registry& registry);

// A kind of machine this build can make (under Wine only the prefix's own), for the cases that
// do not depend on the kind.
portable::RegistryView AnyView();
// Where a 32-bit program finds AutoCAD's release keys on a machine of that kind, below
// HKEY_LOCAL_MACHINE, ending in a backslash.
std::string AcadRoot(portable::RegistryView view);

// A .reg file (UTF-8) holding one AutoCAD installation per (release year, location), each in a
// release key of its own, where discovery finds it on a machine of that kind.
std::string InstallationsReg(portable::RegistryView view,
                             std::initializer_list<std::pair<int, std::string>> installations);

ReleaseChoices Choose(std::initializer_list<int> years);

}  // namespace torvek::acad::testing
