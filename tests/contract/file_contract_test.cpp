// What the installer relies on from the file system, pinned the same way for the portable
// implementation (natively) and the Win32 one (under Wine, as root and as a normal user).
// Where Wine is known to answer otherwise than Windows, the case says so and expects each its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/clear_read_only.h"
#include "tests/contract/files_under_test.h"

namespace torvek::contract {
namespace {

using namespace platform;
using Side = FilesUnderTest::Side;

constexpr WinError kErrorDirectory = 267;  // ERROR_DIRECTORY: not a folder
constexpr int kErrnoNoEntry = 2;
constexpr int kErrnoExists = 17;

class FileContract : public ::testing::Test {
 protected:
  void SetUp() override { under_ = FilesUnderTest::Make(); }

  FileSystem& files() { return under_->Files(); }
  std::string Path(std::string_view name) const { return under_->Path(name); }

  void Put(std::string_view name, std::string_view bytes) {
    ASSERT_TRUE(under_->WriteBytes(Path(name), bytes)) << name;
  }
  std::string Bytes(std::string_view name) {
    std::string bytes;
    EXPECT_TRUE(under_->ReadBytes(Path(name), bytes)) << name;
    return bytes;
  }

  bool WriteText(const std::string& path, std::string_view text) {
    WinError error = kErrorSuccess;
    std::unique_ptr<TextStream> stream = files().OpenText(path.c_str(), TextMode::kWrite, error);
    return stream && stream->Write(text) && stream->Close();
  }

  std::vector<std::string> Lines(const std::string& path) {
    WinError error = kErrorSuccess;
    std::unique_ptr<TextStream> stream = files().OpenText(path.c_str(), TextMode::kRead, error);
    EXPECT_TRUE(stream) << path << " error " << error;
    std::vector<std::string> lines;
    std::string line;
    while (stream && stream->ReadLine(line) == ReadStatus::kLine)
      lines.push_back(line);
    return lines;
  }

  WinError Search(const std::string& pattern, std::vector<FindData>& entries) {
    entries.clear();
    FindData entry;
    std::unique_ptr<DirectorySearch> search;
    const WinError error = files().FindFirst(pattern.c_str(), entry, search);
    if (error != kErrorSuccess)
      return error;
    do {
      entries.push_back(entry);
    } while (search->Next(entry) == kErrorSuccess);
    // Past the end it stays at the end.
    EXPECT_EQ(search->Next(entry), kErrorNoMoreFiles);
    return kErrorSuccess;
  }

  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<FindData> entries;
    EXPECT_EQ(Search(pattern, entries), kErrorSuccess) << pattern;
    std::vector<std::string> names;
    for (const FindData& entry : entries)
      names.push_back(entry.name);
    return names;
  }

