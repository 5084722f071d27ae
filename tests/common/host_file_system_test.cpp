// What only the portable file system has: the drive map onto a host tree, host names in UTF-8, a
// read-only drive, and the fault wrapper the installer's tests lean on. Built for Windows too,
// where the host is Windows' own disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/portable/host_file_system.h"
#include "common/testing/faulty_file_system.h"
#include "tests/support/scratch_folder.h"

namespace torvek::portable {
namespace {

namespace fs = std::filesystem;
using namespace platform;
using torvek::testing::FaultyFileSystem;
using Operation = FaultyFileSystem::Operation;

fs::path U8(const char8_t* name) {
  return fs::path(name);
}

class HostFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "c" / "Program Files" / "Torvek");
    fs::create_directories(root_ / "cd" / "Kit");
    HostWrite(root_ / "c" / "Program Files" / "Torvek" / "ACAD.RX", "line\r\n");
    HostWrite(root_ / "cd" / "Kit" / "torvek.arx", "module");
    files_ = std::make_unique<HostFileSystem>(std::map<char, fs::path>{{'c', root_ / "c"}},
                                              "C:\\Program Files", "C:\\Temp");
  }

  static void HostWrite(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
  }
  static std::string HostRead(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  torvek::testing::ScratchFolder scratch_{"torvek-host-"};
  const fs::path& root_ = scratch_.Path();
  std::unique_ptr<HostFileSystem> files_;
};

TEST_F(HostFiles, DrivesMapOntoHostFoldersWhateverTheCase) {
  EXPECT_EQ(files_->CurrentDirectory(), "C:\\Program Files");
  EXPECT_EQ(files_->TempDirectory(), "C:\\Temp\\");
  EXPECT_EQ(files_->GetAttributes("c:\\PROGRAM FILES\\torvek\\acad.rx"), kAttributeArchive);
  // Relative to the current directory, drive-relative, and through "..".
  EXPECT_EQ(files_->GetAttributes("TORVEK\\Acad.Rx"), kAttributeArchive);
  EXPECT_EQ(files_->GetAttributes("c:torvek"), kAttributeDirectory);
  EXPECT_EQ(files_->GetAttributes("..\\..\\program files\\.\\Torvek"), kAttributeDirectory);

  // Existing components keep their host spelling; a new one is made as it is written.
  fs::path host;
  ASSERT_TRUE(files_->HostPath("C:\\PROGRAM FILES\\TORVEK\\New.cfg", host));
  EXPECT_EQ(host, root_ / "c" / "Program Files" / "Torvek" / "New.cfg");
  ASSERT_EQ(files_->CopyFile("torvek\\acad.rx", "TORVEK\\New.cfg", false), kErrorSuccess);
  EXPECT_EQ(HostRead(host), "line\r\n");

  EXPECT_EQ(files_->CreateDirectory("D:\\Kit"), kErrorPathNotFound);
  files_->MapDrive('d', root_ / "cd");
  EXPECT_EQ(files_->GetAttributes("D:\\KIT\\Torvek.ARX"), kAttributeArchive);
  files_->SetCurrentDirectory("d:\\kit\\..\\Kit\\");
  EXPECT_EQ(files_->CurrentDirectory(), "D:\\Kit");
  EXPECT_EQ(files_->GetAttributes("torvek.arx"), kAttributeArchive);
}

TEST_F(HostFiles, AnExactNameWinsOverOneInAnotherCase) {
  const fs::path folder = root_ / "c" / "Program Files" / "Torvek";
  HostWrite(folder / "acad.rx", "lower");
  // Only a host that tells names apart by case can hold both spellings (Linux, not Windows).
  if (HostRead(folder / "ACAD.RX") == "lower")
    GTEST_SKIP() << "the host ignores case";
  fs::path host;
  ASSERT_TRUE(files_->HostPath("C:\\Program Files\\Torvek\\acad.rx", host));
  EXPECT_EQ(host, folder / "acad.rx");
  ASSERT_TRUE(files_->HostPath("C:\\Program Files\\Torvek\\ACAD.RX", host));
  EXPECT_EQ(host, folder / "ACAD.RX");
}

