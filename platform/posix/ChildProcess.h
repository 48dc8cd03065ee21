// Starting a helper program without a shell: the arguments reach it exactly as given.
#pragma once
#include <string>
#include <vector>

namespace qs {

// The full path of a program found in PATH (or the name itself when it holds a "/");
// empty when there is none.
std::string FindProgram(const std::string& name);

// Starts the program detached (it outlives this call and is never a zombie of the host);
// false when it could not be started.
bool StartDetached(const std::string& path, const std::vector<std::string>& arguments);

// Runs the program with the bytes on its standard input and waits for it; true when it
// exited with status 0.
bool RunWithInput(const std::string& path, const std::vector<std::string>& arguments, const std::string& input);

}  // namespace qs
