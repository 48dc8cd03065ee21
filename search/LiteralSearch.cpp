// Substring search by two of the literal's bytes: the text is compared 64, 32 or 16 bytes at
// a time with the two bytes of the literal that are least likely in ordinary text, each at its
// offset, and only where both agree is the whole literal compared. Ordinary text rarely holds
// the pair, so the search runs at nearly the speed of reading the text.
//
// The vector code is for x86 processors (the platform of the plug-in), chosen at run time by
// what the processor offers; elsewhere, and for what is left at the end of the text, a plain
// search serves.
#include "search/LiteralSearch.h"

#include <algorithm>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define QS_X86_VECTORS 1
#endif

namespace qs {

namespace {

// How common a byte is in selected text, roughly: 0 rare, 9 very common.
int Commonness(unsigned char byte) {
    static const char kLetters[] = "etaoinshrdlcumwfgypbvkjxqz";  // by frequency in prose
    if (byte == ' ') return 9;
    if (byte >= 'A' && byte <= 'Z') byte = static_cast<unsigned char>(byte - 'A' + 'a');
    if (byte >= 'a' && byte <= 'z') {
        const auto rank = static_cast<int>(std::strchr(kLetters, byte) - kLetters);
        return 8 - rank * 6 / 26;
    }
    if (byte >= '0' && byte <= '9') return 4;
    if (byte < 0x20 || byte == 0x7F) return 1;
    if (byte >= 0x80) return 2;
    return 3;  // punctuation
}

struct Probe {
    std::size_t first;   // offsets in the literal of the two bytes compared, first < second
    std::size_t second;
};

// The rarest byte, and the rarest of the others, a byte of another value where there is one.
Probe ChooseProbe(const std::string& literal) {
    const auto commonness = [&](std::size_t i) { return Commonness(static_cast<unsigned char>(literal[i])); };
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < literal.size(); ++i) {
        if (commonness(i) < commonness(rarest)) rarest = i;
    }
    const auto score = [&](std::size_t i) { return commonness(i) * 2 + (literal[i] == literal[rarest] ? 1 : 0); };
    std::size_t other = rarest == 0 ? 1 : 0;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        if (i != rarest && score(i) < score(other)) other = i;
    }
    return {std::min(rarest, other), std::max(rarest, other)};
}

bool MatchesAt(const char* text, const std::string& literal) {
    return std::memcmp(text, literal.data(), literal.size()) == 0;
}

// Candidates from `start` on, one at a time.
bool ContainsFrom(const std::string& text, const std::string& literal, std::size_t start) {
    return text.find(literal, start) != std::string::npos;
}

#if QS_X86_VECTORS

// Each finds the first block of start positions, from `start` on, where both probe bytes
// agree somewhere, and sets bit i of `candidates` for start position block + i; it returns the
// block, or the first start position it left to the caller when it found none. Nothing is
// called inside the loops, so the compares stay in registers.
using BlockScan = std::size_t (*)(const char* data, std::size_t start, std::size_t end, const std::string& literal,
                                  Probe probe, unsigned long long* candidates);

#if defined(__x86_64__)
__attribute__((target("avx512bw"))) std::size_t ScanAvx512(const char* data, std::size_t start, std::size_t end,
                                                            const std::string& literal, Probe probe,
                                                            unsigned long long* candidates) {
    const __m512i first = _mm512_set1_epi8(literal[probe.first]);
    const __m512i second = _mm512_set1_epi8(literal[probe.second]);
    for (std::size_t s = start; s + 64 <= end; s += 64) {
        const __m512i a = _mm512_loadu_si512(data + s + probe.first);
        const __m512i b = _mm512_loadu_si512(data + s + probe.second);
        const __mmask64 mask = _mm512_mask_cmpeq_epi8_mask(_mm512_cmpeq_epi8_mask(a, first), b, second);
        if (mask != 0) {
            *candidates = mask;
            return s;
        }
        start = s + 64;
    }
    *candidates = 0;
    return start;
}
#endif

__attribute__((target("avx2"))) std::size_t ScanAvx2(const char* data, std::size_t start, std::size_t end,
                                                      const std::string& literal, Probe probe,
                                                      unsigned long long* candidates) {
    const __m256i first = _mm256_set1_epi8(literal[probe.first]);
    const __m256i second = _mm256_set1_epi8(literal[probe.second]);
    for (std::size_t s = start; s + 32 <= end; s += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + s + probe.first));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + s + probe.second));
        const auto mask = static_cast<unsigned>(
            _mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(a, first), _mm256_cmpeq_epi8(b, second))));
        if (mask != 0) {
            *candidates = mask;
            return s;
        }
        start = s + 32;
    }
    *candidates = 0;
    return start;
}

__attribute__((target("sse2"))) std::size_t ScanSse2(const char* data, std::size_t start, std::size_t end,
                                                      const std::string& literal, Probe probe,
                                                      unsigned long long* candidates) {
    const __m128i first = _mm_set1_epi8(literal[probe.first]);
    const __m128i second = _mm_set1_epi8(literal[probe.second]);
    for (std::size_t s = start; s + 16 <= end; s += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + s + probe.first));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + s + probe.second));
        const auto mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, second))));
        if (mask != 0) {
            *candidates = mask;
            return s;
        }
        start = s + 16;
    }
    *candidates = 0;
    return start;
}

struct VectorScan {
    BlockScan scan;
    std::size_t width;  // start positions per block
};

VectorScan FastestScan() {
    __builtin_cpu_init();
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx512bw")) return {ScanAvx512, 64};
#endif
    if (__builtin_cpu_supports("avx2")) return {ScanAvx2, 32};
    if (__builtin_cpu_supports("sse2")) return {ScanSse2, 16};
    return {nullptr, 0};
}

#endif

}  // namespace

bool ContainsLiteral(const std::string& text, const std::string& literal) {
    if (literal.empty()) return true;
    if (literal.size() > text.size()) return false;
    if (literal.size() == 1) return std::memchr(text.data(), literal[0], text.size()) != nullptr;
#if QS_X86_VECTORS
    const VectorScan vector = FastestScan();
    if (vector.scan != nullptr) {
        const Probe probe = ChooseProbe(literal);
        // Start positions s with s + literal.size() <= text.size().
        const std::size_t end = text.size() - literal.size() + 1;
        std::size_t start = 0;
        for (;;) {
            unsigned long long candidates = 0;
            const std::size_t block = vector.scan(text.data(), start, end, literal, probe, &candidates);
            if (candidates == 0) return ContainsFrom(text, literal, block);
            for (; candidates != 0; candidates &= candidates - 1) {
                if (MatchesAt(text.data() + block + __builtin_ctzll(candidates), literal)) return true;
            }
            start = block + vector.width;
        }
    }
#endif
    return ContainsFrom(text, literal, 0);
}

}  // namespace qs
