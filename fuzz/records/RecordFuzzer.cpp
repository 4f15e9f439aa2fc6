// One record codec from outside bytes (the record named by ZARLE_RECORD, from ZARLE_RECORD_HEADER):
// any bytes, short, long or garbage, decode to a record, and that record encodes to bytes that
// decode and encode to the same bytes again.

#include ZARLE_RECORD_HEADER

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using Record = zarle::ZARLE_RECORD;
    const auto once = Record::Decode(std::span(data, size)).Encode();
    static_assert(std::tuple_size_v<decltype(once)> == Record::Size);
    const auto twice = Record::Decode(once).Encode();
    if (once != twice) std::abort();
    return 0;
}
