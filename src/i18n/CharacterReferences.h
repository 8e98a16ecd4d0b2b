#pragma once
// Character references in element data: numeric ones ("&#233;", "&#xE9;")
// and the named entities of HTML 4.01 plus "apos".

#include <optional>
#include <string>
#include <string_view>

namespace zk40 {

// The code point of a named entity. A name that matches one exactly, case
// included, takes it; otherwise names are compared without regard to ASCII
// case, and of two entities that differ only in case the capitalised one wins.
std::optional<char32_t> EntityCodePoint(std::u16string_view name);

// Appends text to out with every reference that can be decoded replaced by
// its character. A reference that cannot be (no ";" within nine characters, a
// number that does not read or is 0 or beyond Unicode, an unknown name) stays
// as written.
void AppendDecoded(std::u16string_view text, std::u16string& out);

}  // namespace zk40
