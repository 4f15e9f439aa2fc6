#include "network/windows/AvatarFile.h"

#include "base/records/OpponentSlot.h"
#include "network/scores/PeerName.h"
#include "persistence/profiles/ProfileText.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <filesystem>

namespace zarle {

namespace fs = std::filesystem;

bool OpponentAvatarFile(const std::string& appPath, const std::string& playerName, SeatRecord& seat,
                        bool write) {
    const std::string name = CleanPeerName(seat.Name);
    const std::string player = Trim(playerName);
    if (name.empty() || player.empty()) return !write;
    const fs::path path = fs::path(appPath) / "users" / (player + ".avt");
    std::error_code error;
    if (!write && !fs::exists(path, error)) return true;
    if (write) fs::create_directories(path.parent_path(), error);
    RecordFile file(path, AvatarRecord::Size,
                    write ? RecordFile::Access::Create : RecordFile::Access::ReadOnly);
    if (!file.IsOpen()) return false;
    const int64_t count = file.Count();
    for (int64_t n = 1; n <= count; ++n) {
        auto bytes = file.Read(n);
        const AvatarRecord rec = AvatarRecord::Decode(bytes);
        if (Upper(Trim(rec.Name)) != Upper(name)) continue;
        if (write) {
            // Only the avatar changes: the unused fields keep their bytes.
            WriteFixedText(bytes.data() + AvatarRecord::NameWidth, AvatarRecord::AvatarWidth, seat.Avatar);
            return file.Write(n, bytes);
        }
        const std::string avatar = Trim(rec.Avatar);
        if (!avatar.empty() && fs::is_regular_file(fs::path(appPath) / "Avatars" / avatar, error))
            seat.Avatar = avatar;
        return true;
    }
    if (!write) return true;
    return file.Write(count + 1, NewAvatarRecord(name, seat.Avatar));
}

} // namespace zarle
