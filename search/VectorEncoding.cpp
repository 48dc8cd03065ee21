// AVX-512 loops of the query encoders. Elsewhere than on 64-bit x86, Available() is false.
//
// UrlEncode: most bytes stay themselves (letters, digits, - . _) or become one byte (the
// space, "+"), so 64 bytes are translated at once and written as a whole; each byte that
// needs "%XX" cuts the block there, gets its three bytes, and the rest of the block (moved
// into place by a byte permutation) is written after them.
// Latin-1 to UTF-8: each byte becomes one or two, the second of a pair being the low six
// bits; 32 bytes are widened to 32 byte pairs and the compress instruction keeps the second
// byte of the pairs that need one.
#include "search/VectorEncoding.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#define QS_AVX512_ENCODING __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt")))

namespace qs::vector_encoding {

namespace {

// Bits of the bytes UrlEncode writes as "%XX": all but A-Z a-z 0-9 - . _ and the space.
QS_AVX512_ENCODING inline std::uint64_t EscapedBytes(__m512i bytes, std::uint64_t* spaces) {
    const __mmask64 space = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(' '));
    const __m512i folded = _mm512_or_si512(bytes, _mm512_set1_epi8(0x20));
    const __mmask64 letter =
        _mm512_cmplt_epu8_mask(_mm512_sub_epi8(folded, _mm512_set1_epi8('a')), _mm512_set1_epi8(26));
    const __mmask64 digit =
        _mm512_cmplt_epu8_mask(_mm512_sub_epi8(bytes, _mm512_set1_epi8('0')), _mm512_set1_epi8(10));
    const __mmask64 mark = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('-')) |
                           _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('.')) |
                           _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('_'));
    if (spaces != nullptr) *spaces = space;
    return ~(space | letter | digit | mark);
}

bool ScalarEscaped(unsigned char c) {
    const bool letter = static_cast<unsigned char>((c | 0x20) - 'a') < 26;
    const bool digit = static_cast<unsigned char>(c - '0') < 10;
    return !(letter || digit || c == '-' || c == '.' || c == '_' || c == ' ');
}

}  // namespace

bool Available() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi") &&
           __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2");
}

QS_AVX512_ENCODING std::size_t UrlEncodedLength(const unsigned char* text, std::size_t length) {
    std::size_t escaped = 0;
    std::size_t i = 0;
    for (; i + 64 <= length; i += 64) {
        escaped += static_cast<std::size_t>(__builtin_popcountll(EscapedBytes(_mm512_loadu_si512(text + i), nullptr)));
    }
    for (; i < length; ++i) escaped += ScalarEscaped(text[i]);
    return length + 2 * escaped;
}

QS_AVX512_ENCODING std::size_t UrlEncodePrefix(const unsigned char* text, std::size_t length, char* out,
                                               char** outEnd) {
    static const char kHexDigits[] = "0123456789ABCDEF";
    alignas(64) static const unsigned char kIndices[64] = {
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
        22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
        44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};
    const __m512i indices = _mm512_load_si512(kIndices);
    const __m512i plus = _mm512_set1_epi8('+');
    std::size_t block = 0;
    for (; block + 64 <= length; block += 64) {
        const __m512i bytes = _mm512_loadu_si512(text + block);
        std::uint64_t spaces = 0;
        std::uint64_t escaped = EscapedBytes(bytes, &spaces);
        const __m512i translated = _mm512_mask_mov_epi8(bytes, spaces, plus);
        _mm512_storeu_si512(out, translated);
        std::size_t from = 0;  // the first byte of the block not written yet
        for (; escaped != 0; escaped &= escaped - 1) {
            const auto at = static_cast<std::size_t>(__builtin_ctzll(escaped));
            out += at - from;
            const unsigned char byte = text[block + at];
            const char encoding[4] = {'%', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F], 0};
            std::memcpy(out, encoding, 4);
            out += 3;
            from = at + 1;
            // The rest of the block, moved to start at `from`.
            const __m512i shift = _mm512_add_epi8(indices, _mm512_set1_epi8(static_cast<char>(from)));
            _mm512_storeu_si512(out, _mm512_maskz_permutexvar_epi8(~__mmask64{0}, shift, translated));
        }
        out += 64 - from;
    }
    *outEnd = out;
    return block;
}

QS_AVX512_ENCODING std::size_t Utf8LengthBound(const unsigned char* text, std::size_t length) {
    std::size_t extra = 0;
    std::size_t i = 0;
    const __m512i first = _mm512_set1_epi8(static_cast<char>(0x80));
    const __m512i span = _mm512_set1_epi8(0x20);
    for (; i + 64 <= length; i += 64) {
        const __m512i bytes = _mm512_loadu_si512(text + i);
        extra += static_cast<std::size_t>(__builtin_popcountll(_mm512_movepi8_mask(bytes)) +
                                          __builtin_popcountll(_mm512_cmplt_epu8_mask(_mm512_sub_epi8(bytes, first), span)));
    }
    for (; i < length; ++i) extra += (text[i] >> 7) + ((text[i] & 0xE0) == 0x80 ? 1 : 0);
    return length + extra;
}

QS_AVX512_ENCODING std::size_t Latin1ToUtf8Prefix(const unsigned char* text, std::size_t length, char* out,
                                                  char** outEnd) {
    const __m256i first = _mm256_set1_epi8(static_cast<char>(0x80));
    const __m256i span = _mm256_set1_epi8(0x20);
    std::size_t block = 0;
    for (; block + 32 <= length; block += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + block));
        if (_mm256_cmplt_epu8_mask(_mm256_sub_epi8(bytes, first), span) != 0) break;
        const __mmask32 high = _mm256_movepi8_mask(bytes);
        // Per byte a pair: the byte itself, or 0xC0 | byte >> 6 and 0x80 | byte & 0x3F.
        const __m512i wide = _mm512_cvtepu8_epi16(bytes);
        const __m512i lead = _mm512_or_si512(_mm512_srli_epi16(wide, 6), _mm512_set1_epi16(0xC0));
        const __m512i trail = _mm512_slli_epi16(
            _mm512_or_si512(_mm512_and_si512(wide, _mm512_set1_epi16(0x3F)), _mm512_set1_epi16(0x80)), 8);
        const __m512i pairs = _mm512_mask_blend_epi16(high, wide, _mm512_or_si512(lead, trail));
        const std::uint64_t keep = 0x5555555555555555ull | _pdep_u64(high, 0xAAAAAAAAAAAAAAAAull);
        _mm512_storeu_si512(out, _mm512_maskz_compress_epi8(keep, pairs));
        out += 32 + __builtin_popcount(high);
    }
    *outEnd = out;
    return block;
}

}  // namespace qs::vector_encoding

#else

namespace qs::vector_encoding {

bool Available() { return false; }
std::size_t UrlEncodedLength(const unsigned char*, std::size_t length) { return length; }
std::size_t UrlEncodePrefix(const unsigned char*, std::size_t, char* out, char** outEnd) {
    *outEnd = out;
    return 0;
}
std::size_t Utf8LengthBound(const unsigned char*, std::size_t length) { return length; }
std::size_t Latin1ToUtf8Prefix(const unsigned char*, std::size_t, char* out, char** outEnd) {
    *outEnd = out;
    return 0;
}

}  // namespace qs::vector_encoding

#endif
