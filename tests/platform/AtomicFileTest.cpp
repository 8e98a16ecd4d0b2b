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
  EXPECT_FALSE(fs.HasFile(TemporaryPathFor(kPath)));
}

TEST_F(ReplacingWriteTest, FailedReplaceKeepsTheOldFile) {
  fs.Fail(FsOp::replace, kPath, FileStatus::access_denied);
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::access_denied);
  EXPECT_EQ(fs.Bytes(kPath), (Bytes{1, 2, 3, 4}));
  EXPECT_FALSE(fs.HasFile(TemporaryPathFor(kPath)));
}

TEST_F(ReplacingWriteTest, SuccessReplacesTheWholeFile) {
  EXPECT_EQ(WriteFileReplacing(fs, kPath, Bytes{9}), FileStatus::ok);
  EXPECT_EQ(fs.Bytes(kPath), Bytes{9});
  EXPECT_FALSE(fs.HasFile(TemporaryPathFor(kPath)));
}

}  // namespace
}  // namespace zk40
