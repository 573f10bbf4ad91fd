#include "cli/OrvMessages.h"

#include <array>
#include <cstddef>

#include "calendar/Kinds.h"
#include "lang/GEN_TEXT.h"

namespace Cli {

namespace {

// Slot 0 English, 1 German, 2 Spanish.
std::size_t Slot(int16_t language) {
    return language == GEN_TEXT::langGerman ? 1 : language == GEN_TEXT::langSpanish ? 2 : 0;
}

using Texts = std::array<const char*, 3>;

// By kind, in the order of the kinds.
constexpr std::array<Texts, 14> notInKind{{
    {"is not a Common Era date", "ist kein Datum unserer Zeitrechnung",
     "no es una fecha de la era común"},
    {"is not a Julian calendar date", "ist kein Datum des Julianischen Kalenders",
     "no es una fecha del calendario juliano"},
    {"is not a Julian day number", "ist keine julianische Tageszahl",
     "no es un número de día juliano"},
    {"is not an Annus Novus date", "ist kein Datum des Annus-Novus-Kalenders",
     "no es una fecha del calendario Annus Novus"},
    {"is not a yyyyddd date", "ist kein Datum der Form yyyyddd",
     "no es una fecha de la forma yyyyddd"},
    {"is not a Hebrew calendar date", "ist kein Datum des jüdischen Kalenders",
     "no es una fecha del calendario hebreo"},
    {"is not an Islamic calendar date", "ist kein Datum des islamischen Kalenders",
     "no es una fecha del calendario islámico"},
    {"is not a Persian calendar date", "ist kein Datum des persischen Kalenders",
     "no es una fecha del calendario persa"},
    {"is not a Coptic calendar date", "ist kein Datum des koptischen Kalenders",
     "no es una fecha del calendario copto"},
    {"is not an Ethiopian calendar date", "ist kein Datum des äthiopischen Kalenders",
     "no es una fecha del calendario etíope"},
    {"is not an Indian national calendar date", "ist kein Datum des indischen Nationalkalenders",
     "no es una fecha del calendario nacional indio"},
    {"is not a French Republican calendar date",
     "ist kein Datum des französischen Revolutionskalenders",
     "no es una fecha del calendario republicano francés"},
    {"is not a Maya Long Count", "ist keine Lange Zählung der Maya", "no es una cuenta larga maya"},
    {"is not an ISO week date", "ist kein ISO-Wochendatum", "no es una fecha de semana ISO"},
}};
static_assert(notInKind.size() == DatePr2::kinds.size(), "one text for each kind");
constexpr Texts notDayCount{"is not a day count", "ist keine Anzahl von Tagen",
                            "no es un número de días"};

constexpr Texts write{"write ", "schreiben Sie ", "escriba "};
constexpr Texts forExample{", for example ", ", zum Beispiel ", ", por ejemplo "};
constexpr Texts orWord{" or ", " oder ", " o "};
constexpr std::array<Texts, 3> fieldWords{
    {{"year", "Jahr", "año"}, {"month", "Monat", "mes"}, {"day", "Tag", "día"}}};
constexpr Texts orderAndSeparator{" (--order and --sep change that)",
                                  " (--order und --sep ändern das)",
                                  " (--order y --sep lo cambian)"};
constexpr Texts orderOnly{" (--order changes that; the separator is always -)",
                          " (--order ändert das; das Trennzeichen ist immer -)",
                          " (--order lo cambia; el separador es siempre -)"};
constexpr Texts wholeNumber{"a whole number", "eine ganze Zahl", "un número entero"};
constexpr Texts wholeDays{"a whole number of days", "eine ganze Zahl von Tagen",
                          "un número entero de días"};
constexpr Texts markOption{" (--thousands sets the mark)", " (--thousands wählt das Zeichen)",
                           " (--thousands elige la marca)"};
constexpr Texts yearAndDay{
    "the year in four digits and the day of the year in three, for example 2000060",
    "das Jahr mit vier Ziffern und den Tag des Jahres mit drei, zum Beispiel 2000060",
    "el año con cuatro cifras y el día del año con tres, por ejemplo 2000060"};
constexpr Texts monthsRun{"months run from 1 to ", "die Monate gehen von 1 bis ",
                          "los meses van del 1 al "};
constexpr Texts monthHas{"that month has ", "dieser Monat hat ", "ese mes tiene "};
constexpr Texts placesRun{"that place runs from 0 to ", "diese Stelle geht von 0 bis ",
                          "esa posición va del 0 al "};
constexpr Texts longCountForm{
    "write baktun.katun.tun.uinal.kin, for example 13.0.0.0.0 or -0.0.0.0.1",
    "schreiben Sie Baktun.Katun.Tun.Uinal.Kin, zum Beispiel 13.0.0.0.0 oder -0.0.0.0.1",
    "escriba baktún.katún.tun.uinal.kin, por ejemplo 13.0.0.0.0 o -0.0.0.0.1"};
constexpr Texts yearHas{"that year has ", "dieses Jahr hat ", "ese año tiene "};
constexpr Texts daysWord{" days", " Tage", " días"};
constexpr Texts weekDate{
    "year-Www-d, for example 2026-W50-1 or 2026W501 (week 01 to 53, weekday 1 Monday to 7 Sunday)",
    "Jahr-Www-t, zum Beispiel 2026-W50-1 oder 2026W501 (Woche 01 bis 53, Wochentag 1 Montag bis "
    "7 Sonntag)",
    "año-Sss-d, por ejemplo 2026-W50-1 o 2026W501 (semana 01 a 53, día 1 lunes a 7 domingo)"};
constexpr Texts weeksRun{"that year has weeks 01 to ", "dieses Jahr hat die Wochen 01 bis ",
                         "ese año tiene las semanas 01 a "};
constexpr Texts weekdaysRun{"weekdays run from 1 (Monday) to 7 (Sunday)",
                            "die Wochentage gehen von 1 (Montag) bis 7 (Sonntag)",
                            "los días de la semana van del 1 (lunes) al 7 (domingo)"};
constexpr Texts yearsRun{"years run from 0001 to 9999", "die Jahre gehen von 0001 bis 9999",
                         "los años van del 0001 al 9999"};
constexpr Texts outOfRange{
    "is out of range: orv counts days from -2,100,000,000 to 2,100,000,000",
    "liegt ausserhalb des erlaubten Bereichs: orv zählt Tage von -2.100.000.000 bis "
    "2.100.000.000",
    "está fuera de rango: orv cuenta días de -2.100.000.000 a 2.100.000.000"};

// "year-month-day, for example 2000-12-31" in the order and with the separator.
std::string DatePattern(DatePr2::DateOrder order, char separator, bool annusNovus,
                        std::size_t slot) {
    const std::array<std::string, 3> example = annusNovus
                                                   ? std::array<std::string, 3>{"10520", "01", "01"}
                                                   : std::array<std::string, 3>{"2000", "12", "31"};
    // Year, month and day positions in the written order.
    const std::array<std::size_t, 3> at =
        order == DatePr2::DateOrder::YMD   ? std::array<std::size_t, 3>{0, 1, 2}
        : order == DatePr2::DateOrder::DMY ? std::array<std::size_t, 3>{2, 1, 0}
                                           : std::array<std::size_t, 3>{1, 2, 0};
    std::string words;
    std::string sample;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0) {
            words += separator;
            sample += separator;
        }
        words += fieldWords[at[i]][slot];
        sample += example[at[i]];
    }
    return words + forExample[slot] + sample;
}

