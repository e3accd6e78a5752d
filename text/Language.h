#pragma once
#include <optional>
#include <string_view>

namespace vornel {

// Module-wide language choice: true means the built-in Greek texts, false
// means English (captions from the catalogue, English literals in messages).
struct Language {
    bool UseGreek = false;
};

// The stored language value read as a Boolean: "True"/"False" in any case,
// or a number (non-zero is true), blanks around it allowed. Anything else
// does not convert.
std::optional<bool> parseBoolean(std::string_view text);
// The text form written back to the settings store.
const char* booleanText(bool value);  // "True" or "False"

// The language the next start takes.
void chooseEnglish(Language& language);
void chooseGreek(Language& language);

}  // namespace vornel
