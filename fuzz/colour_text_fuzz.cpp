// The colours file of any content: each of the five colours shown takes
// its record's text when that text is a 32-bit decimal number with blanks
// around it, and keeps its colour otherwise. The card colour of the
// settings records, when it is a text, follows the same rule.
#include <optional>

#include "FuzzFile.h"
#include "RecordModel.h"
#include "game/SavedSettings.h"
#include "game/SettingsEdit.h"
#include "storage/ColoursFile.h"

using namespace vornel;
using namespace vornel::fuzz;

namespace {

// Blanks (spaces, tabs) around an optional sign and at least one digit,
// nothing else, and a value in 32 bits.
std::optional<std::int32_t> modelNumber(const std::string& text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t'))
        ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t'))
        --b;
    bool negative = false;
    if (a < b && (text[a] == '+' || text[a] == '-'))
        negative = text[a++] == '-';
    if (a == b)
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = a; i < b; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t(1) << 31)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = scratchFile("colors.qdx");
    writeFile(path, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const ColourValues shown{0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
    const auto texts = readColoursFile(path);
    FUZZ_CHECK(texts.has_value());
    const ColourValues applied = coloursFromFile(shown, *texts);
    for (int i = 0; i < ColourIndex::Count; ++i) {
        const std::optional<std::int32_t> number = modelNumber(modelRecord(bytes, 1 + i).text(0));
        FUZZ_CHECK(applied[i] == number.value_or(shown[i]));
    }

    const TaggedValue stored = modelTagged(modelRecord(bytes, 1));
    if (stored.type == TaggedValue::Type::Text)
        FUZZ_CHECK(cardColourFrom(stored) == modelNumber(stored.text).value_or(CardSettings::DefaultColour));
    return 0;
}
