// Properties every record codec shares: the full length, a byte-exact round trip of anything a
// field can hold, and decoding that survives short, empty and garbage input.
#include "base/records/CommentRecord.h"
#include "base/records/HighScoreRecord.h"
#include "base/records/OpponentSlot.h"
#include "base/records/PersonalityRecord.h"
#include "base/records/PlayerRecord.h"
#include "base/records/RecordFile.h"
#include "base/records/SavedGameRecord.h"
#include "base/records/ScoreRecord.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace zarle;
using Bytes = std::vector<uint8_t>;

namespace {

template <class Record> struct Layout {
    static constexpr size_t Length = 0;
    static std::vector<std::pair<size_t, size_t>> Reserved() { return {}; }
};
template <> struct Layout<OpponentSlot> : Layout<void> { static constexpr size_t Length = 154; };
template <> struct Layout<PlayerRecord> : Layout<void> { static constexpr size_t Length = 738; };
template <> struct Layout<ScoreRecord> : Layout<void> { static constexpr size_t Length = 28; };
template <> struct Layout<NetScoreRecord> : Layout<void> { static constexpr size_t Length = 28; };
template <> struct Layout<HighScoreRecord> : Layout<void> { static constexpr size_t Length = 36; };
template <> struct Layout<PersonalityRecord> : Layout<void> { static constexpr size_t Length = 4580; };
template <> struct Layout<CommentRecord> : Layout<void> { static constexpr size_t Length = 100; };
template <> struct Layout<SavedGameRecord> {
    static constexpr size_t Length = 6038;
    // Written as zeros whatever was read there.
    static std::vector<std::pair<size_t, size_t>> Reserved() { return {{26, 866}, {5908, 5938}}; }
};

// Bytes that every field reads back unchanged: no zero and no blank (text fields stop at a zero
// byte and lose blanks at their ends), anything else including Latin-1 letters.
Bytes Scrambled(size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0x21, 0xFF);
    Bytes bytes(length);
    for (auto& b : bytes) b = uint8_t(byte(random));
    return bytes;
}

} // namespace

template <class Record> class RecordCodec : public ::testing::Test {};
using AllRecords = ::testing::Types<OpponentSlot, PlayerRecord, ScoreRecord, NetScoreRecord, HighScoreRecord,
                                    SavedGameRecord, PersonalityRecord, CommentRecord>;
TYPED_TEST_SUITE(RecordCodec, AllRecords);

template <class Record> class RecordFileOf : public ::testing::Test, protected zarle::testing::TempFolder {};
TYPED_TEST_SUITE(RecordFileOf, AllRecords);

TYPED_TEST(RecordCodec, EveryByteRoundTripsExceptReservedOnes) {
    using Layout = Layout<TypeParam>;
    ASSERT_EQ(TypeParam::Size, Layout::Length);
    for (unsigned seed : {1u, 2u, 3u}) {
        Bytes bytes = Scrambled(Layout::Length, seed);
        for (auto [from, to] : Layout::Reserved()) std::fill(bytes.begin() + from, bytes.begin() + to, 0);

        const auto record = TypeParam::Decode(bytes);
        const auto encoded = record.Encode();
        ASSERT_EQ(Bytes(encoded.begin(), encoded.end()), bytes) << "seed " << seed;
    }
}

TYPED_TEST(RecordCodec, ReservedBytesAreWrittenAsZeros) {
    const Bytes bytes = Scrambled(TypeParam::Size, 4);
    const auto encoded = TypeParam::Decode(bytes).Encode();
    for (auto [from, to] : Layout<TypeParam>::Reserved())
        for (size_t i = from; i < to; ++i) ASSERT_EQ(encoded[i], 0) << "byte " << i;
}

TYPED_TEST(RecordCodec, ShortInputReadsAsZeroPaddedAndLongInputIsCut) {
    const Bytes full = Scrambled(TypeParam::Size, 5);
    EXPECT_EQ(TypeParam::Decode(Bytes{}), TypeParam{});
    EXPECT_EQ(TypeParam::Decode(Bytes(TypeParam::Size, 0)), TypeParam{});

    Bytes half(full.begin(), full.begin() + TypeParam::Size / 2);
    Bytes padded = half;
    padded.resize(TypeParam::Size, 0);
    EXPECT_EQ(TypeParam::Decode(half).Encode(), TypeParam::Decode(padded).Encode());

    Bytes longer = full;
    longer.resize(TypeParam::Size + 50, 0x7F);
    EXPECT_EQ(TypeParam::Decode(longer).Encode(), TypeParam::Decode(full).Encode());
}

// A file of random bytes whose length is no whole number of records: every record reads, the
// partial last one as if padded with zeros, and rewriting a record read from it changes nothing
// outside the reserved bytes.
TYPED_TEST(RecordFileOf, GarbageFileReadsRecordByRecord) {
    std::mt19937 random(6);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes garbage(TypeParam::Size * 2 + TypeParam::Size / 3);
    for (auto& b : garbage) b = uint8_t(byte(random));
    zarle::testing::WriteBytes(this->Path("garbage"), garbage);

    RecordFile file(this->Path("garbage"), TypeParam::Size, RecordFile::Access::ReadOnly);
    ASSERT_TRUE(file.IsOpen()) << file.Error();
    EXPECT_EQ(file.Count(), 2);
    Bytes tail(garbage.begin() + 2 * TypeParam::Size, garbage.end());
    tail.resize(TypeParam::Size, 0);
    EXPECT_EQ(ReadRecord<TypeParam>(file, 3).Encode(), TypeParam::Decode(tail).Encode());
    EXPECT_EQ(ReadRecord<TypeParam>(file, 4), TypeParam{});
}

TYPED_TEST(RecordFileOf, TruncatedFileKeepsWhatIsThere) {
    TypeParam record = TypeParam::Decode(Scrambled(TypeParam::Size, 7));
    {
        RecordFile file(this->Path("records"), TypeParam::Size, RecordFile::Access::Create);
        ASSERT_TRUE(WriteRecord(file, 1, record));
        ASSERT_TRUE(WriteRecord(file, 2, record));
    }
    std::filesystem::resize_file(this->Path("records"), TypeParam::Size + 9);

    RecordFile file(this->Path("records"), TypeParam::Size, RecordFile::Access::ReadOnly);
    EXPECT_EQ(file.Count(), 1);
    EXPECT_EQ(ReadRecord<TypeParam>(file, 1), record);
    const auto cut = ReadRecord<TypeParam>(file, 2).Encode();
    const auto whole = record.Encode();
    EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + 9, cut.begin()));
    EXPECT_TRUE(std::all_of(cut.begin() + 9, cut.end(), [](uint8_t b) { return b == 0 || b == ' '; }));
}