// What a field of the kind (none: a day count) should have been.
std::string Expected(std::optional<DatePr2::Kind> kind, const StrictRead::Notation& n,
                     std::size_t slot) {
    const char m = n.thousands;
    const std::string text = write[slot];
    if (!kind)
        return text + wholeDays[slot] + forExample[slot] + "30" +
               (m == 0 ? std::string(orWord[slot]) + "-30"
                       : std::string(", -30") + orWord[slot] + "1" + m + "000") +
               markOption[slot];
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(*kind);
    switch (facts.form) {
    case DatePr2::Form::DayNumber:
        return text + wholeNumber[slot] + forExample[slot] + "2451545" +
               (m == 0 ? std::string() : orWord[slot] + std::string("2") + m + "451" + m + "545") +
               markOption[slot];
    case DatePr2::Form::YearDay:
        return text + yearAndDay[slot];
    case DatePr2::Form::WeekDate:
        return text + weekDate[slot];
    case DatePr2::Form::LongCount:
        return longCountForm[slot];
    case DatePr2::Form::CalendarDate:
        break;
    }
    if (facts.letter == DatePr2::letterAnnusNovus) {
        const DatePr2::DateOrder order =
            n.order == DatePr2::DateOrder::DMY ? DatePr2::DateOrder::DMY : DatePr2::DateOrder::YMD;
        return text + DatePattern(order, '-', true, slot) + orderOnly[slot];
    }
    return text + DatePattern(n.order, n.separator, false, slot) + orderAndSeparator[slot];
}

} // namespace

