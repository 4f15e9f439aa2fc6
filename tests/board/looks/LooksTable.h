#pragma once
// A laid-out board window on a program folder with the default backgrounds and text store, the
// backgrounds listed; pictures of what the tests show go to a folder of the build for review.

#include "tests/support/board/BoardTable.h"

#include <QImage>
#include <QString>

#include <filesystem>

namespace zarle::test {

class LooksTable : public BoardTable {
  public:
    explicit LooksTable(TableSetting setting = {});

    TableLooks& Looks() { return Window->Looks(); }
    std::filesystem::path Root() const { return Folder.path().toStdString(); }
    std::filesystem::path BackgroundsFolder() const { return Root() / "backgrounds"; }
    // Lists the backgrounds folder again, as start-up does.
    void ReadBacks() { Window->PlayerProfiles().ReadBacks(); }
    // BackIdx of a listed file; 0 when it is not listed.
    int16_t IndexOf(const std::string& file) const;
    // What the board paints under its controls (the background or the flow animation's frame).
    QImage TableShown();
};

// Writes a picture of `size` in four quadrant colours (red, green, blue, yellow).
void WriteQuadrants(const std::filesystem::path& file, QSize size);
// Saves a picture for review under the build's test folder; false when it could not be written.
bool SaveForReview(const QImage& picture, const QString& name);

} // namespace zarle::test
