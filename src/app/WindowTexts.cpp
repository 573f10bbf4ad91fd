#include "app/WindowTexts.h"

#include "lang/GEN_TEXT.h"

namespace WindowTexts {

std::array<std::array<std::string, 6>, 10> ComputeErrorText;
std::array<std::array<std::string, 12>, 6> SpecialDayText;
std::array<std::string, 6> txtIntro;

namespace {

const std::string emptyText;

bool IsLanguageSlot(int language) {
    return language >= 0 && language < GEN_TEXT::languageSlots;
}

// French was never translated: its slot, like slot 5, stays empty.
std::array<std::string, 6> Message(const char* english, const char* german, const char* portuguese,
                                   const char* spanish) {
    return {english, german, "", portuguese, spanish, ""};
}

// Entries of SpecialDayText: the headings, and the sentences four places further on.
constexpr size_t calendarDay = 0;
constexpr size_t refundatioDay = 1;
constexpr size_t independenceDay = 2;
constexpr size_t sentenceOffset = 4;

std::array<std::string, 6>& Row(ComputeMessage message) {
    return ComputeErrorText[static_cast<size_t>(message)];
}

} // namespace

void LoadComputeErrorTexts() {
    // Message 0 is two lines; the blanks at the ends of the parts are part of the texts.
    Row(msgDifferenceWithBothDates) =
        Message("If both the first date and the second date are specified\r\n"
                "then the date difference window must be empty.",
                " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
                "muss das Feld für die Datumsdifferenz leer sein.",
                "Se ambas a primeira e a segunda data foram especificadas, \r\n"
                "então a janela da diferença de datas tem que estar vazia.",
                "Si ambas, la primera y la segunda fechas, son especificadas \r\n"
                "entonces la ventana  de diferencia de fechas debe estar vacía.");
    Row(msgFirstDateInvalid) =
        Message("First date is not valid in calendar specified.",
                "Erstes Datum ist in dem angegebenen Kalender nicht zulässig.",
                "A primeira data não é válida no calendário especificado.",
                "La primera fecha no es válida en un calendario especificado.");
    Row(msgFirstDateInvalidAnnusNovus) =
        Message("First date is not valid in the Annus Novus Calendar.",
                "Erstes Datum ist in dem Annus Novus Kalender nicht zulässig.",
                "A primeira data não é válida no calendário Annus Novus.",
                "La primera fecha no es válida en Calendario Annus Novus.");
    Row(msgFirstDateOutOfRange) = Message(
        "First date is out of range.", "Erstes Datum liegt ausserhalb des erlaubten Bereichs.",
        "A Primeira data está fora do intervalo.", "Primera fecha está fuera de rango.");
    Row(msgDifferenceInvalid) =
        Message("Date difference is not valid.", "Datumsdifferenz ist nicht zulässig.",
                "A diferença de datas não é válida.", "Diferencia de fechas no es válida.");
    Row(msgDifferenceOutOfRange) = Message("Date difference is out of range.",
                                           "Datumsdifferenz ist ausserhalb des erlaubten Bereichs.",
                                           "A diferença de datas está fora do intervalo.",
                                           "Diferencia de fechas está fuera de rango.");
    Row(msgSecondDateInvalid) =
        Message("Second date is not valid in calendar specified.",
                "Zweites Datum ist im angegebenen Kalender nicht zulässig.",
                "A segunda data não é válida no calendário especificado.",
                "La segunda fecha no es válida en el calendario específicado.");
    Row(msgSecondDateInvalidAnnusNovus) =
        Message("Second date is not valid in the Annus Novus Calendar.",
                "Zweites Datum ist in dem Annus Novus Kalender nicht zulässig.",
                "A segunda data não é válida no calendário Annus Novus.",
                "La segunda fecha no es válida en Calendario Annus Novus.");
    Row(msgSecondDateOutOfRange) = Message(
        "Second date is out of range.", "Zweites Datum liegt ausserhalb des erlaubten Bereichs.",
        "A segunda data está fora do intervalo.", "La segunda fecha está fuera de rango.");
    Row(msgResultOutOfRange) =
        Message("Result is out of range.", "Das Resultat liegt ausserhalb des erlaubten Bereichs.",
                "A resultado data está fora do intervalo.", "El resultado está fuera de rango.");
}

const std::string& ComputeErrorInCurrentLanguage(int message) {
    const int language = GEN_TEXT::currentLanguage;
    if (message < 0 || message >= static_cast<int>(ComputeErrorText.size()) ||
        !IsLanguageSlot(language)) {
        return emptyText;
    }
    return ComputeErrorText[static_cast<size_t>(message)][static_cast<size_t>(language)];
}

std::string ComputeErrorTitle() {
    return GEN_TEXT::Text(GEN_TEXT::txtError) + "!";
}

std::string ClearDifferenceQuestion() {
    // Built when asked, so that it follows the language in force at that moment.
    return ComputeErrorInCurrentLanguage(msgDifferenceWithBothDates) + "\r\n\r\n" +
           GEN_TEXT::Text(GEN_TEXT::txtClear) + " " +
           GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(GEN_TEXT::txtDateDifference)) + "?";
}

