// Moving data between strings, streams and byte arrays, and reading byte
// arrays written as hexadecimal text.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

using TByteArr = std::vector<uint8_t>;

// With a separator: one byte per part (hex, either case, lowest 8 bits; 0 for
// a part that is no hex number). Without: one byte per pair of characters, an
// unpaired last character ignored.
TByteArr HexStringToByteArray(std::string_view hexText, std::string_view separator);
TByteArr StringToByteArray(std::string_view text);
std::string ByteArrayToString(const TByteArr& bytes);
// UTF-8 text from bytes that may start with a UTF-16 mark (the mark becomes
// U+FEFF at the start); other bytes, a UTF-8 mark included, as they stand.
std::string ByteArrayToStringEncoded(const TByteArr& bytes);
// The whole stream from position 0; the position is 0 afterwards. Bytes the
// stream does not deliver stay 0.
TByteArr StreamToByteArray(std::istream& stream);
