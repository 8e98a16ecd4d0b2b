#pragma once
// An upload sequence against the emulated mouse on a virtual clock, with the
// factory profile in the store; the link is opened by Open().
#include <memory>

#include "EmulatedMouse.h"
#include "device/CUSBDriver.h"
#include "device/UploadSequence.h"
#include "settings/ProfileDefaults.h"
#include "shell/HookState.h"
#include "support/RecordingUploadObserver.h"

namespace zk40::test {

struct UploadRig {
  UploadRig() { FillProfileDefaults(store->current_record, false); }
  bool Open() { return link.OpenDevice(); }

  VirtualClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  HookState hooks;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  RecordingUploadObserver observer;
  UploadSequence sequence{*store, link, hooks, observer};
};

}  // namespace zk40::test
