#include <gtest/gtest.h>

#include "EmulatedMouse.h"
#include "device/UploadWorker.h"
#include "settings/ProfileDefaults.h"
#include "support/RecordingUploadObserver.h"

namespace zk40 {
namespace {

class UploadWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillProfileDefaults(store->current_record, false);
    ASSERT_EQ(link.OpenDevice(), 1);
  }

  VirtualClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  HookState hooks;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  test::RecordingUploadObserver observer;
  UploadSequence sequence{*store, link, hooks, clock, observer};
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
