// Owners of PCRE2's objects, so that each is freed on every path.
#pragma once
#include <pcre2.h>

#include <memory>

namespace qs::pcre2 {

template <typename Object, void (*Free)(Object*)>
struct Deleter {
    void operator()(Object* object) const { Free(object); }
};

using CompileContext = std::unique_ptr<pcre2_compile_context, Deleter<pcre2_compile_context, pcre2_compile_context_free>>;
using Code = std::unique_ptr<pcre2_code, Deleter<pcre2_code, pcre2_code_free>>;
using MatchContext = std::unique_ptr<pcre2_match_context, Deleter<pcre2_match_context, pcre2_match_context_free>>;
using MatchData = std::unique_ptr<pcre2_match_data, Deleter<pcre2_match_data, pcre2_match_data_free>>;

}  // namespace qs::pcre2
