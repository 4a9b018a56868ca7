// Keyed strings both ways.  Read: every text a run of keyed strings yields
// is code-page text that writes back under any key and reads back the same.
// Written: any UTF-8 text, however broken, makes a keyed string that reads
// back, the very text whenever the code page can hold it.
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "game/levels/byte_stream.h"
#include "game/levels/keyed_string.h"
#include "game/platform/codepage.h"

namespace {

using namespace game;

// The largest key a writer may use: every code plus the key fits 16 bits.
constexpr int kLargestKey = 32767 - 255;

int16_t KeyFrom(const uint8_t* data, size_t size) {
    const unsigned raw = size >= 2 ? data[0] | (data[1] << 8) : 0;
    return static_cast<int16_t>(raw % (kLargestKey + 1));
}

std::string ReadBack(const ByteWriter& out, const char* what) {
    ByteReader in(out.Bytes());
    std::string text;
    fuzz::Expect(ReadKeyedString(in, text), what);
    fuzz::Expect(in.Remaining() == 0, "a keyed string left bytes behind");
    return text;
}

void ReadRun(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    const int16_t key = KeyFrom(data, size);
    std::string text;
    while (ReadKeyedString(in, text)) {
        const platform::Cp1250Encoding codes = platform::EncodeCp1250(text);
        fuzz::Expect(codes.ok, "a text read from a file does not fit the code page");
        fuzz::Expect(platform::DecodeCp1250(codes.codes) == text,
                     "a code did not read back to itself");
        ByteWriter out;
        WriteKeyedString(out, text, key);
        fuzz::Expect(ReadBack(out, "a text read from a file did not write back") == text,
                     "a text read from a file came back changed");
    }
}

void WriteAny(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ByteWriter out;
    WriteKeyedString(out, text, KeyFrom(data, size));
    const std::string again = ReadBack(out, "a written keyed string does not read");
    const bool fits = platform::FitsCp1250(text) &&
                      platform::Utf8ToCodePoints(text).size() <= kMaxKeyedStringLength;
    if (fits) fuzz::Expect(again == text, "a text the code page holds came back changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadRun(data, size);
    WriteAny(data, size);
    return 0;
}
