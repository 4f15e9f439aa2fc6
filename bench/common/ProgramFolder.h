#pragma once
// The program folder for a bench run: a copy of it, so that a run starts on the folder as the
// build made it and leaves the build's own folder untouched, and the starting profile's sounds
// turned down.

#include "base/records/PlayerRecord.h"
#include "base/records/RecordFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

namespace zarle::bench {

inline bool CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

// "Fewer sounds" in the header of the player file, the profile a first start applies: no intro
// sound, so the first sound of the run is the first deal's.
inline bool TurnSoundsDown(const QString& folder) {
    RecordFile players((folder + "/Data/Players.sav").toStdString(), PlayerRecord::Size,
                       RecordFile::Access::ReadWrite);
    auto header = ReadRecord<PlayerRecord>(players, 1);
    header.SoundLevel = 1;
    return WriteRecord(players, 1, header);
}

} // namespace zarle::bench
