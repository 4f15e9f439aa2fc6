#include "base/records/RecordFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zarle;
using zarle::testing::ReadBytes;
using zarle::testing::WriteBytes;
using Bytes = std::vector<uint8_t>;

class RecordFileTest : public ::testing::Test, protected zarle::testing::TempFolder {};

TEST_F(RecordFileTest, MissingFileIsAReportedFailureUnlessCreated) {
    for (auto access : {RecordFile::Access::ReadOnly, RecordFile::Access::ReadWrite}) {
        RecordFile file(Path("absent.sav"), 4, access);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_NE(file.Error().find("absent.sav"), std::string::npos) << file.Error();
        EXPECT_EQ(file.Read(1), Bytes(4, 0));
        EXPECT_FALSE(file.Write(1, Bytes{1, 2, 3, 4}));
        EXPECT_EQ(file.Count(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("absent.sav")));

    RecordFile created(Path("absent.sav"), 4, RecordFile::Access::Create);
    ASSERT_TRUE(created.IsOpen()) << created.Error();
    EXPECT_EQ(created.Count(), 0);
    EXPECT_TRUE(std::filesystem::exists(Path("absent.sav")));
}

TEST_F(RecordFileTest, AFolderOrZeroLengthIsRefused) {
    RecordFile folder(Path(""), 4, RecordFile::Access::ReadOnly);
    EXPECT_FALSE(folder.IsOpen());
    EXPECT_FALSE(folder.Error().empty());

    WriteBytes(Path("data.sav"), {1, 2});
    RecordFile zero(Path("data.sav"), 0, RecordFile::Access::ReadOnly);
    EXPECT_FALSE(zero.IsOpen());
}

TEST_F(RecordFileTest, ReadPastTheEndGivesZerosAndAPartialRecordIsPadded) {
    WriteBytes(Path("data.sav"), {1, 2, 3, 4, 5, 6});
    RecordFile file(Path("data.sav"), 4, RecordFile::Access::ReadOnly);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Count(), 1);
    EXPECT_EQ(file.Read(1), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(file.Read(2), (Bytes{5, 6, 0, 0}));
    EXPECT_EQ(file.Read(3), Bytes(4, 0));
    EXPECT_EQ(file.Read(1'000'000'000), Bytes(4, 0));
    EXPECT_TRUE(file.Error().empty());
}

TEST_F(RecordFileTest, WritePastTheEndExtendsWithZeros) {
    WriteBytes(Path("data.sav"), {9, 9, 9});
    RecordFile file(Path("data.sav"), 4, RecordFile::Access::ReadWrite);
    ASSERT_TRUE(file.Write(3, Bytes{1, 2, 3, 4})) << file.Error();
    EXPECT_EQ(file.Count(), 3);
    EXPECT_EQ(ReadBytes(Path("data.sav")), (Bytes{9, 9, 9, 0, 0, 0, 0, 0, 1, 2, 3, 4}));

    // Overwriting in the middle leaves the neighbours alone; a short record is padded.
    ASSERT_TRUE(file.Write(2, Bytes{7}));
    EXPECT_EQ(ReadBytes(Path("data.sav")), (Bytes{9, 9, 9, 0, 7, 0, 0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(file.Read(2), (Bytes{7, 0, 0, 0}));
}

TEST_F(RecordFileTest, BadRequestsAreRefusedAndLeaveTheFileAlone) {
    WriteBytes(Path("data.sav"), {1, 2, 3, 4});
    {
        RecordFile readOnly(Path("data.sav"), 4, RecordFile::Access::ReadOnly);
        EXPECT_FALSE(readOnly.Write(1, Bytes{5, 5, 5, 5}));
        EXPECT_FALSE(readOnly.Error().empty());
    }
    RecordFile file(Path("data.sav"), 4, RecordFile::Access::ReadWrite);
    EXPECT_FALSE(file.Write(1, Bytes{5, 5, 5, 5, 5}));
    for (int64_t n : {int64_t(0), int64_t(-1), INT64_MAX}) {
        EXPECT_FALSE(file.Write(n, Bytes{5})) << n;
        EXPECT_EQ(file.Read(n), Bytes(4, 0)) << n;
        EXPECT_NE(file.Error().find("record number"), std::string::npos) << n;
    }
    EXPECT_EQ(ReadBytes(Path("data.sav")), (Bytes{1, 2, 3, 4}));
}

TEST_F(RecordFileTest, SeveralRecordsAtOnceAndShorteningTheFile) {
    WriteBytes(Path("data.sav"), {9, 9, 9});
    RecordFile file(Path("data.sav"), 4, RecordFile::Access::ReadWrite);
    // Past the end: the gap is filled, a short last record padded.
    ASSERT_TRUE(file.WriteRange(3, Bytes{1, 2, 3, 4, 5, 6})) << file.Error();
    EXPECT_EQ(ReadBytes(Path("data.sav")), (Bytes{9, 9, 9, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0}));
    ASSERT_TRUE(file.WriteRange(1, Bytes{7, 7, 7, 7, 8, 8, 8, 8}));
    EXPECT_EQ(file.Count(), 4);
    EXPECT_EQ(file.Read(2), (Bytes{8, 8, 8, 8}));

    ASSERT_TRUE(file.Truncate(2));
    EXPECT_EQ(ReadBytes(Path("data.sav")), (Bytes{7, 7, 7, 7, 8, 8, 8, 8}));
    ASSERT_TRUE(file.Truncate(5)) << "a longer count leaves the file as it is";
    EXPECT_EQ(file.Count(), 2);
    EXPECT_FALSE(file.Truncate(-1));

    RecordFile readOnly(Path("data.sav"), 4, RecordFile::Access::ReadOnly);
    EXPECT_FALSE(readOnly.WriteRange(1, Bytes{1}));
    EXPECT_FALSE(readOnly.Truncate(0));
    EXPECT_EQ(readOnly.Count(), 2);
}