void LoadSpecialDayTexts() {
    SpecialDayText = {};

    auto& english = SpecialDayText[GEN_TEXT::langEnglish];
    english[calendarDay] = "This is Calendar Day.";
    english[refundatioDay] = "This is Refundatio Day.";
    english[independenceDay] = "This is Independence Day.";
    english[calendarDay + sentenceOffset] =
        "The Annus Novus Decimal Calendar was introduced on 10520-01-01 AN (2001-01-01 CE).";
    english[refundatioDay + sentenceOffset] =
        "The Reformation and Refoundation of Atlantium occurred on 10518-05-07 AN (1999-06-02 CE).";
    english[independenceDay + sentenceOffset] =
        "The Empire of Atlantium was founded on 10500-10-03 AN (1981-11-27 CE).";

    auto& german = SpecialDayText[GEN_TEXT::langGerman];
    german[calendarDay] = "Dies ist der Kalendertag.";
    german[refundatioDay] = "Dies ist der Tag Refundatio.";
    german[independenceDay] = "Dies ist der Unabhängigkeitstag.";
    german[calendarDay + sentenceOffset] =
        "Der Annus Novus Dezimalkalender wurde am 10520-01-01 AN (2001-01-01 CE) eingeführt.";
    german[refundatioDay + sentenceOffset] = "Die Reformation und Neugründung von Atlantium "
                                             "ereignetes sich am 10518-05-07 AN (1999-06-02 CE).";
    // The German Independence Day sentence names the Annus Novus date without "AN".
    german[independenceDay + sentenceOffset] =
        "Das Empire von Atlantium wurde am 10500-10-03 (1981-11-27 CE) gegründet.";

    auto& spanish = SpecialDayText[GEN_TEXT::langSpanish];
    spanish[calendarDay] = "Este es el Día del Calendario.";
    spanish[refundatioDay] = "Este es el día de la Refundación.";
    spanish[independenceDay] = "Este es el Día de la Independencia.";
    spanish[calendarDay + sentenceOffset] = "El Calendario Decimal de los Annus Novus fue "
                                            "introducido el 10520-01-01 AN (2001-01-01 CE).";
    spanish[refundatioDay + sentenceOffset] =
        "La Reforma y Refundación de Atlantium ocurrieron el 10518-05-07 AN (1999-06-02 CE).";
    spanish[independenceDay + sentenceOffset] =
        "El Imperio de Atlantium se fundó el 10500-10-03 AN (1981-11-27 CE).";
}

std::string SpecialDayNote(int month, int day) {
    size_t entry = 0;
    if (month == 1 && day == 1) {
        entry = calendarDay;
    } else if (month == 6 && day == 2) {
        entry = refundatioDay;
    } else if (month == 11 && day == 27) {
        entry = independenceDay;
    } else {
        return "";
    }
    // A language without these notes (French, Portuguese, or an index no slot has) still
    // gets the line breaks, as an empty slot gives them.
    const int language = GEN_TEXT::currentLanguage;
    if (!IsLanguageSlot(language)) {
        return "\r\n\r\n\r\n";
    }
    const auto& texts = SpecialDayText[static_cast<size_t>(language)];
    return texts[entry] + "\r\n" + texts[entry + sentenceOffset] + "\r\n\r\n";
}

void FillIntroTexts() {
    const std::string english =
        "This program converts Common Era (Gregorian) dates, Julian dates, Annus Novus dates, "
        "Julian day numbers and dates in the form yyyyddd.  It can also be used to add or "
        "subtract a number of days from a date and to find the difference between two dates. "
        "Click on \"Help\" for more information.";

    txtIntro[GEN_TEXT::langEnglish] = english;
    txtIntro[GEN_TEXT::langGerman] =
        "Dieses Programm konvertiert verschiedene Arten von Daten und julianische "
        "Tageszahlen.\r\n"
        "Es erlaubt die Addition und die Subtraktion einer Anzahl von Tagen zu einem "
        "vorgegebenen Datum.  Klicken Sie auf \"Hilfe\" um weitere Informationen zu erhalten.";
    // The French intro was never written: the slot shows the table's own name.
    txtIntro[GEN_TEXT::langFrench] = "txtIntro";
    txtIntro[GEN_TEXT::langPortuguese] = english;
    txtIntro[GEN_TEXT::langSpanish] =
        "Este programa convierte fechas de la Era Común (Gregoriana), fechas Julianas, fechas "
        "de los Annus Novus, números de días Julianos y fecha yyyyddd. También puede ser usado "
        "para sumar o restar números de días a fechas y para encontrar la diferencia entre dos "
        "fechas.";
    txtIntro[5] = "";
}

int CopyButtonWidth(int language, bool selection) {
    // Twips, wide enough for the longest caption of the language.
    switch (language) {
    case GEN_TEXT::langEnglish:
        return selection ? 3750 : 2500;
    case GEN_TEXT::langGerman:
        return selection ? 5000 : 3500;
    default:
        return selection ? 5000 : 3000;
    }
}

} // namespace WindowTexts
