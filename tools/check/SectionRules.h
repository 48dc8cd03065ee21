// The sections and keys as written: names the plug-in never asks for, keys without a language
// prefix, sections and keys written twice, lines without "=", and the languages the keys name.
#pragma once
#include <string>
#include <vector>

#include "tools/check/CheckContext.h"
#include "tools/check/LoadRecord.h"

namespace qs::check {

// The language codes that the keys of the files name, lower-case, with "fr"; sorted.
std::vector<std::string> LanguagesInFiles(const CheckContext& context);

// record: any one load of the folder (the section lists do not depend on the language).
// passed: receives the sections whose name looks like a search entry's but is none.
void CheckSections(const CheckContext& context, const LoadRecord& record, Findings& findings,
                   std::vector<PassedSection>& passed);

// The fields of a search entry, as written after the language prefix.
const std::vector<std::string>& EntryFields();

// "Button" and a place number as the plug-in writes it ("Button2", "Button-1"), any letter case.
bool IsButtonSectionName(const std::string& name);

}  // namespace qs::check
