#pragma once
// A BMP file whose header promises more pixels than the file holds would
// decode into a picture of undefined pixels; such a file counts as broken.

#include <cstddef>
#include <cstdint>
#include <span>

namespace zk40::skin {

// False for a file that starts like a BMP ("BM") but whose headers are cut
// short, inconsistent, or describe pixel data beyond the end of the file.
// Files of other formats pass (their decoder judges them).
[[nodiscard]] bool BmpLooksComplete(std::span<const std::uint8_t> file);

}  // namespace zk40::skin
