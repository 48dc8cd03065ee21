// The two query encoders' inner loops on 64-bit x86 processors with AVX-512 (byte and
// compress instructions): many bytes at a time where the byte-at-a-time loops of
// search/QueryEncoding.cpp are held to about one byte per two cycles by their stores.
// Each loop does a prefix of the input; the caller finishes the rest one byte at a time.
#pragma once
#include <cstddef>

namespace qs::vector_encoding {

// Whether this processor runs the loops below; when not, they must not be called.
bool Available();

// The length of UrlEncode's result.
std::size_t UrlEncodedLength(const unsigned char* text, std::size_t length);

// UrlEncode of a prefix of the text into `out`, which has room for the whole result and 64
// bytes more. Returns the length of the prefix done; *outEnd is where its encoding ends.
std::size_t UrlEncodePrefix(const unsigned char* text, std::size_t length, char* out, char** outEnd);

// At least the length of Cp1252ToUtf8's result, at most one byte more per byte 0x80-0x9F.
std::size_t Utf8LengthBound(const unsigned char* text, std::size_t length);

// Cp1252ToUtf8 of a prefix that holds no byte 0x80-0x9F (the bytes Windows-1252 gives
// characters of its own), into `out`, with room for its result and 64 bytes more. The prefix
// stops before a block of 32 bytes that holds one, or before the last 31 bytes.
std::size_t Latin1ToUtf8Prefix(const unsigned char* text, std::size_t length, char* out, char** outEnd);

}  // namespace qs::vector_encoding
