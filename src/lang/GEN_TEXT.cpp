#include "lang/GEN_TEXT.h"

namespace GEN_TEXT {

int16_t currentLanguage = langEnglish;

Entry txtAnnusNovusDate;
Entry txtCalendars;
Entry txtClear;
Entry txtClickToChangeCalendar;
Entry txtClose;
Entry txtCommonEraDate;
Entry txtCompute;
Entry txtCopyToClipboard;
Entry txtCopySelectedText;
Entry txtCredits;
Entry txtDateDifference;
Entry txtDateFormat;
Entry txtDateSeparator;
Entry txtDay;
Entry txtDays;
Entry txtEnglish;
Entry txtError;
Entry txtFirstDate;
Entry txtGerman;
Entry txtHelp;
Entry txtInputWindows;
Entry txtJulianCalendarDate;
Entry txtJulianDayNumber;
Entry txtMinus;
Entry txtMonth;
Entry txtMonths;
Entry txtNone;
Entry txtOnlineDocumentation;
Entry txtOutOfRange;
Entry txtOutputWindow;
Entry txtPlus;
Entry txtQuit;
Entry txtSecondDate;
Entry txtSecondToFirst;
Entry txtSpanish;
Entry txtThisIsA;
Entry txtThousandsSeparator;
Entry txtToday;
Entry txtTodayIs;
Entry txtWeekFromToday;
Entry txtFiveDayWeekFromToday;
Entry txtYear;
Entry txtYears;
Entry txtYyyydddDate;

std::array<std::array<std::string, 8>, languageSlots> txtDayName;

namespace {

const std::string emptyText;

// Slot 5 is never translated, so no entry can fill it by mistake.
Entry Slots(const char* english, const char* german, const char* french, const char* portuguese,
            const char* spanish) {
    return Entry{english, german, french, portuguese, spanish, ""};
}

bool IsLanguageSlot(int language) {
    return language >= 0 && language < languageSlots;
}

} // namespace

namespace {

void FillDayNames() {
    // Sunday .. Saturday; weekday 7 and slot 5 stay empty.
    txtDayName = {};
    txtDayName[langEnglish] = {"Sunday",   "Monday", "Tuesday",  "Wednesday",
                               "Thursday", "Friday", "Saturday", ""};
    txtDayName[langGerman] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                              "Donnerstag", "Freitag", "Samstag",  ""};
    txtDayName[langFrench] = {"Dimanche", "Lundi",    "Mardi",  "Mercredi",
                              "Jeudi",    "Vendredi", "Samedi", ""};
    txtDayName[langPortuguese] = {"Domingo",      "Segunda-feira", "Terça-feira", "Quarta-feira",
                                  "Quinta-feira", "Sexta-feira",   "Sábado",      ""};
    txtDayName[langSpanish] = {"Domingo", "Lunes",   "Martes", "Miércoles",
                               "Jueves",  "Viernes", "Sábado", ""};
}

} // namespace

