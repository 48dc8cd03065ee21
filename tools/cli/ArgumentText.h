// Text given on the command line of the tools (a selection to try), turned into the form in
// which a host hands it to the plug-in: Windows-1252 bytes.
#pragma once
#include <optional>
#include <string>

namespace qs::cli {

// The argument in Windows-1252, with each escape \xHH replaced by the byte HH and each \\ by
// one backslash; any other backslash stays as it is. None, with a message in error, for a
// character that Windows-1252 has no byte for.
std::optional<std::string> SelectionFromArgument(const std::string& argument, std::string* error);

// The system's command-line text as Windows-1252. Windows hands programs their arguments in
// the ANSI code page already; elsewhere arguments are UTF-8, and text that is not valid UTF-8
// is taken as the bytes it is.
std::optional<std::string> ArgumentToCp1252(const std::string& argument, std::string* error);

// UTF-8 to Windows-1252; none, with a message, for invalid UTF-8 or a character outside the code page.
std::optional<std::string> Utf8ToCp1252(const std::string& utf8, std::string* error);
bool IsUtf8(const std::string& text);

}  // namespace qs::cli
