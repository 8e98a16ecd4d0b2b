#pragma once
// Indexes the elements of a text into an element table. The parse recovers
// from every fault: an end tag that closes an outer element closes the inner
// ones as not ended (their children become their following siblings), an end
// tag without a start tag is ignored, and elements still open at the end are
// closed the same way.

#include <string>
#include <string_view>

#include "i18n/ElementTable.h"

namespace zk40 {

// Fills the table and returns the message of the first problem found (the
// document checks included), or an empty text when there is none. Throws
// only std::bad_alloc.
std::u16string ParseElements(std::u16string_view text, bool ignoreCase, ElementTable& table);

}  // namespace zk40