  std::unique_ptr<FilesUnderTest> under_;
};

TEST_F(FileContract, CopyOverwritesOnlyWhenAllowed) {
  Put("new.arx", "new");
  Put("old.arx", "old");
  EXPECT_EQ(files().CopyFile(Path("new.arx").c_str(), Path("old.arx").c_str(), true),
            kErrorFileExists);
  EXPECT_EQ(Bytes("old.arx"), "old");
  // Named in another case, the existing file is overwritten rather than a second one made.
  EXPECT_EQ(files().CopyFile(Path("new.arx").c_str(), Path("OLD.ARX").c_str(), false),
            kErrorSuccess);
  EXPECT_EQ(Bytes("old.arx"), "new");
  EXPECT_EQ(Names(Path("*.*")), (std::vector<std::string>{".", "..", "new.arx", "old.arx"}));

  EXPECT_EQ(files().CopyFile(Path("gone.arx").c_str(), Path("x").c_str(), false),
            kErrorFileNotFound);
  EXPECT_EQ(files().CopyFile(Path("new.arx").c_str(), Path("gone\\x").c_str(), false),
            kErrorPathNotFound);
  EXPECT_EQ(files().CopyFile(Path("new.arx").c_str(), Path("NEW.arx").c_str(), false),
            kErrorSharingViolation);
  ASSERT_EQ(files().CreateDirectory(Path("Kit").c_str()), kErrorSuccess);
  EXPECT_EQ(files().CopyFile(Path("new.arx").c_str(), Path("Kit").c_str(), false),
            kErrorAccessDenied);
}

TEST_F(FileContract, CopyTakesTheSourceAttributes) {
  // A kit copied from a CD comes read-only; the installer must see that on the copies.
  Put("from-cd.shx", "font");
  ASSERT_EQ(files().SetAttributes(Path("from-cd.shx").c_str(), kAttributeReadOnly), kErrorSuccess);
  EXPECT_EQ(files().CopyFile(Path("from-cd.shx").c_str(), Path("copy.shx").c_str(), false),
            kErrorSuccess);
  EXPECT_EQ(files().GetAttributes(Path("copy.shx").c_str()),
            kAttributeArchive | kAttributeReadOnly);
  EXPECT_EQ(Bytes("copy.shx"), "font");

  Put("hidden.cfg", "h");
  ASSERT_EQ(files().SetAttributes(Path("hidden.cfg").c_str(), kAttributeHidden), kErrorSuccess);
  EXPECT_EQ(files().CopyFile(Path("hidden.cfg").c_str(), Path("copy.cfg").c_str(), false),
            kErrorSuccess);
  EXPECT_EQ(files().GetAttributes(Path("copy.cfg").c_str()), kAttributeArchive | kAttributeHidden);
}

TEST_F(FileContract, ReadOnlyFileIsNeitherOverwrittenNorDeleted) {
  Put("acad.rx", "user's line\r\n");
  Put("ours.rx", "ours");
  const std::string target = Path("acad.rx");
  ASSERT_EQ(files().SetAttributes(target.c_str(), kAttributeReadOnly), kErrorSuccess);
  EXPECT_EQ(files().Access(target.c_str(), 2), -1);
  EXPECT_EQ(files().Access(target.c_str(), 4), 0);

  const WinError copied = files().CopyFile(Path("ours.rx").c_str(), target.c_str(), false);
  WinError opened = kErrorSuccess;
  std::unique_ptr<TextStream> stream = files().OpenText(target.c_str(), TextMode::kWrite, opened);
  if (under_->ReadOnlyEnforced()) {
    EXPECT_EQ(copied, kErrorAccessDenied);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(opened, kErrorAccessDenied);
    EXPECT_EQ(Bytes("acad.rx"), "user's line\r\n");
  } else {
    // Wine run as root: the attribute stops neither (Windows refuses both with error 5).
    EXPECT_EQ(copied, kErrorSuccess);
    EXPECT_NE(stream, nullptr);
  }
  stream.reset();

  // Deleting is refused everywhere, Wine as root included.
  EXPECT_EQ(files().DeleteFile(target.c_str()), kErrorAccessDenied);
  EXPECT_NE(files().GetAttributes(target.c_str()), kInvalidAttributes);
  ClearReadOnly(files(), target.c_str());
  EXPECT_EQ(files().DeleteFile(target.c_str()), kErrorSuccess);
  EXPECT_EQ(files().DeleteFile(target.c_str()), kErrorFileNotFound);
  EXPECT_EQ(files().DeleteFile(Path("gone\\acad.rx").c_str()), kErrorPathNotFound);
}

TEST_F(FileContract, MoveFileReplacesOnlyWhenAsked) {
  Put("acad.rx", "old\r\n");
  ASSERT_TRUE(WriteText(Path("acad.rx.tmp"), "new\n"));
  EXPECT_EQ(files().MoveFile(Path("acad.rx.tmp").c_str(), Path("acad.rx").c_str(), false),
            kErrorAlreadyExists);
  EXPECT_EQ(Bytes("acad.rx"), "old\r\n");
  EXPECT_EQ(files().MoveFile(Path("acad.rx.tmp").c_str(), Path("acad.rx").c_str(), true),
            kErrorSuccess);
  EXPECT_EQ(Bytes("acad.rx"), "new\r\n");
  EXPECT_EQ(files().GetAttributes(Path("acad.rx.tmp").c_str()), kInvalidAttributes);
  EXPECT_EQ(files().MoveFile(Path("acad.rx.tmp").c_str(), Path("acad.rx").c_str(), true),
            kErrorFileNotFound);
  // With nothing in the way it is a rename.
  EXPECT_EQ(files().MoveFile(Path("acad.rx").c_str(), Path("moved.rx").c_str(), false),
            kErrorSuccess);
  EXPECT_EQ(Bytes("moved.rx"), "new\r\n");

  Put("locked.rx", "theirs");
  Put("next.tmp", "ours");
  ASSERT_EQ(files().SetAttributes(Path("locked.rx").c_str(), kAttributeReadOnly), kErrorSuccess);
  const WinError replaced =
      files().MoveFile(Path("next.tmp").c_str(), Path("locked.rx").c_str(), true);
  if (under_->WhichSide() == Side::kWine) {
    // Wine renames over a read-only file, for every user; Windows refuses to delete it.
    EXPECT_EQ(replaced, kErrorSuccess);
  } else {
    EXPECT_EQ(replaced, kErrorAccessDenied);
    EXPECT_EQ(Bytes("locked.rx"), "theirs");
  }
}

// ReplaceFile is how a rewritten acad.rx takes the old one's place: on Windows the file keeps
// its attributes and security. Wine 8 renames the new file into place instead, so it keeps the
// new file's attributes, and it refuses relative paths (ERROR_DIRECTORY) where Windows takes
// them against the current directory. The installer names both files in full.
TEST_F(FileContract, ReplaceFileKeepsTheReplacedFilesAttributesOnWindows) {
  Put("acad.rx", "old\r\n");
  ASSERT_EQ(files().SetAttributes(Path("acad.rx").c_str(), kAttributeHidden), kErrorSuccess);
  ASSERT_TRUE(WriteText(Path("acad.~0"), "new\n"));
  EXPECT_EQ(files().ReplaceFile(Path("acad.rx").c_str(), Path("acad.~0").c_str()), kErrorSuccess);
  EXPECT_EQ(Bytes("acad.rx"), "new\r\n");
  EXPECT_EQ(files().GetAttributes(Path("acad.~0").c_str()), kInvalidAttributes);
  const bool wine = under_->WhichSide() == Side::kWine;
  EXPECT_EQ(files().GetAttributes(Path("acad.rx").c_str()),
            wine ? kAttributeArchive : kAttributeArchive | kAttributeHidden);

  // Nothing to replace: Windows and Wine alike answer ERROR_FILE_NOT_FOUND.
  ASSERT_TRUE(WriteText(Path("acad.~1"), "newer\n"));
  EXPECT_EQ(files().ReplaceFile(Path("gone.rx").c_str(), Path("acad.~1").c_str()),
            kErrorFileNotFound);
  EXPECT_EQ(Bytes("acad.~1"), "newer\r\n");
  // A read-only file is not replaced, by any user.
  ASSERT_EQ(files().SetAttributes(Path("acad.rx").c_str(), kAttributeReadOnly), kErrorSuccess);
  EXPECT_EQ(files().ReplaceFile(Path("acad.rx").c_str(), Path("acad.~1").c_str()),
            kErrorAccessDenied);
  EXPECT_EQ(Bytes("acad.rx"), "new\r\n");
  ASSERT_EQ(files().SetAttributes(Path("acad.rx").c_str(), kAttributeNormal), kErrorSuccess);

  under_->EnterScratch();
  EXPECT_EQ(files().FullPath("x\\..\\acad.rx"), Path("acad.rx"));
  const WinError relative = files().ReplaceFile("acad.rx", "acad.~1");
  EXPECT_EQ(relative, wine ? kErrorDirectory : kErrorSuccess);
  EXPECT_EQ(Bytes("acad.rx"), wine ? "new\r\n" : "newer\r\n");
}

TEST_F(FileContract, FoldersAreMadeAndRemovedAsTheCallsAnswer) {
  const std::string kit = Path("Kit");
  EXPECT_EQ(files().CreateDirectory(kit.c_str()), kErrorSuccess);
  EXPECT_EQ(files().CreateDirectory(kit.c_str()), kErrorAlreadyExists);
  EXPECT_EQ(files().CreateDirectory(Path("KIT\\").c_str()), kErrorAlreadyExists);
  EXPECT_EQ(files().CreateDirectory(Path("gone\\Kit").c_str()), kErrorPathNotFound);
  EXPECT_EQ(files().CreateDirectory(Path(std::string(260, 'k')).c_str()), kErrorFilenameExcedRange);
  Put("setup.ini", "");
  EXPECT_EQ(files().CreateDirectory(Path("setup.ini").c_str()), kErrorAlreadyExists);
  EXPECT_EQ(files().GetAttributes(kit.c_str()), kAttributeDirectory);

  EXPECT_EQ(files().MakeDirectory(Path("Fonts").c_str()), 0);
  EXPECT_EQ(files().MakeDirectory(Path("fonts").c_str()), kErrnoExists);
  EXPECT_EQ(files().MakeDirectory(Path("gone\\Fonts").c_str()), kErrnoNoEntry);

  Put("Kit\\torvek.arx", "");
  EXPECT_EQ(files().RemoveDirectory(kit.c_str()), kErrorDirNotEmpty);
  EXPECT_EQ(files().DeleteFile(kit.c_str()), kErrorAccessDenied);
  EXPECT_EQ(files().RemoveDirectory(Path("setup.ini").c_str()), kErrorDirectory);
  EXPECT_EQ(files().RemoveDirectory(Path("gone").c_str()), kErrorFileNotFound);
  EXPECT_EQ(files().DeleteFile(Path("kit\\TORVEK.ARX").c_str()), kErrorSuccess);
  EXPECT_EQ(files().RemoveDirectory(kit.c_str()), kErrorSuccess);
  EXPECT_EQ(files().GetAttributes(kit.c_str()), kInvalidAttributes);
}

TEST_F(FileContract, SearchGivesDotsFirstThenNamesInWineOrder) {
  ASSERT_EQ(files().CreateDirectory(Path("o").c_str()), kErrorSuccess);
  for (const char* name : {"b.txt", "A.TXT", "_x", "1", "Zeta", "表.txt", "乗.cfg", "一", "啊"})
    Put(std::string("o\\") + name, "");
  ASSERT_EQ(files().CreateDirectory(Path("o\\Sub").c_str()), kErrorSuccess);

  std::vector<FindData> entries;
  ASSERT_EQ(Search(Path("o\\*.*"), entries), kErrorSuccess);
  // Letters without case, then by UTF-16 code: '_' after the letters, and 一 (U+4E00) before
  // 啊 (U+554A), although code page 936 has them the other way round (D2BB, B0A1).
  const std::vector<std::string> expected = {".",    "..", "1",  "A.TXT",  "b.txt", "Sub",
                                             "Zeta", "_x", "一", "乗.cfg", "啊",    "表.txt"};
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].name, expected[i]);
    const bool folder = i < 2 || entries[i].name == "Sub";
    EXPECT_EQ(entries[i].attributes, folder ? kAttributeDirectory : kAttributeArchive)
        << entries[i].name;
  }
  EXPECT_EQ(Names(Path("o\\*.TXT")), (std::vector<std::string>{"A.TXT", "b.txt", "表.txt"}));
}

