// Text operations that turn a selection into the query part of a search address.
// All are pure functions on byte strings.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qs {

// Code point of each Windows-1252 byte; the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the code point of the same number.
extern const std::array<std::uint16_t, 256> Cp1252Table;

// Removes the space characters (0x20 only) at both ends.
std::string TrimSpaces(std::string text);

// Keeps A-Z a-z 0-9 - . _, turns the space into "+" and every other byte into "%XX".
std::string UrlEncode(const std::string& text);

// Reads the bytes as Windows-1252 and writes them as UTF-8.
std::string Cp1252ToUtf8(const std::string& text);

// Puts text in place of the first "%1" of urlTemplate; without one the template is the address.
std::string InsertQuery(const std::string& urlTemplate, const std::string& text);

}  // namespace qs
