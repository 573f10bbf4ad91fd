#include "app/DateWindowOps.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <utility>

#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace DateWindowOps {

namespace {

// The window only ever passes the five kinds; anything else is read as CE, as
// CalendarOfDate does when none of the other four buttons is selected.
int16_t KnownKind(int16_t kind) {
    return (kind >= DatePr2::CE && kind <= DatePr2::YYYYDDD) ? kind : DatePr2::CE;
}

std::string GroupedNumber(int32_t value, const Format& f) {
    return StrProc::InsertThousandsSeparators(std::to_string(value), f.thousands);
}

// Today's JDN plus a few days, kept inside 32 bits whatever the clock says.
int32_t DaysFrom(int32_t jdn, int32_t days) {
    const int64_t sum = int64_t{jdn} + days;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int RefusalMessage(int which, int16_t status, int16_t kind) {
    const bool first = which == 1;
    if (status < 0) return first ? 3 : 8;
    if (kind == DatePr2::AN) return first ? 2 : 7;
    return first ? 1 : 6;
}

bool InDayNumberRange(int32_t jdn) {
    return jdn >= DatePr2::smallestDayNumber && jdn <= DatePr2::largestDayNumber;
}

} // namespace

bool ResultDateText(DateRecord& rec, int16_t kind, const Format& f, std::string& text) {
    switch (KnownKind(kind)) {
    case DatePr2::JDN:
        text = GroupedNumber(rec.jdn, f);
        return true;
    case DatePr2::YYYYDDD: {
        std::string yyyyddd = DatePr2::YyyydddText(rec.jdn);
        if (yyyyddd.empty()) return false;
        rec.calendar = DatePr2::letterGregorian;
        DatePr2::JDNToEuroDate(rec);
        text = std::move(yyyyddd);
        return true;
    }
    default:
        DatePr2::SetCalendarCode(KnownKind(kind), rec);
        DatePr2::JDNToDate(rec);
        text = StrProc::FormatDate(rec, f.order, f.separator, f.thousands);
        return true;
    }
}

bool ConvertDateText(const std::string& source, int16_t fromKind, int16_t toKind, const Format& f,
                     std::string& converted) {
    fromKind = KnownKind(fromKind);
    toKind = KnownKind(toKind);
    if (source.empty() || fromKind == toKind) return false;
    DateRecord rec{};
    if (StrProc::ParseDate(source, f.separator, fromKind, f.order, rec) < StrProc::statusRead)
        return false;
    return ResultDateText(rec, toKind, f, converted);
}

StepResult StepDateText(int which, const std::string& text, int32_t days, int16_t kind,
                        const Format& f) {
    kind = KnownKind(kind);
    StepResult result;
    result.text = text;
    DateRecord rec{};
    const int16_t status = StrProc::ParseDate(text, f.separator, kind, f.order, rec);
    if (status != StrProc::statusRead) {
        result.message = RefusalMessage(which, status, kind);
        return result;
    }
    int32_t stepped = 0;
    std::string newText;
    if (__builtin_add_overflow(rec.jdn, days, &stepped) || !InDayNumberRange(stepped)) {
        result.message = 9;
        result.outOfRange = true;
        return result;
    }
    rec.jdn = stepped;
    if (!ResultDateText(rec, kind, f, newText)) {
        result.message = 9;
        result.outOfRange = true;
        return result;
    }
    result.text = std::move(newText);
    return result;
}

MoveResult MoveSecondToFirst(const std::string& secondText, int16_t k2, int16_t k1,
                             const Format& f) {
    k2 = KnownKind(k2);
    MoveResult result;
    if (secondText.empty()) return result;
    DateRecord parsed{};
    const int16_t status = StrProc::ParseDate(secondText, f.separator, k2, f.order, parsed);
    if (status != StrProc::statusRead) {
        result.message = RefusalMessage(2, status, k2);
        return result;
    }
    // A fresh record: the first window's calendar alone decides how the day is written.
    DateRecord fresh{};
    fresh.jdn = parsed.jdn;
    if (!ResultDateText(fresh, k1, f, result.firstText)) {
        // Only a yyyyddd first window refuses: the day has no yyyyddd form.
        result.firstText.clear();
        result.message = 9;
        return result;
    }
    result.moved = true;
    return result;
}

std::string TodayDateText(int16_t kind, const Format& f) {
    const int32_t today = DatePr2::TodaysJDN();
    if (KnownKind(kind) == DatePr2::YYYYDDD) return DatePr2::GregorianYearDayText(today);
    DateRecord rec{};
    rec.jdn = today;
    std::string text;
    ResultDateText(rec, kind, f, text);
    return text;
}

TodayLabels TodayLabelTexts(int16_t todayKind, const Format& f) {
    const int16_t kind = KnownKind(todayKind);
    // One reading of the clock for the date and the time, so that a tick at midnight never
    // shows one day's date with the next day's time.
    const DatePr2::LocalNow now = DatePr2::Now();
    DateRecord todayRec{};
    todayRec.year = now.year;
    todayRec.month = now.month;
    todayRec.day = now.day;
    todayRec.calendar = DatePr2::letterGregorian;
    const int32_t today = euro_date_to_jdn(&todayRec);

    const bool german = GEN_TEXT::currentLanguage == GEN_TEXT::langGerman;
    const std::string article = german ? "der " : "";
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", static_cast<int>(now.hour),
                  static_cast<int>(now.minute));
    const std::string clock = std::string(" (") + hhmm + ").";
    const std::string& code = DatePr2::calendarCode[static_cast<std::size_t>(kind)];

