// The library's reading of three numbers, on any bytes: the first two choose the date order
// and the calendar letter, the rest (NUL-terminated in a copy) is the text.
#include "mibrexw.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const int32_t kLetters[] = {'G', 'J', 'A'};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const int32_t order = data[0] % 3;
    const int32_t letter = kLetters[data[1] % 3];
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2); // ends in NUL

    DateRecord rec{};
    const int32_t result = str_to_date(text.c_str(), order, &rec, letter);
    Require(result == 0 || result == -5 || result == -1);
    Require(rec.calendar == letter);
    if (result != 0) {
        return 0;
    }
    // A date read as valid is a real date of its calendar within the day-number limits: it
    // survives the way to its JDN and back.
    DateRecord date = rec;
    const int32_t jdn = letter == 'A' ? annus_novus_date_to_jdn(&date) : euro_date_to_jdn(&date);
    Require(jdn >= MIBREXW_SMALLEST_DAY_NUMBER && jdn <= MIBREXW_LARGEST_DAY_NUMBER);
    DateRecord back{};
    back.jdn = jdn;
    back.calendar = letter;
    if (letter == 'A') {
        jdn_to_annus_novus_date(&back);
    } else {
        jdn_to_euro_date(&back);
    }
    Require(back.year == rec.year && back.month == rec.month && back.day == rec.day);
    return 0;
}
