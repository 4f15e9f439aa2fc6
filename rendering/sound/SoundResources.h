#pragma once
// The sound resources compiled into the program: complete wave files under ":/<type>/<id>",
// the sound effects under ":/SOUND/105" .. ":/SOUND/123".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

// ":/<type>/<id>", e.g. ":/SOUND/105".
std::string ProgramResourcePath(int id, std::string_view type = "SOUND");

// The bytes of a resource; nothing when the program carries no such resource.
std::optional<std::vector<char>> ReadProgramResource(int id, std::string_view type = "SOUND");

} // namespace zarle
