#pragma once
// A profile as a readable JSON file: every field of the stored record under a
// name, in its readable form (ProfileFields.h). Writing a record and reading
// the text back gives the same bytes, as long as the record keeps its unused
// bytes zero, as the program writes them.

#include <optional>
#include <string>
#include <string_view>

#include "settings/ProfileLayout.h"

namespace zk40 {

// The text of the file, UTF-8, ending in a new line.
std::string ProfileToJson(const ProfileRecord& record);

struct ProfileJsonRefusal {
  std::string field;  // e.g. "buttons.left.function"; empty for the file as a whole
  std::string problem;
  std::string Message() const { return field.empty() ? problem : field + ": " + problem; }
};

struct ProfileJsonRead {
  std::optional<ProfileRecord> record;
  ProfileJsonRefusal refusal;  // when there is no record
};

// Reads the text of a file: every field must be there, of its type and in its
// range, and no other field may be; the first that is not names itself.
ProfileJsonRead ProfileFromJson(std::string_view text);

}  // namespace zk40