TEST_F(FileContract, SearchFailsOnAMissingFolderAndFindsNoDotsAtADriveRoot) {
  std::vector<FindData> entries;
  EXPECT_EQ(Search(Path("gone\\*.*"), entries), kErrorPathNotFound);
  EXPECT_EQ(Search(Path("*.arx"), entries), kErrorFileNotFound);
  EXPECT_EQ(Search(std::string(1, under_->UnmappedDrive()) + ":\\*.*", entries),
            kErrorPathNotFound);

  ASSERT_EQ(Search(under_->DriveRoot() + "*.*", entries), kErrorSuccess);
  for (const FindData& entry : entries) {
    EXPECT_NE(entry.name, ".");
    EXPECT_NE(entry.name, "..");
  }
}

TEST_F(FileContract, ChineseNamesRoundTrip) {
  // 乗's trail byte is '\': the folder's name must not be cut there.
  const std::string folder = Path("乗");
  const std::string file = folder + "\\表.txt";
  ASSERT_EQ(files().CreateDirectory(folder.c_str()), kErrorSuccess);
  ASSERT_TRUE(WriteText(file, "表\n"));
  EXPECT_EQ(Names(folder + "\\*.*"), (std::vector<std::string>{".", "..", "表.txt"}));
  EXPECT_EQ(Names(Path("*.*")), (std::vector<std::string>{".", "..", "乗"}));
  EXPECT_EQ(Lines(file), (std::vector<std::string>{"表\n"}));
  std::uint64_t size = 0;
  EXPECT_EQ(files().FileSize(file.c_str(), size), kErrorSuccess);
  EXPECT_EQ(size, 4u);
  // The same file through '/', ".", ".." and another case.
  const std::string roundabout = under_->Scratch() + "/乗/../乗/./表.TXT";
  EXPECT_EQ(files().GetAttributes(roundabout.c_str()), kAttributeArchive);
  EXPECT_EQ(files().FileSize(Path("gone").c_str(), size), kErrorFileNotFound);
}