    std::string weekday;
    if (kind == DatePr2::AN) {
        DateRecord an{};
        an.jdn = today;
        const int16_t anDay = DatePr2::JDNToAnnusNovusDate(an);
        if (anDay >= 0 && static_cast<std::size_t>(anDay) < DatePr2::annusNovusDayName.size())
            weekday = DatePr2::annusNovusDayName[static_cast<std::size_t>(anDay)];
    } else {
        weekday = GEN_TEXT::DayName(DatePr2::EuroDayOfWeek(today));
    }

    const auto dateOf = [&](int32_t jdn) {
        DateRecord rec{};
        rec.jdn = jdn;
        std::string text;
        ResultDateText(rec, kind, f, text);
        return text;
    };

    TodayLabels labels;
    labels.today = GEN_TEXT::Text(GEN_TEXT::txtTodayIs) + " " + weekday + ",\r\n" + article;
    const int32_t ahead = DaysFrom(today, kind == DatePr2::AN ? 5 : 7);
    labels.week = GEN_TEXT::Text(kind == DatePr2::AN ? GEN_TEXT::txtFiveDayWeekFromToday
                                                     : GEN_TEXT::txtWeekFromToday) +
                  "\r\n" + article;
    switch (kind) {
    case DatePr2::JDN:
        labels.today += GroupedNumber(today, f) + " JDN" + clock;
        labels.week += GroupedNumber(ahead, f) + " JDN";
        break;
    case DatePr2::YYYYDDD:
        labels.today += DatePr2::GregorianYearDayText(today) + clock;
        labels.week += DatePr2::GregorianYearDayText(ahead);
        break;
    default:
        labels.today += dateOf(today) + " " + code + clock;
        labels.week += dateOf(ahead) + " " + code + ".";
        break;
    }
    return labels;
}

namespace {
// The order in which clicks on the today labels go through the calendars.
constexpr std::array<int16_t, 5> todayKindCycle{DatePr2::CE, DatePr2::JC, DatePr2::AN, DatePr2::JDN,
                                                DatePr2::YYYYDDD};

int16_t TodayKindAfter(int16_t kind, size_t steps) {
    size_t position = 0;
    while (todayKindCycle[position] != KnownKind(kind))
        ++position;
    return todayKindCycle[(position + steps) % todayKindCycle.size()];
}
} // namespace

int16_t NextTodayKind(int16_t kind) {
    return TodayKindAfter(kind, 1);
}

int16_t PreviousTodayKind(int16_t kind) {
    return TodayKindAfter(kind, todayKindCycle.size() - 1);
}

} // namespace DateWindowOps