// A folder's names are read once and kept: whatever changes the folder, through this class or
// behind its back, shows at the next lookup in another case.
TEST_F(HostFiles, NamesInAnotherCaseFollowEveryChangeOfTheirFolder) {
  const char kNew[] = "C:\\Program Files\\Torvek\\NEW.CFG";
  EXPECT_EQ(files_->GetAttributes(kNew), kInvalidAttributes);
  ASSERT_EQ(files_->CopyFile("torvek\\acad.rx", "Torvek\\new.cfg", false), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes(kNew), kAttributeArchive);
  ASSERT_EQ(files_->MoveFile(kNew, "torvek\\Moved.cfg", true), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes(kNew), kInvalidAttributes);
  ASSERT_EQ(files_->DeleteFile("torvek\\MOVED.CFG"), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes("torvek\\moved.cfg"), kInvalidAttributes);
  ASSERT_EQ(files_->CreateDirectory("torvek\\Sub"), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes("torvek\\SUB"), kAttributeDirectory);
  ASSERT_EQ(files_->RemoveDirectory("torvek\\sub"), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes("torvek\\SUB"), kInvalidAttributes);

  const fs::path late = root_ / "c" / "Program Files" / "Torvek" / "late.cfg";
  HostWrite(late, "made by another program");
  EXPECT_EQ(files_->GetAttributes("torvek\\LATE.CFG"), kAttributeArchive);
  fs::remove(late);
  EXPECT_EQ(files_->GetAttributes("torvek\\LATE.CFG"), kInvalidAttributes);
}

TEST_F(HostFiles, NamesAreUtf8OnTheHostAndATrailBackslashSplitsNothing) {
  // 乗 is 81 5C: were its trail byte a separator, the folder would be "\x81" and a file "".
  ASSERT_EQ(files_->CreateDirectory("C:\\乗"), kErrorSuccess);
  WinError error = kErrorSuccess;
  auto stream = files_->OpenText("C:\\乗\\表.txt", TextMode::kWrite, error);
  ASSERT_NE(stream, nullptr) << error;
  ASSERT_TRUE(stream->Write("能\n") && stream->Close());
  EXPECT_EQ(HostRead(root_ / "c" / U8(u8"乗") / U8(u8"表.txt")), "\xC4\xDC\r\n");

  // Made on the host in UTF-8, seen in code page 936; a character code page 936 lacks shows
  // as '?', as Windows' ANSI calls show it.
  HostWrite(root_ / "c" / U8(u8"乗") / U8(u8"能.arx"), "");
  HostWrite(root_ / "c" / U8(u8"乗") / U8(u8"\u0E01.arx"), "");
  FindData entry;
  std::unique_ptr<DirectorySearch> search;
  ASSERT_EQ(files_->FindFirst("C:\\乗\\*.arx", entry, search), kErrorSuccess);
  EXPECT_EQ(entry.name, "?.arx");
  ASSERT_EQ(search->Next(entry), kErrorSuccess);
  EXPECT_EQ(entry.name, "\xC4\xDC.arx");
  EXPECT_EQ(search->Next(entry), kErrorNoMoreFiles);
}

TEST_F(HostFiles, AReadOnlyDriveIsACdRom) {
  files_->MapDrive('D', root_ / "cd");
  files_->SetDriveReadOnly('D', true);
  const char* module = "D:\\Kit\\torvek.arx";
  EXPECT_EQ(files_->GetAttributes(module), kAttributeArchive | kAttributeReadOnly);
  EXPECT_EQ(files_->Access(module, 2), -1);
  ASSERT_EQ(files_->CopyFile(module, "C:\\torvek.arx", false), kErrorSuccess);
  EXPECT_EQ(files_->GetAttributes("C:\\torvek.arx"), kAttributeArchive | kAttributeReadOnly);

  EXPECT_EQ(files_->CopyFile("C:\\Program Files\\Torvek\\acad.rx", "D:\\Kit\\acad.rx", false),
            kErrorAccessDenied);
  EXPECT_EQ(files_->DeleteFile(module), kErrorAccessDenied);
  EXPECT_EQ(files_->SetAttributes(module, kAttributeNormal), kErrorAccessDenied);
  EXPECT_EQ(files_->CreateDirectory("D:\\New"), kErrorAccessDenied);
  EXPECT_EQ(files_->MakeDirectory("D:\\New"), 13);
  EXPECT_EQ(files_->RemoveDirectory("D:\\Kit"), kErrorAccessDenied);
  WinError error = kErrorSuccess;
  EXPECT_EQ(files_->OpenText("D:\\setup.log", TextMode::kWrite, error), nullptr);
  EXPECT_EQ(error, kErrorAccessDenied);
  EXPECT_NE(files_->OpenText(module, TextMode::kRead, error), nullptr);
  EXPECT_EQ(HostRead(root_ / "cd" / "Kit" / "torvek.arx"), "module");
}

