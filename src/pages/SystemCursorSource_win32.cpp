// The cursor position from the system.
#include <windows.h>

#include "pages/DistanceSampler.h"

namespace zk40 {
namespace {

class SystemCursorSource final : public CursorSource {
 public:
  std::optional<CursorPoint> CursorPosition() override {
    POINT p{};
    if (!GetCursorPos(&p)) return std::nullopt;
    return CursorPoint{p.x, p.y};
  }
};

}  // namespace

std::unique_ptr<CursorSource> CreateSystemCursorSource() { return std::make_unique<SystemCursorSource>(); }

}  // namespace zk40
