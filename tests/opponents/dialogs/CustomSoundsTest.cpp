// The custom-sound editor of the opponents setup: a sound played by a click, a new one chosen and
// saved, the custom list reset; only the custom list of the personality being edited is written.

#include "tests/support/board/DialogFixture.h"
#include "base/records/PersonalityRecord.h"
#include "opponents/dialogs/frmMulti.h"

#include <QPushButton>
#include <QRadioButton>

#include <fstream>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

constexpr size_t CustomName(int event) {
    return 3600 + 60 * event + 30;
}

class CustomSoundsTest : public DialogTest {
  protected:
    void Setup(const std::function<void(frmMulti&)>& act) {
        WhileShown<frmMulti>([&] { Window->Dialogs().SetupOpponents(); }, act);
    }
    // The bytes of `after` that differ from `before`, as [first, last) ranges.
    static std::vector<std::pair<size_t, size_t>> Changes(const Bytes& before, const Bytes& after) {
        std::vector<std::pair<size_t, size_t>> ranges;
        for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
            const bool same = i < before.size() && i < after.size() && before[i] == after[i];
            if (same) continue;
            if (!ranges.empty() && ranges.back().second == i)
                ++ranges.back().second;
            else
                ranges.push_back({i, i + 1});
        }
        return ranges;
    }
};

TEST_F(CustomSoundsTest, ANewSoundChangesOnlyThatEntryOfTheEditedPersonalitysCustomList) {
    StartWith([](PlayerRecord& r) {
        r.NumPlayers = 3;
        r.NumCenters = 4;
    });
    const fs::path outside = Root().parent_path() / "Cheer.wav";
    fs::copy_file(File("Sounds/ZarleYeah.wav"), outside);
    FilesAnswer.Opens = {outside.string()};
    const Bytes quenor = FileBytes("Data/PMS/Quenor.pms");
    const Bytes vova = FileBytes("Data/PMS/Vova.pms");
    const Bytes zarle = FileBytes("Data/PMS/Zarle.pms");

    Setup([&](frmMulti& w) {
        ASSERT_EQ(w.CboOpponent->currentText(), "Quenor");
        Click(w.OptWav[1]);
        Click(w.CmdApply);
        Click(w.cmdSounds);
        ASSERT_TRUE(w.IsWide());
        Click(w.OptPlay[3]);
        ASSERT_FALSE(Sound.Files.empty());
        EXPECT_EQ(Sound.Files.back(), (Root() / "Sounds" / "QuenorWin1.wav").string());
        EXPECT_FALSE(w.OptPlay[3]->isChecked()) << "it can be clicked again";
        EXPECT_TRUE(w.imgPoint->isVisible());
        Click(w.CmdChangeSound);
        ASSERT_EQ(FilesAnswer.Asked.size(), 1u);
        EXPECT_EQ(FilesAnswer.Asked[0].Filter, "Wav Sounds (*.wav)|*.wav");
        EXPECT_EQ(FilesAnswer.Asked[0].InitDir, (Root() / "Sounds").string());
        Click(w.CmdSaveSounds);
        EXPECT_FALSE(w.IsWide());
        Click(w.cmdDone);
    });

    EXPECT_EQ(FileBytes("Sounds/Cheer.wav"), FileBytes("Sounds/ZarleYeah.wav")) << "copied into Sounds";
    const Bytes after = FileBytes("Data/PMS/Quenor.pms");
    ASSERT_EQ(after.size(), quenor.size());
    for (const auto& [first, last] : Changes(quenor, after)) {
        EXPECT_GE(first, CustomName(3));
        EXPECT_LE(last, CustomName(3) + 30);
    }
    EXPECT_EQ(PersonalityRecord::Decode(after).Sounds[1][3], "Cheer.wav");
    EXPECT_EQ(FileBytes("Data/PMS/Vova.pms"), vova);
    EXPECT_EQ(FileBytes("Data/PMS/Zarle.pms"), zarle);
    EXPECT_EQ(Game->Sounds[3], (Root() / "Sounds" / "Cheer.wav").string());
}

TEST_F(CustomSoundsTest, ResetCopiesTheDefaultListAndAVanishedFileIsNeverWrittenAnew) {
    PersonalityRecord changed = PersonalityRecord::Decode(FileBytes("Data/PMS/Zarle.pms"));
    for (int k = 1; k < 16; ++k) changed.Sounds[1][k] = "slap.wav";
    {
        const auto bytes = changed.Encode();
        std::ofstream(File("Data/PMS/Zarle.pms"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    StartWith();
    Setup([&](frmMulti& w) {
        Click(w.OptWav[1]);
        Click(w.cmdSounds);
        Click(w.cmdResetSounds);
        const PersonalityRecord reset = PersonalityRecord::Decode(FileBytes("Data/PMS/Zarle.pms"));
        for (int k = 1; k < 16; ++k) EXPECT_EQ(reset.Sounds[1][k], changed.Sounds[0][k]) << k;
        EXPECT_EQ(reset.Sounds[0], changed.Sounds[0]);
        EXPECT_EQ(reset.Comments, changed.Comments);
        EXPECT_EQ(reset.Picture, changed.Picture);

        fs::remove(File("Data/PMS/Zarle.pms"));
        Click(w.CmdSaveSounds);
        EXPECT_FALSE(fs::exists(File("Data/PMS/Zarle.pms")));
        Click(w.cmdCancel);
    });
}

} // namespace
} // namespace zarle::test