TEST_F(FileContract, TextModeIsCrLfOnDisk) {
  ASSERT_TRUE(WriteText(Path("acad.rx"), "a\nb"));
  EXPECT_EQ(Bytes("acad.rx"), "a\r\nb");
  EXPECT_EQ(Lines(Path("acad.rx")), (std::vector<std::string>{"a\n", "b"}));

  // Only CR LF is a line end; a lone CR stays, and Ctrl+Z ends the input.
  Put("odd.rx",
      "l1\r\nl2\r\r\nl3\rx\n\x1A"
      "after\r\n");
  EXPECT_EQ(Lines(Path("odd.rx")), (std::vector<std::string>{"l1\n", "l2\r\n", "l3\rx\n"}));

  const std::string longLine(1000, 'x');
  Put("long.rx", longLine + "\r\nend");
  EXPECT_EQ(Lines(Path("long.rx")), (std::vector<std::string>{longLine + "\n", "end"}));

  // A new file is made only where there is none: an existing one is neither opened nor cut.
  WinError error = kErrorSuccess;
  EXPECT_EQ(files().OpenText(Path("acad.rx").c_str(), TextMode::kCreateNew, error), nullptr);
  EXPECT_EQ(error, kErrorFileExists);
  EXPECT_EQ(Bytes("acad.rx"), "a\r\nb");
  std::unique_ptr<TextStream> fresh =
      files().OpenText(Path("acad.~0").c_str(), TextMode::kCreateNew, error);
  ASSERT_NE(fresh, nullptr) << error;
  EXPECT_TRUE(fresh->Write("c\n") && fresh->Close());
  EXPECT_EQ(Bytes("acad.~0"), "c\r\n");

  EXPECT_EQ(files().OpenText(Path("gone.rx").c_str(), TextMode::kRead, error), nullptr);
  EXPECT_EQ(error, kErrorFileNotFound);
  EXPECT_EQ(files().OpenText(Path("gone\\acad.rx").c_str(), TextMode::kWrite, error), nullptr);
  EXPECT_EQ(error, kErrorPathNotFound);
  EXPECT_EQ(files().OpenText(under_->Scratch().c_str(), TextMode::kRead, error), nullptr);
  EXPECT_EQ(error, kErrorAccessDenied);
}

