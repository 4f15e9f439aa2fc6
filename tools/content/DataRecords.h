#pragma once
// The record files of the default program folder, as the bytes the program reads.

#include "base/records/PlayerRecord.h"
#include "tools/content/TextSheet.h"

#include <QByteArray>

#include <string>

namespace zarle::content {

// Record 1 of the player file: no player yet, and the profile every new player starts from.
PlayerRecord StartingProfile();

QByteArray PlayerFile();                       // Data/Players.sav: the header record alone
QByteArray SettingsFile();                     // Data/scores.ran: 18 empty settings and best-run records
QByteArray HighScoreFile();                    // Data/highscore.ran: 20 empty places of the ranked lists
QByteArray TextStore(const TextSheet& lines);  // Data/snack.ade, lines by record number
QByteArray CommentSet(const TextSheet& lines); // users/<set>.cmt, lines 1..20
QByteArray PersonalityFile(const std::string& name, const TextSheet& sheet); // Data/PMS/<name>.pms

} // namespace zarle::content
