// One set of cases for the file system of the build at hand: the POSIX
// stand-in natively, the Win32 one under Wine. What passes here holds for
// both, so the store's tests against the stand-in mean something.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/Deadline.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "platform/posix/PosixFileSystem.h"
#endif

namespace quorvel {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class FileSystemContract : public ::testing::Test {
 protected:
  std::unique_ptr<FileSystem> fs = test::MakeRealFileSystem();
  TempDir dir;

  OpenResult Open(const std::string& name, FileAccess access, FileShare share,
                  FileDisposition disposition = FileDisposition::OpenExisting) {
    return fs->Open(dir / name, access, share, disposition);
  }

  std::vector<std::string> Names(const std::string& mask, std::vector<bool>* folders = nullptr) {
    std::vector<std::pair<std::string, bool>> found;
    std::unique_ptr<FileSearch> search = fs->Find(dir / mask);
    FoundFile f;
    while (search->Next(f)) found.push_back({f.name, f.isFolder});
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (const auto& [name, isFolder] : found) {
      names.push_back(name);
      if (folders != nullptr) folders->push_back(isFolder);
    }
    return names;
  }
};

TEST_F(FileSystemContract, Dispositions) {
  struct Case {
    const char* what;
    bool exists;
    FileDisposition disposition;
    FileError error;
    const char* contentAfter;  // null: the file must not exist
  };
  const Case cases[] = {
      {"open existing, missing", false, FileDisposition::OpenExisting, FileError::NotFound, nullptr},
      {"open existing, present", true, FileDisposition::OpenExisting, FileError::None, "old"},
      {"open always, missing", false, FileDisposition::OpenAlways, FileError::None, ""},
      {"open always, present", true, FileDisposition::OpenAlways, FileError::None, "old"},
      {"create always, missing", false, FileDisposition::CreateAlways, FileError::None, ""},
      {"create always, present", true, FileDisposition::CreateAlways, FileError::None, ""},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "f" + std::to_string(n++) + ".sta";
    if (c.exists) WriteFileBytes(dir / name, "old");
    OpenResult r = Open(name, FileAccess::Write, FileShare::None, c.disposition);
    EXPECT_EQ(r.error, c.error) << c.what;
    EXPECT_EQ(r.file != nullptr, c.error == FileError::None) << c.what;
    EXPECT_EQ(r.created, !c.exists && r.file != nullptr) << c.what;
    r.file.reset();
    EXPECT_EQ(test::PathExists(dir / name), c.contentAfter != nullptr) << c.what;
    if (c.contentAfter != nullptr) {
      EXPECT_EQ(ReadFileBytes(dir / name), c.contentAfter) << c.what;
    }
  }
}

TEST_F(FileSystemContract, MissingFolderOrFolderAsFile) {
  for (FileDisposition d : {FileDisposition::OpenExisting, FileDisposition::OpenAlways,
                            FileDisposition::CreateAlways}) {
    OpenResult r = Open("nofolder\\x.sta", FileAccess::Write, FileShare::None, d);
    EXPECT_EQ(r.error, FileError::NotFound);
    EXPECT_EQ(r.file, nullptr);
  }
  EXPECT_FALSE(test::PathExists(dir / "nofolder"));
  test::MakeFolder(dir / "folder");
  OpenResult r = Open("folder", FileAccess::Read, FileShare::Read);
  EXPECT_EQ(r.file, nullptr);
  EXPECT_EQ(r.error, FileError::Other);
}

TEST_F(FileSystemContract, ReadWriteSizeSeekTruncate) {
  OpenResult r = Open("a.mem", FileAccess::ReadWrite, FileShare::None, FileDisposition::CreateAlways);
  ASSERT_NE(r.file, nullptr);
  File& f = *r.file;
  ASSERT_TRUE(f.Write("hello world"));
  std::uint64_t size = 0;
  ASSERT_TRUE(f.Size(size));
  EXPECT_EQ(size, 11u);
  std::string got;
  ASSERT_TRUE(f.Seek(6));
  ASSERT_TRUE(f.Read(got, 100));  // asks for more than there is
  EXPECT_EQ(got, "world");
  ASSERT_TRUE(f.Read(got, 10));  // at the end: nothing, but no error
  EXPECT_EQ(got, "");
  ASSERT_TRUE(f.Seek(5));
  ASSERT_TRUE(f.Truncate());
  ASSERT_TRUE(f.Size(size));
  EXPECT_EQ(size, 5u);
  ASSERT_TRUE(f.SeekToEnd());
  ASSERT_TRUE(f.Write("!\n\x89\x63"));
  ASSERT_TRUE(f.Seek(0));
  ASSERT_TRUE(f.Read(got, 3));
  EXPECT_EQ(got, "hel");
  r.file.reset();
  EXPECT_EQ(ReadFileBytes(dir / "a.mem"), "hello!\n\x89\x63");  // bytes, no text mode
}

TEST_F(FileSystemContract, ReadOnlyHandleCannotWriteAndWriteOnlyCannotRead) {
  WriteFileBytes(dir / "a.sta", "abc");
  {
    OpenResult r = Open("a.sta", FileAccess::Read, FileShare::Read);
    ASSERT_NE(r.file, nullptr);
    EXPECT_FALSE(r.file->Write("x"));
  }
  {
    OpenResult r = Open("a.sta", FileAccess::Write, FileShare::None);
    ASSERT_NE(r.file, nullptr);
    std::string got;
    EXPECT_FALSE(r.file->Read(got, 3));
  }
  EXPECT_EQ(ReadFileBytes(dir / "a.sta"), "abc");
}

struct ShareCase {
  const char* what;
  FileAccess firstAccess;
  FileShare firstShare;
  FileAccess secondAccess;
  FileShare secondShare;
  bool secondOpens;
};

TEST_F(FileSystemContract, ShareModesWithinOneProcess) {
  const ShareCase cases[] = {
      {"writer excludes reader", FileAccess::Write, FileShare::None, FileAccess::Read,
       FileShare::Read, false},
      {"writer excludes writer", FileAccess::Write, FileShare::None, FileAccess::Write,
       FileShare::None, false},
      {"writer sharing read still excludes a reader that shuts out writers", FileAccess::Write,
       FileShare::Read, FileAccess::Read, FileShare::Read, false},
      {"read-write excludes reader", FileAccess::ReadWrite, FileShare::None, FileAccess::Read,
       FileShare::Read, false},
      {"reader excludes writer", FileAccess::Read, FileShare::Read, FileAccess::Write,
       FileShare::None, false},
      {"reader admits reader", FileAccess::Read, FileShare::Read, FileAccess::Read,
       FileShare::Read, true},
      {"exclusive reader excludes reader", FileAccess::Read, FileShare::None, FileAccess::Read,
       FileShare::Read, false},
  };
  WriteFileBytes(dir / "s.sta", "x");
  for (const ShareCase& c : cases) {
    OpenResult first = Open("s.sta", c.firstAccess, c.firstShare);
    ASSERT_NE(first.file, nullptr) << c.what;
    OpenResult second = Open("s.sta", c.secondAccess, c.secondShare);
    EXPECT_EQ(second.file != nullptr, c.secondOpens) << c.what;
    EXPECT_EQ(second.error, c.secondOpens ? FileError::None : FileError::SharingViolation)
        << c.what;
    second.file.reset();
    first.file.reset();
    // Once the first handle is gone, the second open succeeds.
    EXPECT_NE(Open("s.sta", c.secondAccess, c.secondShare).file, nullptr) << c.what;
  }
  // A refused CreateAlways must not have cut the file.
  OpenResult reader = Open("s.sta", FileAccess::Read, FileShare::Read);
  ASSERT_NE(reader.file, nullptr);
  EXPECT_EQ(Open("s.sta", FileAccess::Write, FileShare::None, FileDisposition::CreateAlways).error,
            FileError::SharingViolation);
  reader.file.reset();
  EXPECT_EQ(ReadFileBytes(dir / "s.sta"), "x");
}

TEST_F(FileSystemContract, Delete) {
  EXPECT_FALSE(fs->Delete(dir / "missing.sta"));
  WriteFileBytes(dir / "a.sta", "a");
  {
    OpenResult r = Open("a.sta", FileAccess::Read, FileShare::Read);
    ASSERT_NE(r.file, nullptr);
    EXPECT_FALSE(fs->Delete(dir / "a.sta")) << "refused while open";
    EXPECT_TRUE(test::PathExists(dir / "a.sta"));
  }
  EXPECT_TRUE(fs->Delete(dir / "a.sta"));
  EXPECT_FALSE(test::PathExists(dir / "a.sta"));

  WriteFileBytes(dir / "ro.sta", "r");
  test::SetReadOnly(dir / "ro.sta", true);
  EXPECT_FALSE(fs->Delete(dir / "ro.sta"));
  EXPECT_EQ(ReadFileBytes(dir / "ro.sta"), "r");
  test::SetReadOnly(dir / "ro.sta", false);
  EXPECT_TRUE(fs->Delete(dir / "ro.sta"));

  test::MakeFolder(dir / "folder");
  EXPECT_FALSE(fs->Delete(dir / "folder"));
  EXPECT_TRUE(test::PathExists(dir / "folder"));
}

TEST_F(FileSystemContract, ReadOnlyFileCannotBeOpenedForWriting) {
  WriteFileBytes(dir / "ro.sta", "keep");
  test::SetReadOnly(dir / "ro.sta", true);
  for (FileDisposition d : {FileDisposition::OpenExisting, FileDisposition::OpenAlways,
                            FileDisposition::CreateAlways}) {
    OpenResult r = Open("ro.sta", FileAccess::Write, FileShare::None, d);
    EXPECT_EQ(r.file, nullptr);
    EXPECT_EQ(r.error, FileError::Other);
  }
  EXPECT_NE(Open("ro.sta", FileAccess::Read, FileShare::Read).file, nullptr);
  EXPECT_EQ(ReadFileBytes(dir / "ro.sta"), "keep");
  test::SetReadOnly(dir / "ro.sta", false);
}

TEST_F(FileSystemContract, FindWithMasksAndFolders) {
  WriteFileBytes(dir / "abc.sta", "12345");
  WriteFileBytes(dir / "B.sta", "");
  WriteFileBytes(dir / "abc.mem", "1");
  WriteFileBytes(dir / "abc.stax", "");
  WriteFileBytes(dir / "noext", "");
  WriteFileBytes(dir / "abc", "");
  test::MakeFolder(dir / "group1");

  // Not "abc.stax", which Windows finds by its short name "ABC~1.STA".
  EXPECT_EQ(Names("*.sta"), (std::vector<std::string>{"B.sta", "abc.sta"}));
  EXPECT_EQ(Names("*.STA"), (std::vector<std::string>{"B.sta", "abc.sta"})) << "case ignored";
  EXPECT_EQ(Names("?.sta"), (std::vector<std::string>{"B.sta"}));
  EXPECT_EQ(Names("abc.*"), (std::vector<std::string>{"abc", "abc.mem", "abc.sta", "abc.stax"}));
  EXPECT_EQ(Names("nothing*"), std::vector<std::string>{});
  std::vector<bool> folders;
  const std::vector<std::string> all{"B.sta",    "abc",    "abc.mem", "abc.sta",
                                     "abc.stax", "group1", "noext"};
  EXPECT_EQ(Names("*", &folders), all);
  EXPECT_EQ(folders, (std::vector<bool>{false, false, false, false, false, true, false}));
  // "*.*" is "*" to Windows, names without a dot included.
  EXPECT_EQ(Names("*.*"), all);

  std::unique_ptr<FileSearch> search = fs->Find(dir / "abc.sta");
  FoundFile f;
  ASSERT_TRUE(search->Next(f));
  EXPECT_EQ(f.name, "abc.sta");
  EXPECT_EQ(f.size, 5u);
  EXPECT_FALSE(f.isFolder);
  EXPECT_FALSE(search->Next(f));
  EXPECT_FALSE(search->Next(f)) << "stays at the end";

  std::unique_ptr<FileSearch> none = fs->Find(dir / "nofolder\\*.sta");
  ASSERT_NE(none, nullptr);
  EXPECT_FALSE(none->Next(f));
}

TEST_F(FileSystemContract, ASearchTellsAnEmptyFolderFromOneThatCannotBeSearched) {
  test::MakeFolder(dir / "empty");
  WriteFileBytes(dir / "file", "x");
  EXPECT_TRUE(fs->Find(dir / "empty\\*.sta")->FolderSearched());
  for (const std::string& folder : {std::string("missing"), std::string("file"), std::string(300, 'x')})
    EXPECT_FALSE(fs->Find(dir / folder + "\\*.sta")->FolderSearched()) << folder;
}

#ifndef _WIN32
// A pipe named like a share's file would hold an open until a writer came.
TEST_F(FileSystemContract, APipeIsNoFileAndNeverBlocks) {
  ASSERT_EQ(::mkfifo(ToPosixPath(dir / "x.sta").c_str(), 0666), 0);
  test::Deadline deadline(std::chrono::seconds(10), "opening a pipe");
  for (FileAccess access : {FileAccess::Read, FileAccess::ReadWrite}) {
    const OpenResult r = Open("x.sta", access, FileShare::Read);
    EXPECT_EQ(r.file, nullptr);
    EXPECT_EQ(r.error, FileError::Other);
  }
  EXPECT_EQ(Names("*.sta"), std::vector<std::string>{});
}
#endif

TEST_F(FileSystemContract, CreateFolder) {
  EXPECT_TRUE(fs->CreateFolder(dir / "g"));
  EXPECT_FALSE(fs->CreateFolder(dir / "g")) << "second time";
  EXPECT_FALSE(fs->CreateFolder(dir / "missing\\g"));
  EXPECT_FALSE(test::PathExists(dir / "missing"));
  // Nested "\" paths reach into the new folder.
  OpenResult r = Open("g\\x=41.sta", FileAccess::Write, FileShare::None,
                      FileDisposition::CreateAlways);
  ASSERT_NE(r.file, nullptr);
  ASSERT_TRUE(r.file->Write("s"));
  r.file.reset();
  EXPECT_EQ(ReadFileBytes(dir / "g\\x=41.sta"), "s");
  std::vector<bool> folders;
  EXPECT_EQ(Names("*", &folders), std::vector<std::string>{"g"});
  EXPECT_EQ(folders, std::vector<bool>{true});
}

TEST_F(FileSystemContract, MoveOverReplacesWholeOrNotAtAll) {
  WriteFileBytes(dir / "a.tmp", "first");
  EXPECT_TRUE(fs->MoveOver(dir / "a.tmp", dir / "QVL.gl")) << "no target yet";
  WriteFileBytes(dir / "a.tmp", "second");
  EXPECT_TRUE(fs->MoveOver(dir / "a.tmp", dir / "QVL.gl"));
  EXPECT_EQ(ReadFileBytes(dir / "QVL.gl"), "second");
  EXPECT_FALSE(test::PathExists(dir / "a.tmp"));
  EXPECT_FALSE(fs->MoveOver(dir / "a.tmp", dir / "QVL.gl")) << "nothing to move";

  // Refused targets keep their content and the file that was to replace them.
  WriteFileBytes(dir / "a.tmp", "third");
  {
    OpenResult held = Open("QVL.gl", FileAccess::Read, FileShare::None);
    ASSERT_NE(held.file, nullptr);
    EXPECT_FALSE(fs->MoveOver(dir / "a.tmp", dir / "QVL.gl")) << "open elsewhere";
  }
  test::SetReadOnly(dir / "QVL.gl", true);
  EXPECT_FALSE(fs->MoveOver(dir / "a.tmp", dir / "QVL.gl")) << "read-only";
  test::SetReadOnly(dir / "QVL.gl", false);
  test::MakeFolder(dir / "folder");
  EXPECT_FALSE(fs->MoveOver(dir / "a.tmp", dir / "folder"));
  EXPECT_EQ(ReadFileBytes(dir / "QVL.gl"), "second");
  EXPECT_EQ(ReadFileBytes(dir / "a.tmp"), "third");
}

// A second real process holds the file, as another desk would.
class FileHeldByAnotherProcess : public FileSystemContract {
 protected:
  // The holder lets go once this file is there.
  std::string ReleaseFile() { return dir / "release"; }
  void Release() { WriteFileBytes(ReleaseFile(), ""); }
  bool WaitForMarker(const std::string& marker) {
    for (int i = 0; i < 300; ++i) {
      if (test::PathExists(marker)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
};

TEST_F(FileHeldByAnotherProcess, WriterShutsEveryoneOut) {
  WriteFileBytes(dir / "w.sta", "held");
  const std::string marker = dir / "ready";
  test::ChildProcess holder({test::HelperProgram("quorvel_file_holder"), dir / "w.sta", "w",
                             "none", ReleaseFile(), marker});
  ASSERT_TRUE(WaitForMarker(marker)) << "the holder did not start";
  EXPECT_EQ(Open("w.sta", FileAccess::Read, FileShare::Read).error, FileError::SharingViolation);
  EXPECT_EQ(Open("w.sta", FileAccess::Write, FileShare::None, FileDisposition::CreateAlways).error,
            FileError::SharingViolation);
  EXPECT_FALSE(fs->Delete(dir / "w.sta"));
  Release();
  EXPECT_EQ(holder.Wait(), 0);
  EXPECT_EQ(ReadFileBytes(dir / "w.sta"), "held");
  EXPECT_NE(Open("w.sta", FileAccess::Read, FileShare::Read).file, nullptr) << "free again";
}

TEST_F(FileHeldByAnotherProcess, ReaderShutsOutWritersOnly) {
  WriteFileBytes(dir / "r.sta", "held");
  const std::string marker = dir / "ready";
  test::ChildProcess holder({test::HelperProgram("quorvel_file_holder"), dir / "r.sta", "r",
                             "read", ReleaseFile(), marker});
  ASSERT_TRUE(WaitForMarker(marker)) << "the holder did not start";
  EXPECT_NE(Open("r.sta", FileAccess::Read, FileShare::Read).file, nullptr);
  EXPECT_EQ(Open("r.sta", FileAccess::Write, FileShare::None).error, FileError::SharingViolation);
  Release();
  EXPECT_EQ(holder.Wait(), 0);
  EXPECT_NE(Open("r.sta", FileAccess::Write, FileShare::None).file, nullptr) << "free again";
}

TEST_F(FileHeldByAnotherProcess, HolderIsRefusedWhileThisProcessWrites) {
  WriteFileBytes(dir / "m.mem", "x");
  OpenResult mine = Open("m.mem", FileAccess::Write, FileShare::None);
  ASSERT_NE(mine.file, nullptr);
  test::ChildProcess holder({test::HelperProgram("quorvel_file_holder"), dir / "m.mem", "r",
                             "read", ReleaseFile(), dir / "ready"});
  EXPECT_EQ(holder.Wait(), 3) << "sharing violation in the other process";
  EXPECT_FALSE(test::PathExists(dir / "ready"));
}

}  // namespace
}  // namespace quorvel
