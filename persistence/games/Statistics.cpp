#include "persistence/games/Statistics.h"

#include "persistence/games/HighScores.h"
#include "base/records/RecordDate.h"
#include "base/records/RecordFile.h"
#include "engine/Saturating.h"
#include "base/records/ScoreRecord.h"
#include "base/text/VbText.h"

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr int HumanRunPanel = 2;
constexpr int OpponentRunPanel = 6;

int Sum(const StatsRow& row, int from) {
    return row[from] + row[from + 1] + row[from + 2];
}

} // namespace

std::string RunText(const StatsRow& row) {
    return Str(row[0]) + "-" + Str(row[1]) + "-" + Str(row[2]) + "- [" + Str(Sum(row, 0)) + " ]";
}

void ChangeBestRun(GameState& s, const ProfileState& profile) {
    const auto& runs = profile.PlayerRec.BestRuns;
    for (int k = 0; k < 3; ++k) {
        s.Stats[PlayerRecordsRow][k] = runs[0][k];
        s.Stats[PlayerRecordsRow][k + 3] = runs[1][k];
        s.Stats[ComputerRecordsRow][k] = runs[2][k];
        s.Stats[ComputerRecordsRow][k + 3] = runs[3][k];
    }
}

Statistics::Statistics(GameState& state, BoardPort& board, Profiles& profiles)
    : Now([] { return ToRecordDate(LocalNow()); }), s_(state), board_(board), profiles_(profiles) {}

void Statistics::StatsAdd(int fromSlot, int row) {
    if (row < 0 || row > 5) return;
    StatsRow& counts = s_.Stats[row];
    const int column = fromSlot == 1                     ? 0
                       : fromSlot >= 2 && fromSlot <= 6  ? 1
                       : fromSlot >= 7 && fromSlot <= 10 ? 2
                                                         : -1;
    if (column >= 0) {
        AddSaturating(counts[column], 1);
        AddSaturating(counts[column + 3], 1);
    }
    board_.SetPanelText(row == 1 ? HumanRunPanel : OpponentRunPanel, RunText(counts));
}

void Statistics::StatsCk(int row, int best) {
    if (row < 0 || row > 5 || best < 0 || best > 5) return;
    int panel = 0;
    if (s_.PTurn >= 2 || s_.WorkSideCount == 0) panel = OpponentRunPanel;
    if (s_.PTurn == 1 || s_.SideCount == 0) panel = HumanRunPanel;
    const bool playing = s_.PTurn != 0;
    const bool ranked = !playing && s_.NetMode == 0;
    StatsRow& run = s_.Stats[row];
    StatsRow& record = s_.Stats[best];
    const std::string text = RunText(run);

    const int runSum = Sum(run, 0);
    if (runSum != 0 && runSum > Sum(record, 0)) {
        std::copy_n(run.begin(), 3, record.begin());
        if (playing && panel != 0) board_.SetPanelText(panel + 1, RunText(record));
        if (ranked) {
            StatsHigh(best, RunListFirst, RunListLast, 0, runSum, 0);
            StatsNotify();
        }
    }
    if (run[3] != 0 || record[3] != 0) {
        const bool wins = run[3] > record[3] || (run[3] == record[3] && Sum(run, 3) >= Sum(record, 3));
        if (wins) {
            std::copy_n(run.begin() + 3, 3, record.begin() + 3);
            if (ranked) {
                StatsHigh(best, SideListFirst, SideListLast, 3, Sum(record, 3), record[3]);
                StatsNotify();
            }
        }
    }
    if (!playing) return;
    if (panel != 0) board_.SetPanelText(panel, text);
    run = {};
}

void Statistics::StatsSave(int row, int best) {
    auto& runs = profiles_.Profile().PlayerRec.BestRuns;
    if (best == PlayerRecordsRow) {
        for (int k = 0; k < 3; ++k) {
            s_.Stats[best][k] = runs[0][k];
            s_.Stats[best][k + 3] = runs[1][k];
        }
    }
    StatsCk(row, best);
    const int runRow = best == ComputerRecordsRow ? 2 : 0;
    for (int k = 0; k < 3; ++k) {
        runs[runRow][k] = s_.Stats[best][k];
        runs[runRow + 1][k] = s_.Stats[best][k + 3];
    }
}

// The computer's record enters the list only when it is at least the all-time record kept in
// the settings file, which it then replaces.
bool Statistics::ComputerBeatsAllTime(int column, int total, int key) {
    RecordFile scores(profiles_.ScoresFile(), ScoreRecord::Size, RecordFile::Access::ReadWrite);
    if (!scores.IsOpen()) return false;
    const bool sideList = column != 0;
    const int recNo = sideList ? ComputerBestSideRecord : ComputerBestRunRecord;
    ScoreRecord allTime = ReadRecord<ScoreRecord>(scores, recNo);
    if (sideList ? key < allTime.Value0 : total < allTime.Value3) return false;
    const StatsRow& computer = s_.Stats[ComputerRecordsRow];
    allTime.Value0 = computer[column];
    allTime.Value1 = computer[column + 1];
    allTime.Value2 = computer[column + 2];
    allTime.Value3 = Saturate16(total);
    if (!WriteRecord(scores, recNo, allTime)) profiles_.ReportScoresNotSaved(scores.Error());
    return true;
}

void Statistics::StatsHigh(int best, int first, int last, int column, int total, int side) {
    const int key = first == RunListFirst ? total : side;
    const bool computer = best == ComputerRecordsRow;
    if (computer && !ComputerBeatsAllTime(column, total, key)) return;

    const HighScoreFile file(profiles_.HighScoresFile());
    std::vector<HighScoreRecord> list = file.Read(first, last);
    // The list keeps one computer entry of each kind.
    if (computer) RemoveFirstNamed(list, ComputerName);
    HighScoreRecord entry;
    entry.Date = Now();
    entry.Name = computer ? std::string(ComputerName) : s_.PlayerName;
    const StatsRow& counts = s_.Stats[best];
    entry.Value0 = counts[column];
    entry.Value1 = counts[column + 1];
    entry.Value2 = counts[column + 2];
    entry.Value3 = Saturate16(total);
    if (!EnterRanked(list, first != RunListFirst, entry)) return;
    // The whole list in one write: it is never left with an entry twice or missing.
    const std::string error = file.Write(first, list);
    if (!error.empty()) profiles_.ReportScoresNotSaved(error);
}

void Statistics::StatsNotify() {
    board_.SetCaption({Ctl::LabelPeek, 0}, Crlf + "New Stats Record!");
    board_.SetVisible({Ctl::LabelPeek, 0}, true);
}

} // namespace zarle
