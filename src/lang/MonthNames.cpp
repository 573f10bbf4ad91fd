#include "lang/MonthNames.h"

#include <array>
#include <cstddef>

#include "calendar/Kinds.h"
#include "lang/GEN_TEXT.h"
#include "mibrexw.h"

namespace MonthNames {

namespace {

// Months 1 .. 13 and, for the Hebrew year, a fourteenth name (Adar II).
using Months = std::array<std::string_view, 14>;
// English, German, Spanish.
using Table = std::array<Months, 3>;

constexpr Table gregorian{{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
     "November", "Dezember"},
    {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre",
     "octubre", "noviembre", "diciembre"},
}};

constexpr Months annusNovus{"Primus",  "Secundus",  "Tertius",      "Quartus",
                            "Quintus", "Sextarius", "Septimus",     "Octavus",
                            "Nonus",   "Decimus",   "Intercalarius"};

// Nisan first, as the library numbers them; 12 is Adar of a common year, 13 Adar I and 14
// Adar II of a leap year.
constexpr Table hebrew{{
    {"Nisan", "Iyyar", "Sivan", "Tammuz", "Av", "Elul", "Tishri", "Heshvan", "Kislev", "Tevet",
     "Shevat", "Adar", "Adar I", "Adar II"},
    {"Nisan", "Ijar", "Siwan", "Tammus", "Aw", "Elul", "Tischri", "Cheschwan", "Kislew", "Tewet",
     "Schewat", "Adar", "Adar I", "Adar II"},
    {"Nisán", "Iyar", "Siván", "Tamuz", "Av", "Elul", "Tishréi", "Jeshván", "Kislev", "Tevet",
     "Shevat", "Adar", "Adar I", "Adar II"},
}};

constexpr Table islamic{{
    {"Muharram", "Safar", "Rabi' al-awwal", "Rabi' al-thani", "Jumada al-awwal", "Jumada al-thani",
     "Rajab", "Sha'ban", "Ramadan", "Shawwal", "Dhu al-Qa'dah", "Dhu al-Hijjah"},
    {"Muharram", "Safar", "Rabi' al-awwal", "Rabi' al-thani", "Dschumada l-ula",
     "Dschumada th-thaniya", "Radschab", "Scha'ban", "Ramadan", "Schawwal", "Dhu l-qa'da",
     "Dhu l-hiddscha"},
    {"Muharram", "Safar", "Rabi al-awwal", "Rabi al-thani", "Yumada al-awwal", "Yumada al-thani",
     "Rayab", "Shabán", "Ramadán", "Shawwal", "Dhu al-qada", "Dhu al-hiyya"},
}};

constexpr Table persian{{
    {"Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar", "Mehr", "Aban", "Azar",
     "Dey", "Bahman", "Esfand"},
    {"Farwardin", "Ordibehescht", "Chordad", "Tir", "Mordad", "Schahriwar", "Mehr", "Aban", "Azar",
     "Dey", "Bahman", "Esfand"},
    {"Farvardín", "Ordibehesht", "Jordad", "Tir", "Mordad", "Shahrivar", "Mehr", "Abán", "Azar",
     "Dey", "Bahmán", "Esfand"},
}};

constexpr Months coptic{"Thout",  "Paopi",    "Hathor",        "Koiak",   "Tobi",
                        "Meshir", "Paremhat", "Parmouti",      "Pashons", "Paoni",
                        "Epip",   "Mesori",   "Pi Kogi Enavot"};

constexpr Months ethiopic{"Meskerem", "Tikimt", "Hidar", "Tahsas", "Tir",     "Yekatit", "Megabit",
                          "Miazia",   "Genbot", "Sene",  "Hamle",  "Nehasse", "Pagume"};

constexpr Months indian{"Chaitra", "Vaishakha", "Jyaishtha",  "Ashadha", "Shravana", "Bhadra",
                        "Ashvin",  "Kartika",   "Agrahayana", "Pausha",  "Magha",    "Phalguna"};

constexpr Table french{{
    {"Vendémiaire", "Brumaire", "Frimaire", "Nivôse", "Pluviôse", "Ventôse", "Germinal", "Floréal",
     "Prairial", "Messidor", "Thermidor", "Fructidor", "Sansculottides"},
    {"Vendémiaire", "Brumaire", "Frimaire", "Nivôse", "Pluviôse", "Ventôse", "Germinal", "Floréal",
     "Prairial", "Messidor", "Thermidor", "Fructidor", "Sansculottides"},
    {"Vendimiario", "Brumario", "Frimario", "Nivoso", "Pluvioso", "Ventoso", "Germinal", "Floreal",
     "Pradial", "Mesidor", "Termidor", "Fructidor", "Sansculótidas"},
}};

std::size_t Slot(int16_t language) {
    return language == GEN_TEXT::langGerman ? 1 : language == GEN_TEXT::langSpanish ? 2 : 0;
}

// The table of a letter's names in one language; nullptr for a calendar without months.
const Months* NamesOf(int32_t letter, std::size_t slot) {
    switch (letter) {
    case 0:
    case DatePr2::letterGregorian:
    case DatePr2::letterJulian:
        return &gregorian[slot];
    case DatePr2::letterAnnusNovus:
        return &annusNovus;
    case DatePr2::letterHebrew:
        return &hebrew[slot];
    case DatePr2::letterIslamic:
        return &islamic[slot];
    case DatePr2::letterPersian:
        return &persian[slot];
    case DatePr2::letterCoptic:
        return &coptic;
    case DatePr2::letterEthiopic:
        return &ethiopic;
    case DatePr2::letterIndian:
        return &indian;
    case DatePr2::letterFrench:
        return &french[slot];
    default:
        return nullptr;
    }
}

} // namespace

std::string_view Name(int32_t letter, int32_t year, int32_t month, int16_t language) {
    const Months* names = NamesOf(letter, Slot(language));
    const int32_t months =
        mibrexw_months_in_year(letter == 0 ? DatePr2::letterGregorian : letter, year);
    if (names == nullptr || month < 1 || month > months) return {};
    auto at = static_cast<std::size_t>(month - 1);
    // A Hebrew leap year's Adar I and Adar II stand after the common year's Adar.
    if (letter == DatePr2::letterHebrew && months == 13 && month >= 12) ++at;
    return (*names)[at];
}

} // namespace MonthNames
