// The machine's real file system, natively and (in the cross build) the
// Win32 implementation under Wine, against real files.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/AtomicFile.h"
#include "platform/SystemFileSystem.h"
#include "support/TempFolder.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SystemFileSystemTest : public ::testing::Test {
 protected:
  std::unique_ptr<FileSystem> fs = CreateSystemFileSystem();
  test::TempFolder temp;
};

TEST_F(SystemFileSystemTest, WritesReadsAndReadsAtMostTheAskedSize) {
  const auto path = temp.Child(u"a.cfg");
  const Bytes data = {1, 2, 3, 4, 5};
  ASSERT_EQ(fs->WriteWhole(path, data), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 100, out), FileStatus::ok);
  EXPECT_EQ(out, data);
  ASSERT_EQ(fs->ReadWhole(path, 2, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{1, 2}));
}

TEST_F(SystemFileSystemTest, GenerousReadLimitCostsOnlyTheFileSize) {
  // A reader that cannot know the size asks for up to a gigabyte or more.
  const auto path = temp.Child(u"small.xml");
  const Bytes data(70000, 7);
  ASSERT_EQ(fs->WriteWhole(path, data), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, std::size_t{1} << 40, out), FileStatus::ok);
  EXPECT_EQ(out, data);
}

TEST_F(SystemFileSystemTest, MissingFileOrFolderIsNotFound) {
  Bytes out{9};
  EXPECT_EQ(fs->ReadWhole(temp.Child(u"none.cfg"), 10, out), FileStatus::not_found);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(fs->ReadWhole(temp.Child(u"no\\such\\folder\\x.cfg"), 10, out), FileStatus::not_found);
  EXPECT_EQ(fs->WriteWhole(temp.Child(u"missing\\x.cfg"), Bytes{1}), FileStatus::not_found);
  EXPECT_EQ(WriteFileReplacing(*fs, temp.Child(u"missing\\x.cfg"), Bytes{1}), FileStatus::not_found);
  EXPECT_FALSE(fs->FolderExists(temp.Child(u"missing")));
}

TEST_F(SystemFileSystemTest, CreateNewLeavesAnExistingFileAlone) {
  const auto path = temp.Child(u"taken.cfg");
  ASSERT_EQ(fs->CreateNew(path, Bytes{1, 2}), FileStatus::ok);
  EXPECT_EQ(fs->CreateNew(path, Bytes{3}), FileStatus::already_exists);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 10, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{1, 2}));
}

// A file name the system just takes, beside which the temporary name of a
// replacing write is too long: the save still happens.
TEST_F(SystemFileSystemTest, ANameTooLongForTheTemporaryIsStillSaved) {
  const auto path = temp.Child(std::u16string(250, u'n') + u".cfg");
  ASSERT_EQ(fs->WriteWhole(path, Bytes{1}), FileStatus::ok) << "the system takes the name itself";
  ASSERT_EQ(WriteFileReplacing(*fs, path, Bytes{4, 5}), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 10, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{4, 5}));
}

TEST_F(SystemFileSystemTest, CreatesNestedFoldersAndAcceptsAnExistingOne) {
  const auto nested = temp.Child(u"OSTREL\\ZK40\\Profile");
  EXPECT_EQ(fs->CreateFolder(nested), FileStatus::ok);
  EXPECT_TRUE(fs->FolderExists(nested));
  EXPECT_EQ(fs->CreateFolder(nested), FileStatus::ok);
}

TEST_F(SystemFileSystemTest, CopyNeverOverwrites) {
  const auto from = temp.Child(u"from.cfg");
  const auto to = temp.Child(u"to.cfg");
  ASSERT_EQ(fs->WriteWhole(from, Bytes{1, 1}), FileStatus::ok);
  EXPECT_EQ(fs->Copy(from, to), FileStatus::ok);
  ASSERT_EQ(fs->WriteWhole(from, Bytes{2, 2}), FileStatus::ok);
  EXPECT_NE(fs->Copy(from, to), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(to, 10, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{1, 1}));
  EXPECT_EQ(fs->Copy(temp.Child(u"none.cfg"), temp.Child(u"x.cfg")), FileStatus::not_found);
}

TEST_F(SystemFileSystemTest, ReplacingWriteSwapsWholeFileAndLeavesNoTemporary) {
  const auto path = temp.Child(u"Profile1.cfg");
  ASSERT_EQ(WriteFileReplacing(*fs, path, Bytes(100, 7)), FileStatus::ok);
  ASSERT_EQ(WriteFileReplacing(*fs, path, Bytes{1, 2, 3}), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 1000, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
  EXPECT_FALSE(std::filesystem::exists(temp.native() / "Profile1.cfg.new"));
}

TEST_F(SystemFileSystemTest, NonAsciiPathsWork) {
  const auto folder = temp.Child(u"\u914d\u7f6e \u00e9");
  ASSERT_EQ(fs->CreateFolder(folder), FileStatus::ok);
  const auto path = folder + u"\\Profil\u00e9.cfg";
  ASSERT_EQ(WriteFileReplacing(*fs, path, Bytes{42}), FileStatus::ok);
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 10, out), FileStatus::ok);
  EXPECT_EQ(out, Bytes{42});
}

#ifdef _WIN32
// A target held open without delete sharing cannot be replaced; the old file
// must then be intact and the failure reported.
TEST_F(SystemFileSystemTest, LockedTargetFailsAndKeepsOldContents) {
  const auto path = temp.Child(u"locked.cfg");
  ASSERT_EQ(fs->WriteWhole(path, Bytes{5, 5, 5}), FileStatus::ok);
  std::ifstream holder(temp.native() / "locked.cfg", std::ios::binary);
  ASSERT_TRUE(holder.is_open());
  const FileStatus status = WriteFileReplacing(*fs, path, Bytes{9});
  holder.close();
  if (status == FileStatus::ok) GTEST_SKIP() << "this system lets a file open for reading be replaced";
  Bytes out;
  ASSERT_EQ(fs->ReadWhole(path, 10, out), FileStatus::ok);
  EXPECT_EQ(out, (Bytes{5, 5, 5}));
}
#endif

}  // namespace
}  // namespace zk40
