#include <gtest/gtest.h>

#include "device/UploadWorker.h"
#include "support/UploadRig.h"

namespace zk40 {
namespace {

class UploadWorkerTest : public ::testing::Test, protected test::UploadRig {
 protected:
  void SetUp() override { ASSERT_TRUE(Open()); }
  UploadWorker worker{sequence};
};

TEST_F(UploadWorkerTest, RequestsBeforeTheWorkerWakesMakeOneUpload) {
  worker.RequestUpload();
  worker.RequestUpload();
  worker.Start();
  ASSERT_TRUE(observer.WaitForResults(1));
  EXPECT_FALSE(worker.UploadReady());  // until the main window has handled the result
  worker.SetUploadReady();
  EXPECT_TRUE(worker.UploadReady());
  worker.Stop();
  EXPECT_EQ(observer.Results(), 1);
}

TEST_F(UploadWorkerTest, ARequestDuringAnUploadRunsOneMore) {
  bool asked = false;
  observer.on_progress = [&](int) {
    if (!asked) worker.RequestUpload();
    asked = true;
  };
  worker.Start();
  worker.RequestUpload();
  ASSERT_TRUE(observer.WaitForResults(2));
  worker.Stop();
  EXPECT_EQ(observer.Results(), 2);
}

TEST_F(UploadWorkerTest, StoppingAWaitingWorkerEndsItWithoutAnUpload) {
  worker.Start();
  worker.Stop();
  EXPECT_TRUE(observer.Events().empty());
  EXPECT_TRUE(mouse.Transfers().empty());
  worker.Stop();  // a second stop is harmless
}

}  // namespace
}  // namespace zk40