TEST_F(FileContract, AttributesRoundTrip) {
  Put("f.cfg", "x");
  const std::string file = Path("f.cfg");
  EXPECT_EQ(files().GetAttributes(file.c_str()), kAttributeArchive);
  ASSERT_EQ(files().SetAttributes(file.c_str(), kAttributeReadOnly), kErrorSuccess);
  EXPECT_EQ(files().GetAttributes(file.c_str()), kAttributeArchive | kAttributeReadOnly);
  ASSERT_EQ(files().SetAttributes(file.c_str(), kAttributeHidden | kAttributeArchive),
            kErrorSuccess);
  EXPECT_EQ(files().GetAttributes(file.c_str()), kAttributeArchive | kAttributeHidden);
  ASSERT_EQ(files().SetAttributes(file.c_str(), kAttributeNormal), kErrorSuccess);
  // Wine shows every file with the archive bit, where Windows gives back "normal"; the
  // portable side does as Wine.
  EXPECT_EQ(files().GetAttributes(file.c_str()),
            under_->WhichSide() == Side::kWindows ? kAttributeNormal : kAttributeArchive);
  EXPECT_EQ(files().Access(file.c_str(), 6), 0);

  EXPECT_EQ(files().GetAttributes(Path("gone").c_str()), kInvalidAttributes);
  EXPECT_EQ(files().Access(Path("gone").c_str(), 0), -1);
  EXPECT_EQ(files().SetAttributes(Path("gone").c_str(), kAttributeNormal), kErrorFileNotFound);
  EXPECT_EQ(files().SetAttributes(Path("gone\\f").c_str(), kAttributeNormal), kErrorPathNotFound);
}

TEST_F(FileContract, UnmappedDriveIsAMissingPath) {
  const std::string drive = std::string(1, under_->UnmappedDrive()) + ":";
  ASSERT_NE(drive[0], 0);
  // Windows answers ERROR_PATH_NOT_FOUND, as the portable side does; Wine (8.0) says
  // ERROR_FILE_NOT_FOUND for everything but a search.
  const WinError expected =
      under_->WhichSide() == Side::kWine ? kErrorFileNotFound : kErrorPathNotFound;
  EXPECT_EQ(files().CreateDirectory((drive + "\\Kit").c_str()), expected);
  WinError error = kErrorSuccess;
  EXPECT_EQ(files().OpenText((drive + "\\acad.rx").c_str(), TextMode::kWrite, error), nullptr);
  EXPECT_EQ(error, expected);
  EXPECT_EQ(files().GetAttributes((drive + "\\").c_str()), kInvalidAttributes);
}

TEST_F(FileContract, SystemFoldersAreThere) {
  const std::string temp = files().TempDirectory();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_EQ(files().GetAttributes(temp.c_str()) & kAttributeDirectory, kAttributeDirectory);
  const std::string current = files().CurrentDirectory();
  EXPECT_EQ(files().GetAttributes(current.c_str()) & kAttributeDirectory, kAttributeDirectory);
}

}  // namespace
}  // namespace torvek::contract
