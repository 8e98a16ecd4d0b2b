#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "support/FakeFileSystem.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FakeFileSystem;
using test::FsOp;

const std::u16string kPath = u"C:\\data\\Profile1.cfg";

class ReplacingWriteTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddFile(kPath, Bytes{1, 2, 3, 4}); }
  FakeFileSystem fs;
};

TEST_F(ReplacingWriteTest, DiskFullMidWriteKeepsTheOldFileAndRemovesTheTemporary) {
  fs.FailWriteAfter(2);
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes(22160, 9)), FileStatus::disk_full);
  EXPECT_EQ(fs.Bytes(kPath), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(fs.files.size(), 1u) << "no temporary file is left";
}

TEST_F(ReplacingWriteTest, FailedReplaceKeepsTheOldFile) {
  fs.Fail(FsOp::replace, kPath, FileStatus::access_denied);
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::access_denied);
  EXPECT_EQ(fs.Bytes(kPath), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(fs.files.size(), 1u) << "no temporary file is left";
}

TEST_F(ReplacingWriteTest, SuccessReplacesTheWholeFile) {
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::ok);
  EXPECT_EQ(fs.Bytes(kPath), Bytes{9});
  EXPECT_EQ(fs.files.size(), 1u) << "no temporary file is left";
}

TEST_F(ReplacingWriteTest, ATakenTemporaryNameIsPassedOverNotWrittenOver) {
  fs.FailOnce(FsOp::create_new, FileStatus::already_exists);
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::ok);
  EXPECT_EQ(fs.Bytes(kPath), Bytes{9});
  EXPECT_EQ(fs.CallCount(FsOp::create_new), 2);
  EXPECT_EQ(fs.CallCount(FsOp::remove), 0) << "the taken name is not removed";

  fs.Fail(FsOp::create_new, kPath + kTemporaryMark + u"*", FileStatus::already_exists);
  EXPECT_NE(WriteFileReplacing(fs, kPath, Bytes{8}), FileStatus::ok) << "every name taken";
  EXPECT_EQ(fs.Bytes(kPath), Bytes{9});
  EXPECT_EQ(fs.CallCount(FsOp::remove), 0);
}

// A path that fits the system's limit while the temporary name beside it
// does not is still saved: written in place, as a plain write would.
TEST_F(ReplacingWriteTest, APathTooLongForTheTemporaryNameIsStillSaved) {
  for (FileStatus refusal : {FileStatus::name_too_long, FileStatus::not_found}) {
    FakeFileSystem limited;
    limited.AddFile(kPath, Bytes{1});
    limited.LimitPathLength(kPath.size(), refusal);
    EXPECT_EQ(WriteFileReplacing(limited, kPath, Bytes{9}), FileStatus::ok);
    EXPECT_EQ(limited.Bytes(kPath), Bytes{9});
    EXPECT_EQ(WriteFileReplacing(limited, kPath + u"x", Bytes{9}), refusal) << "too long for anything";
  }
}

// The temporary file must be one nobody else has: files named like the target
// with something appended belong to the user and stay as they were.
TEST_F(ReplacingWriteTest, EveryOtherFileOfTheFolderStaysAsItWas) {
  for (const char16_t* other : {u".new", u".tmp", u".bak", u"~"}) fs.AddFile(kPath + other, Bytes{7});
  const auto before = fs.files;
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::ok);
  auto after = fs.files;
  EXPECT_EQ(after[kPath], Bytes{9});
  after[kPath] = before.at(kPath);
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace zk40
