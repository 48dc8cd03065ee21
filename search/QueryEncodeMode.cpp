// The encoding an entry's mode selects for the query text.
#include "search/QueryEncodeMode.h"

#include "config/TableStructure.h"
#include "search/QueryEncoding.h"

namespace qs {

std::string EncodeQuery(const std::string& text, std::int32_t mode) {
    switch (mode) {
        case EncodeUrl: return UrlEncode(text);
        case EncodeUtf8Url: return UrlEncode(Cp1252ToUtf8(text));
        default: return text;
    }
}

}  // namespace qs