TEST_F(HostFiles, FaultsFailTheirCountThenLetCallsThrough) {
  FaultyFileSystem faulty(*files_);
  faulty.FailNext(Operation::kCopyFile, "c:\\program files\\torvek\\NEW.RX", kErrorAccessDenied, 2);
  faulty.FailNext(Operation::kMakeDirectory, "C:\\Fonts", kErrorAccessDenied);
  faulty.FailNext(Operation::kGetAttributes, "C:\\Program Files", kErrorSharingViolation);
  const char* from = "C:\\Program Files\\Torvek\\acad.rx";
  const char* to = "C:\\Program Files\\Torvek\\new.rx";
  EXPECT_EQ(faulty.CopyFile(from, to, false), kErrorAccessDenied);
  EXPECT_EQ(faulty.CopyFile(from, to, false), kErrorAccessDenied);
  EXPECT_EQ(faulty.GetAttributes(to), kInvalidAttributes);  // nothing was copied
  EXPECT_EQ(faulty.CopyFile(from, to, false), kErrorSuccess);
  EXPECT_EQ(faulty.MakeDirectory("C:\\Fonts"), 13);
  EXPECT_EQ(faulty.MakeDirectory("C:\\Fonts"), 0);
  EXPECT_EQ(faulty.GetAttributes("C:\\Program Files"), kInvalidAttributes);
  EXPECT_EQ(faulty.GetAttributes("C:\\Program Files"), kAttributeDirectory);
}

TEST_F(HostFiles, ALockedFileCanBeReadButNotChanged) {
  FaultyFileSystem faulty(*files_);
  const char* module = "C:\\Program Files\\Torvek\\torvek.arx";
  ASSERT_EQ(faulty.CopyFile("torvek\\acad.rx", module, false), kErrorSuccess);
  ASSERT_EQ(faulty.CopyFile("torvek\\acad.rx", "C:\\next.arx", false), kErrorSuccess);
  faulty.Lock("c:\\program files\\torvek\\TORVEK.ARX");
  WinError error = kErrorSuccess;
  EXPECT_EQ(faulty.CopyFile("C:\\next.arx", module, false), kErrorSharingViolation);
  EXPECT_EQ(faulty.MoveFile("C:\\next.arx", module, true), kErrorSharingViolation);
  EXPECT_EQ(faulty.DeleteFile(module), kErrorSharingViolation);
  EXPECT_EQ(faulty.OpenText(module, TextMode::kWrite, error), nullptr);
  EXPECT_EQ(error, kErrorSharingViolation);
  EXPECT_NE(faulty.OpenText(module, TextMode::kRead, error), nullptr);
  EXPECT_EQ(faulty.CopyFile(module, "C:\\copy.arx", false), kErrorSuccess);
  faulty.Unlock(module);
  EXPECT_EQ(faulty.MoveFile("C:\\next.arx", module, true), kErrorSuccess);
  EXPECT_EQ(faulty.DeleteFile(module), kErrorSuccess);
}

TEST_F(HostFiles, AFullDiskKeepsExactlyWhatFitted) {
  FaultyFileSystem faulty(*files_);
  faulty.FillDiskAfter(7);
  WinError error = kErrorSuccess;
  auto stream = faulty.OpenText("C:\\acad.rx", TextMode::kWrite, error);
  ASSERT_NE(stream, nullptr);
  // "ab" CR LF "cd" and the CR of the next line feed make seven bytes.
  EXPECT_FALSE(stream->Write("ab\ncd\nef"));
  EXPECT_FALSE(stream->Write("g"));
  EXPECT_FALSE(stream->Close());
  EXPECT_EQ(HostRead(root_ / "c" / "acad.rx"), "ab\r\ncd\r");
  EXPECT_EQ(faulty.FreeBytes(), 0u);

  // A copy that does not fit leaves nothing, not even the file it overwrote.
  EXPECT_EQ(faulty.CopyFile("torvek\\acad.rx", "C:\\acad.rx", false), kErrorDiskFull);
  EXPECT_EQ(faulty.GetAttributes("C:\\acad.rx"), kInvalidAttributes);
  faulty.FillDiskAfter(6);
  EXPECT_EQ(faulty.CopyFile("torvek\\acad.rx", "C:\\acad.rx", false), kErrorSuccess);
  EXPECT_EQ(faulty.FreeBytes(), 0u);
}

TEST_F(HostFiles, AReadErrorComesAfterTheLinesThatWereRead) {
  FaultyFileSystem faulty(*files_);
  HostWrite(root_ / "c" / "acad.rx", "one\r\ntwo\r\nthree\r\n");
  faulty.FailReadingAfter("c:\\ACAD.RX", 1);
  WinError error = kErrorSuccess;
  auto stream = faulty.OpenText("C:\\acad.rx", TextMode::kRead, error);
  ASSERT_NE(stream, nullptr);
  std::string line;
  EXPECT_EQ(stream->ReadLine(line), ReadStatus::kLine);
  EXPECT_EQ(line, "one\n");
  EXPECT_EQ(stream->ReadLine(line), ReadStatus::kError);
  faulty.Reset();
  stream = faulty.OpenText("C:\\acad.rx", TextMode::kRead, error);
  int lines = 0;
  while (stream->ReadLine(line) == ReadStatus::kLine)
    ++lines;
  EXPECT_EQ(lines, 3);
}

}  // namespace
}  // namespace torvek::portable
