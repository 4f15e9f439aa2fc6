#pragma once
// The field-by-field codec shared by every record. Each record lists its fields once, in a
// function `fields(record, io)` naming each field's offset; decoding runs it with a FieldReader,
// encoding with a FieldWriter, so the two directions cannot drift apart.

#include "base/records/ByteOrder.h"
#include "base/Card.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

class FieldReader {
  public:
    explicit FieldReader(const uint8_t* record) : b_(record) {}
    void Int16(size_t at, int16_t& v) const { v = LoadInt16(b_ + at); }
    void Int32(size_t at, int32_t& v) const { v = LoadInt32(b_ + at); }
    void Double(size_t at, double& v) const { v = LoadDouble(b_ + at); }
    // A card is an (id, value) pair of 16-bit integers.
    void Card(size_t at, CardRec& c) const {
        c.Id = LoadInt16(b_ + at);
        c.Value = LoadInt16(b_ + at + 2);
    }
    void Text(size_t at, size_t width, std::string& s) const { s = ReadFixedText(b_ + at, width); }
    template <class Record> void Embedded(size_t at, Record& r) const {
        r = Record::Decode(std::span(b_ + at, Record::Size));
    }

  private:
    const uint8_t* b_;
};

class FieldWriter {
  public:
    explicit FieldWriter(uint8_t* record) : b_(record) {}
    void Int16(size_t at, int16_t v) const { StoreInt16(b_ + at, v); }
    void Int32(size_t at, int32_t v) const { StoreInt32(b_ + at, v); }
    void Double(size_t at, double v) const { StoreDouble(b_ + at, v); }
    void Card(size_t at, CardRec c) const {
        StoreInt16(b_ + at, c.Id);
        StoreInt16(b_ + at + 2, c.Value);
    }
    void Text(size_t at, size_t width, const std::string& s) const { WriteFixedText(b_ + at, width, s); }
    template <class Record> void Embedded(size_t at, const Record& r) const {
        std::ranges::copy(r.Encode(), b_ + at);
    }

  private:
    uint8_t* b_;
};

// A short buffer reads as if padded with zero bytes and extra bytes are ignored, so decoding
// never fails and never reads outside what it was given.
template <class Record, class Fields> Record DecodeFields(std::span<const uint8_t> bytes, Fields fields) {
    std::array<uint8_t, Record::Size> b{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), Record::Size), b.begin());
    Record r;
    fields(r, FieldReader(b.data()));
    return r;
}

// Bytes that no field covers are written as zeros.
template <class Record, class Fields>
std::array<uint8_t, Record::Size> EncodeFields(const Record& r, Fields fields) {
    std::array<uint8_t, Record::Size> b{};
    fields(r, FieldWriter(b.data()));
    return b;
}

} // namespace zarle
