#include "opponents/CustomSounds.h"

#include "opponents/DataFiles.h"
#include "base/records/PersonalityRecord.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

// The personality's file, opened for reading and, with `write`, for writing too; nothing when it
// is missing, unsafely named or shorter than one whole record.
std::optional<RecordFile> OpenPersonality(const fs::path& programFolder, std::string_view personality,
                                          bool write) {
    const auto path = FindDataFile(programFolder / "Data" / "PMS", std::string(personality) + ".pms");
    if (!path) return std::nullopt;
    RecordFile file(*path, PersonalityRecord::Size,
                    write ? RecordFile::Access::ReadWrite : RecordFile::Access::ReadOnly);
    if (!file.IsOpen() || file.Count() < 1) return std::nullopt;
    return file;
}

std::optional<PersonalityRecord> ReadRecordOf(RecordFile& file) {
    PersonalityRecord rec = ReadRecord<PersonalityRecord>(file, 1);
    // A file of garbage is neither read nor written over.
    if (!file.Error().empty() || rec.HoldsGarbage()) return std::nullopt;
    return rec;
}

bool IsInside(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    const fs::path a = fs::weakly_canonical(file.parent_path(), error);
    const fs::path b = fs::weakly_canonical(folder, error);
    return !error && a == b;
}

} // namespace

std::optional<SoundNames> ReadSoundList(const fs::path& programFolder, std::string_view personality,
                                        int list) {
    auto file = OpenPersonality(programFolder, personality, false);
    if (!file) return std::nullopt;
    const auto rec = ReadRecordOf(*file);
    if (!rec) return std::nullopt;
    SoundNames names;
    for (int k = 1; k < SoundEvents; ++k) names[k] = rec->Sounds[list == CustomSoundList ? 1 : 0][k];
    return names;
}

bool WriteCustomSounds(const fs::path& programFolder, std::string_view personality, const SoundNames& names) {
    auto file = OpenPersonality(programFolder, personality, true);
    if (!file) return false;
    auto rec = ReadRecordOf(*file);
    if (!rec) return false;
    for (int k = 1; k < SoundEvents; ++k) rec->Sounds[1][k] = Trim(names[k]);
    return WriteRecord(*file, 1, *rec);
}

std::optional<SoundNames> ResetCustomSounds(const fs::path& programFolder, std::string_view personality) {
    const auto defaults = ReadSoundList(programFolder, personality, DefaultSoundList);
    if (!defaults || !WriteCustomSounds(programFolder, personality, *defaults)) return std::nullopt;
    return defaults;
}

bool UsableSoundName(std::string_view name) {
    return IsPlainFileName(name) && Utf8ToLatin1(name).size() <= SoundNameWidth && Trim(name) == name;
}

bool CopyIntoSounds(const fs::path& programFolder, const fs::path& chosen) {
    const fs::path sounds = programFolder / "Sounds";
    if (IsInside(chosen, sounds)) return true;
    std::error_code error;
    fs::create_directories(sounds, error);
    return fs::copy_file(chosen, sounds / chosen.filename(), fs::copy_options::overwrite_existing, error);
}

} // namespace zarle