std::string RefusalText(std::string_view text, std::optional<DatePr2::Kind> kind,
                        const StrictRead::Notation& notation, const StrictRead::Field& field,
                        int16_t language) {
    const std::size_t slot = Slot(language);
    std::string out = "\"";
    out += text;
    out += "\" ";
    using StrictRead::Refusal;
    if (field.refusal == Refusal::OutOfRange) return out + outOfRange[slot];
    out += kind ? notInKind[static_cast<std::size_t>(*kind)][slot] : notDayCount[slot];
    out += ": ";
    const std::string limit = std::to_string(field.limit);
    switch (field.refusal) {
    case Refusal::NoSuchMonth:
        if (kind == DatePr2::Kind::ISOWEEK) return out + weeksRun[slot] + limit;
        return out + monthsRun[slot] + limit;
    case Refusal::NoSuchDay:
        if (kind == DatePr2::Kind::ISOWEEK) return out + weekdaysRun[slot];
        return out + (kind == DatePr2::Kind::YYYYDDD ? yearHas : monthHas)[slot] + limit +
               daysWord[slot];
    case Refusal::NoSuchYear:
        return out + yearsRun[slot];
    case Refusal::NoSuchPlace:
        return out + placesRun[slot] + limit;
    default:
        return out + Expected(kind, notation, slot);
    }
}

std::string ProblemText(Problem problem, Command command, int16_t language) {
    const std::size_t slot = Slot(language);
    static constexpr std::array<Texts, 3> problems{{
        {"the text is longer than 4096 bytes", "der Text ist länger als 4096 Bytes",
         "el texto tiene más de 4096 bytes"},
        {"the text holds a control character", "der Text enthält ein Steuerzeichen",
         "el texto contiene un carácter de control"},
        {"the text is not valid UTF-8", "der Text ist kein gültiges UTF-8",
         "el texto no es UTF-8 válido"},
    }};
    static constexpr Texts lacks{"the line does not hold ", "die Zeile enthält nicht ",
                                 "la línea no contiene "};
    static constexpr std::array<Texts, 3> fields{{
        {"one date (and no TAB)", "ein Datum (und kein TAB)", "una fecha (y ningún TAB)"},
        {"a date, one TAB and a day count", "ein Datum, ein TAB und eine Anzahl von Tagen",
         "una fecha, un TAB y un número de días"},
        {"two dates with one TAB between them", "zwei Daten mit einem TAB dazwischen",
         "dos fechas con un TAB entre ellas"},
    }};
    if (problem == Problem::FieldCount) {
        const std::size_t which = command == Command::Add ? 1 : command == Command::Diff ? 2 : 0;
        return std::string(lacks[slot]) + fields[which][slot];
    }
    if (problem == Problem::None) return {};
    return problems[static_cast<std::size_t>(problem) - 1][slot];
}

std::string JobText(JobMessage message, std::string_view text, int16_t language) {
    const std::size_t slot = Slot(language);
    static constexpr std::array<Texts, 5> texts{{
        {"is not a span: write whole years, months, weeks and days, each at most once, for "
         "example 30, -2w, 1y2m or +3m-1d",
         "ist keine Spanne: schreiben Sie ganze Jahre, Monate, Wochen und Tage, jede Einheit "
         "höchstens einmal, zum Beispiel 30, -2w, 1y2m oder +3m-1d",
         "no es un intervalo: escriba años, meses, semanas y días enteros, cada unidad como "
         "mucho una vez, por ejemplo 30, -2w, 1y2m o +3m-1d"},
        {"is not a year: write a whole number, for example 2024 or -500",
         "ist kein Jahr: schreiben Sie eine ganze Zahl, zum Beispiel 2024 oder -500",
         "no es un año: escriba un número entero, por ejemplo 2024 o -500"},
        {"holds years or months, which a day number does not have: use weeks and days",
         "enthält Jahre oder Monate, die eine Tageszahl nicht hat: nehmen Sie Wochen und Tage",
         "contiene años o meses, que un número de día no tiene: use semanas y días"},
        {"cannot be read as a holidays file", "kann nicht als Feiertagsdatei gelesen werden",
         "no se puede leer como archivo de festivos"},
        {"working days", "Arbeitstage", "días laborables"},
    }};
    const char* words = texts[static_cast<std::size_t>(message)][slot];
    if (message == JobMessage::WorkingDays) return words;
    return "\"" + std::string(text) + "\" " + words;
}

} // namespace Cli
