// Test helpers that change this process's surroundings for one test and put them back:
// an environment variable, and what the process writes to standard error.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace qs_test {

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) previous_ = old;
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ~ScopedEnvironmentVariable() {
        if (previous_)
            setenv(name_.c_str(), previous_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// Sends file descriptor 2 into a temporary file until Finish() or the end of the scope.
class StandardErrorCapture {
public:
    StandardErrorCapture() {
        std::fflush(stderr);
        file_ = std::tmpfile();
        saved_ = dup(STDERR_FILENO);
        if (file_ != nullptr && saved_ >= 0) dup2(fileno(file_), STDERR_FILENO);
    }
    ~StandardErrorCapture() {
        Finish();
        if (file_ != nullptr) std::fclose(file_);
    }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Restores standard error and gives every byte written to it meanwhile.
    std::string Finish() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
        if (file_ == nullptr) return captured_;
        std::rewind(file_);
        captured_.clear();
        char chunk[4096];
        for (std::size_t count; (count = std::fread(chunk, 1, sizeof chunk, file_)) > 0;) captured_.append(chunk, count);
        return captured_;
    }

private:
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    std::string captured_;
};

}  // namespace qs_test
