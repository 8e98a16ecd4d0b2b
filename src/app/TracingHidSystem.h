#pragma once
// A HidSystem that hands everything on to another and tells each report that
// moves, as zk40ctl's traces write them: "feature HEX" for a command report,
// "output HEX" for a data report, "read HEX" for a feature report read back
// (HEX the whole report, report id first). A report is told whether or not the
// device took it.

#include <functional>
#include <string>

#include "platform/HidSystem.h"

namespace zk40 {

class TracingHidSystem final : public HidSystem {
 public:
  using Sink = std::function<void(const std::string& event)>;
  TracingHidSystem(HidSystem& inner, Sink sink) : inner_(inner), sink_(std::move(sink)) {}

  bool EnumerateInterfaces(std::vector<std::u16string>& paths) override { return inner_.EnumerateInterfaces(paths); }
  std::unique_ptr<HidDevice> Open(const std::u16string& path, HidAccess access) override;

 private:
  HidSystem& inner_;
  Sink sink_;
};

}  // namespace zk40
