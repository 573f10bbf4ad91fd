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

using DatePr2::InDayNumberRange;
using DatePr2::KnownKind;
using WindowTexts::ComputeMessage;

std::string GroupedNumber(int32_t value, const Format& f) {
    return StrProc::InsertThousandsSeparators(std::to_string(value), f.thousands);
}

// Today's JDN plus a few days, kept inside 32 bits whatever the clock says.
int32_t DaysFrom(int32_t jdn, int32_t days) {
    const int64_t sum = int64_t{jdn} + days;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

ComputeMessage RefusalMessage(int which, int16_t status, int16_t kind) {
    const bool first = which == 1;
    if (status < 0)
        return first ? WindowTexts::msgFirstDateOutOfRange : WindowTexts::msgSecondDateOutOfRange;
    if (kind == DatePr2::AN)
        return first ? WindowTexts::msgFirstDateInvalidAnnusNovus
                     : WindowTexts::msgSecondDateInvalidAnnusNovus;
    return first ? WindowTexts::msgFirstDateInvalid : WindowTexts::msgSecondDateInvalid;
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
        result.message = WindowTexts::msgResultOutOfRange;
        result.outOfRange = true;
        return result;
    }
    rec.jdn = stepped;
    if (!ResultDateText(rec, kind, f, newText)) {
        result.message = WindowTexts::msgResultOutOfRange;
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
        result.message = WindowTexts::msgResultOutOfRange;
        return result;
    }
    result.moved = true;
    return result;
}

std::string DateTextFromToday(int32_t days, int16_t kind, const Format& f,
                              const DatePr2::LocalNow& now) {
    DateRecord rec{};
    rec.jdn = DaysFrom(DatePr2::TodaysJDN(now), days);
    if (KnownKind(kind) == DatePr2::YYYYDDD) return DatePr2::GregorianYearDayText(rec.jdn);
    std::string text;
    ResultDateText(rec, kind, f, text);
    return text;
}

std::string WeekdayName(int32_t jdn, int16_t kind) {
    if (kind == DatePr2::AN) return DatePr2::AnnusNovusWeekdayName(jdn);
    return GEN_TEXT::DayName(DatePr2::EuroDayOfWeek(jdn));
}

TodayLabels TodayLabelTexts(int16_t todayKind, const Format& f) {
    const int16_t kind = KnownKind(todayKind);
    // One reading of the clock for the date and the time, so that a tick at midnight never
    // shows one day's date with the next day's time.
    const DatePr2::LocalNow now = DatePr2::Now();
    const bool german = GEN_TEXT::currentLanguage == GEN_TEXT::langGerman;
    const std::string article = german ? "der " : "";
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", static_cast<int>(now.hour),
                  static_cast<int>(now.minute));
    const std::string clock = std::string(" (") + hhmm + ").";
    // yyyyddd carries no code; only the calendar dates end the week label with a full stop.
    const std::string& code = DatePr2::calendarCode[static_cast<std::size_t>(kind)];
    const std::string suffix = code.empty() ? "" : " " + code;
    const bool numbered = kind == DatePr2::JDN || kind == DatePr2::YYYYDDD;
    const int32_t weekDays = kind == DatePr2::AN ? 5 : 7;

    TodayLabels labels;
    labels.today = GEN_TEXT::Text(GEN_TEXT::txtTodayIs) + " " +
                   WeekdayName(DatePr2::TodaysJDN(now), kind) + ",\r\n" + article +
                   DateTextFromToday(0, kind, f, now) + suffix + clock;
    labels.week = GEN_TEXT::Text(kind == DatePr2::AN ? GEN_TEXT::txtFiveDayWeekFromToday
                                                     : GEN_TEXT::txtWeekFromToday) +
                  "\r\n" + article + DateTextFromToday(weekDays, kind, f, now) + suffix +
                  (numbered ? "" : ".");
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
