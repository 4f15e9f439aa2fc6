// Lists of the data folders: avatars, backgrounds, score files, comment sets and personalities,
// and importing an avatar picture.

#include "base/records/PersonalityRecord.h"
#include "persistence/profiles/ProfileText.h"
#include "persistence/profiles/Profiles.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <initializer_list>

namespace zarle {

namespace {

namespace fs = std::filesystem;

bool LessNoCase(const std::string& a, const std::string& b) {
    const std::string upperA = Upper(a), upperB = Upper(b);
    return upperA != upperB ? upperA < upperB : a < b;
}

// The files of a folder whose last three characters, upper-cased, are one of `endings`, sorted
// without regard to case so that list positions stay the same from run to run. A missing
// folder lists nothing.
std::vector<std::string> ListFiles(const fs::path& folder, std::initializer_list<std::string_view> endings) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() < 3) continue;
        const std::string ending = Upper(std::string_view(name).substr(name.size() - 3));
        if (std::ranges::find(endings, std::string_view(ending)) != endings.end()) names.push_back(name);
    }
    std::ranges::sort(names, LessNoCase);
    return names;
}

// The name less its last four characters (the dot and the extension).
std::vector<std::string> Stems(std::vector<std::string> names) {
    for (auto& name : names) name.erase(name.size() >= 4 ? name.size() - 4 : 0);
    return names;
}

std::vector<std::string> Pictures(const fs::path& folder) {
    return ListFiles(folder, {"JPG", "GIF", "BMP"});
}

} // namespace

void Profiles::ReadAvatars() {
    profile_.Avatars = Pictures(DataPath("Avatars"));
}

void Profiles::ReadBacks() {
    profile_.BackList = Pictures(DataPath("backgrounds"));
    profile_.BackCount = static_cast<int16_t>(profile_.BackList.size());
    const auto wood = std::ranges::find(profile_.BackList, "tile_wood.jpg");
    profile_.DefaultBackIdx =
        static_cast<int16_t>(wood == profile_.BackList.end() ? 0 : wood - profile_.BackList.begin() + 1);
}

void Profiles::Read_Users() {
    profile_.UserList = Stems(ListFiles(DataPath("users"), {"RAN"}));
}

void Profiles::ReadComments() {
    profile_.CommentFiles = Stems(ListFiles(DataPath("users"), {"CMT"}));
}

void Profiles::ReadPeople() {
    const fs::path folder = DataPath("Data/PMS");
    const auto files = ListFiles(folder, {"PMS"});
    auto fileNamed = [&](std::string_view upper) {
        const auto it = std::ranges::find_if(files, [&](const std::string& f) { return Upper(f) == upper; });
        return it == files.end() ? std::string() : *it;
    };
    const std::string zarleFile = fileNamed("ZARLE.PMS");
    const std::string zadureFile = fileNamed("ZADURE.PMS");

    // The lead personality comes first even without its file; the others follow, Zadure last.
    std::vector<std::string> names{"Zarle"};
    std::vector<std::string> fileOf{zarleFile};
    for (const auto& file : files) {
        if (file == zarleFile || file == zadureFile) continue;
        names.push_back(file.substr(0, file.size() - 4));
        fileOf.push_back(file);
    }
    if (!zadureFile.empty()) {
        names.push_back("Zadure");
        fileOf.push_back(zadureFile);
    }

    std::vector<std::string> descriptions(names.size());
    if (files.size() == 1 && !zarleFile.empty()) {
        profile_.PersonalityIdx = 0;
    } else {
        for (size_t i = 0; i < names.size(); ++i) {
            if (fileOf[i].empty()) continue;
            RecordFile pms(folder / fileOf[i], PersonalityRecord::Size, RecordFile::Access::ReadOnly);
            if (!pms.IsOpen()) continue;
            const auto rec = ReadRecord<PersonalityRecord>(pms, 1);
            if (!rec.HoldsGarbage()) descriptions[i] = rec.Comments[0];
        }
    }
    s_.Personalities[0] = std::move(descriptions);
    s_.Personalities[1] = std::move(names);
}

void Profiles::Get_Avatars() {
    ProfileView& view = ports_.View;
    view.SetVisible({Ctl::ImgAvatar}, true);
    const fs::path folder = DataPath("Avatars");
    const auto chosen = view.ShowOpen({4100, "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp",
                                       "Change/Import Avatar Pic", folder.string()});
    if (!chosen) return;
    const fs::path source(*chosen);
    const std::string bare = source.filename().string();
    if (bare.empty()) return;
    const fs::path target = folder / bare;
    // A picture already in the folder is not copied onto itself; a failed copy is passed over.
    if (!EqualsNoCase(source.lexically_normal().string(), target.lexically_normal().string())) {
        std::error_code error;
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    }
    profile_.ImportedAvatar = bare;
    view.ScaleAvatar(bare);
}

} // namespace zarle