void InitMessages() {
    currentLanguage = langEnglish;

    // Slots: English, German, French, Portuguese, Spanish. "???" and "" are the untranslated
    // slots and are shown as they are.
    txtAnnusNovusDate =
        Slots("Annus Novus date", "Annus Novus Datum", "???", "???", "Fecha Annus Novus");
    txtCalendars = Slots("Calendars", "Kalender", "", "", "Calendarios");
    txtClear = Slots("Clear", "Lösche", "???", "Cancele", "Borrar");
    txtClickToChangeCalendar =
        Slots("Click to change calendar", "Anklicken um Kalender zu verändern", "", "",
              "Oprima para cambiar calendario");
    txtClose = Slots("Close", "Schliessen", "???", "Fechar", "Cerrar");
    txtCommonEraDate = Slots("Common Era date", "Common Era Datum", "???", "Data da Era Comum",
                             "Fecha de la Era Común");
    txtCompute = Slots("Compute", "Berechnen", "???", "Calcular", "Calcular");
    txtCopyToClipboard = Slots("Copy to clipboard", "Kopieren in Zwischenablage", "???",
                               "Copiar para clipboard", "Copie al sujetapapeles");
    txtCopySelectedText =
        Slots("Copy selected text to clipboard", "Kopieren ausgewählter Text in Zwischenablage", "",
              "", "Copie el texto seleccionado al sujetapapeles");
    txtCredits = Slots("Credits", "Anerkennung", "???", "???", "Créditos");
    txtDateDifference = Slots("Date difference", "Datumsdifferenz", "???", "Diferença de datas",
                              "Diferencia entre fechas");
    txtDateFormat =
        Slots("Date format", "Datumsformat", "???", "Formato da data", "Formato de fecha");
    txtDateSeparator = Slots("Date separator", "Datumstrennzeichen", "???", "Separador de data",
                             "Separador de fechas");
    txtDay = Slots("Day", "Tag", "???", "Dia", "Día");
    txtDays = Slots("Days", "Tage", "???", "Dias", "Días");
    txtEnglish = Slots("English", "Englisch", "Anglais", "Inglês", "Inglés");
    txtError = Slots("Error", "Fehler", "", "Erro", "Error");
    txtFirstDate = Slots("First date", "Erstes Datum", "", "Primeira data", "Primera fecha");
    txtGerman = Slots("German", "Deutsch", "???", "Alemão", "Alemán");
    txtHelp = Slots("Help", "Hilfe", "???", "Ajuda", "Ayuda");
    txtInputWindows =
        Slots("Input windows", "Eingabefenster", "???", "Janela de inserção", "Ventana de entrada");
    txtJulianCalendarDate = Slots("Julian Calendar date", "Julianisches Kalenderdatum", "???",
                                  "Data do calendário Juliano", "Fecha del Calendario Juliano");
    txtJulianDayNumber = Slots("Julian day number", "Julianische Tageszahl", "???",
                               "Número de dia Juliano", "Número de día Juliano");
    txtMinus = Slots("minus", "minus", "???", "negativo", "menos");
    txtMonth = Slots("Month", "Monat", "???", "Mês", "Mes");
    txtMonths = Slots("Months", "Monate", "???", "Meses", "Meses");
    txtNone = Slots("None", "Keine", "???", "???", "ninguno");
    txtOnlineDocumentation =
        Slots("Online documentation", "Online-Dokumentation", "", "", "Documentación en línea");
    txtOutOfRange =
        Slots("Out of Range", "Ausserhalb des erlaubten Bereichs", "", "", "Fuera de rango");
    txtOutputWindow = Slots("Output window", "Ausgabefenster", "???", "Janela de resultados",
                            "Ventana de salida");
    txtPlus = Slots("plus", "plus", "???", "positivo", "más");
    txtQuit = Slots("Quit", "Beenden", "???", "Sair", "Abandonar");
    txtSecondDate = Slots("Second date", "Zweites Datum", "", "Segunda data", "Segunda fecha");
    txtSecondToFirst = Slots("Second -> First", "Zweites -> Erstes", "???", "Segunda -> Primeira",
                             "Segundo -> Primero");
    txtSpanish = Slots("Spanish", "Spanisch", "???", "Espanhol", "Español");
    txtThisIsA = Slots("This is a", "Dies ist ein", "???", "Isto é a", "Esto (a) es un(a)");
    txtThousandsSeparator = Slots("Thousands separator", "Tausendertrennzeichen", "???",
                                  "Separador de milhares", "Separador de miles");
    txtToday = Slots("Today", "Heute", "", "Hoje", "Hoy");
    txtTodayIs = Slots("Today is", "Heute ist", "???", "Hoje é", "Hoy es");
    txtWeekFromToday = Slots("A week from today is", "Eine Woche weiter als heute ist", "???",
                             "Uma semana após hoje é", "Una semana a partir de hoy es");
    txtFiveDayWeekFromToday =
        Slots("A (5-day) week from today is", "Eine (5-Tage-)Woche weiter als heute ist", "???",
              "Uma (5-dia) semana após hoje é", "Una (5-dia) semana a partir de hoy es");
    txtYear = Slots("Year", "Jahr", "???", "Ano", "Año");
    txtYears = Slots("Years", "Jahre", "???", "Anos", "Años");
    txtYyyydddDate = Slots("yyyyddd date", "yyyyddd Datum", "???", "Data yyyyddd", "Fecha yyyyddd");

    FillDayNames();
}

const std::string& Text(const Entry& entry) {
    // A settings file can bring any language index; outside the slots there is no text.
    if (!IsLanguageSlot(currentLanguage)) {
        return emptyText;
    }
    return entry[static_cast<size_t>(currentLanguage)];
}

const std::string& DayName(int weekday) {
    if (!IsLanguageSlot(currentLanguage) || weekday < 0 || weekday >= 8) {
        return emptyText;
    }
    return txtDayName[static_cast<size_t>(currentLanguage)][static_cast<size_t>(weekday)];
}

std::string LowerCase(const std::string& text) {
    std::string lower = text;
    for (size_t i = 0; i < lower.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lower[i]);
        if (byte >= 'A' && byte <= 'Z') {
            lower[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < lower.size()) {
            // U+00C0..U+00DE are C3 80..C3 9E; their small letters lie 0x20 higher. U+00D7
            // (the multiplication sign) has no small form. 0xC3 is never a continuation byte,
            // so the pair is a whole character whatever stands before it, and a continuation
            // byte is never a capital, so the loop may step onto it unharmed.
            const auto next = static_cast<unsigned char>(lower[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                lower[i + 1] = static_cast<char>(next + 0x20);
            }
        }
    }
    return lower;
}

std::string LowerUnlessGerman(const std::string& text) {
    return currentLanguage == langGerman ? text : LowerCase(text);
}

std::string DayWord(int32_t n) {
    return LowerUnlessGerman(Text(n == 1 || n == -1 ? txtDay : txtDays));
}

} // namespace GEN_TEXT
