// A plug-in library that does nothing: the reference for the cost of loading Quickseek.dll.
#include <cstdint>

extern "C" void __stdcall Init(std::int32_t, std::int32_t) {}
