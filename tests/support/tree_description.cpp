#include "tests/support/tree_description.h"

#include <algorithm>
#include <cstdio>

#include "common/text/code_page.h"
#include "common/text/cp936_text.h"

namespace torvek::engine {

namespace {

std::uint64_t Fnv1a(const std::string& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string ReadAll(platform::FileSystem& files, const std::string& path) {
  // Text mode would hide the CR LF that matters here; the bytes are read through the lines
  // with their line feeds, and CR LF on disk is what the writers produced.
  platform::WinError error = platform::kErrorSuccess;
  auto stream = files.OpenText(path.c_str(), platform::TextMode::kRead, error);
  std::string all;
  std::string line;
  while (stream && stream->ReadLine(line) == platform::ReadStatus::kLine) {
    if (!line.empty() && line.back() == '\n')
      line.replace(line.size() - 1, 1, "\r\n");
    all += line;
  }
  return all;
}

void Describe(platform::FileSystem& files, const std::string& folder, std::string& out) {
  std::vector<platform::FindData> entries;
  platform::FindData entry;
  std::unique_ptr<platform::DirectorySearch> search;
  if (files.FindFirst((folder + "\\*.*").c_str(), entry, search) == platform::kErrorSuccess) {
    do {
      if (entry.name != "." && entry.name != "..")
        entries.push_back(entry);
    } while (search->Next(entry) == platform::kErrorSuccess);
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return ToUpperAscii(a.name) < ToUpperAscii(b.name);
  });
  for (const platform::FindData& found : entries) {
    const std::string path = folder + "\\" + found.name;
    std::string utf8;
    if (!Cp936ToUtf8(path, utf8))
      utf8 = path;
    char line[128];
    if ((found.attributes & platform::kAttributeDirectory) != 0) {
      std::snprintf(line, sizeof line, "  attributes %02x\n", found.attributes);
      out += utf8 + line;
      Describe(files, path, out);
    } else {
      const std::string bytes = ReadAll(files, path);
      std::snprintf(line, sizeof line, "  attributes %02x  size %zu  fnv1a %016llx\n",
                    found.attributes, bytes.size(), static_cast<unsigned long long>(Fnv1a(bytes)));
      out += utf8 + line;
      // Loader files are what the installation is about: their lines are shown as well.
      if (EqualsNoCase(found.name, "acad.rx")) {
        std::string text;
        if (!Cp936ToUtf8(bytes, text))
          text = bytes;
        for (std::size_t start = 0; start < text.size();) {
          std::size_t end = text.find('\n', start);
          if (end == std::string::npos)
            end = text.size();
          std::string shown = text.substr(start, end - start);
          if (!shown.empty() && shown.back() == '\r')
            shown.replace(shown.size() - 1, 1, " <CR>");
          out += "    | " + shown + "\n";
          start = end + 1;
        }
      }
    }
  }
}

}  // namespace

std::string DescribeTree(platform::FileSystem& files, const std::vector<std::string>& roots) {
  std::string out;
  for (const std::string& root : roots)
    Describe(files, root, out);
  return out;
}

}  // namespace torvek::engine
