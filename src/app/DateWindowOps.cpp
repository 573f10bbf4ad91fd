#include "app/DateWindowOps.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <string_view>
#include <utility>

#include "calendar/DatePr2.h"
#include "calendar/IsoWeek.h"
#include "calendar/IsoWeekText.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace DateWindowOps {

namespace {

using DatePr2::Form;
using DatePr2::InDayNumberRange;
using WindowTexts::ComputeMessage;

// Today's JDN plus a few days, kept inside 32 bits whatever the clock says.
int32_t DaysFrom(int32_t jdn, int32_t days) {
    const int64_t sum = int64_t{jdn} + days;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

ComputeMessage RefusalMessage(Side side, int16_t status, Kind kind) {
    const bool first = side == Side::First;
    if (status < 0)
        return first ? WindowTexts::msgFirstDateOutOfRange : WindowTexts::msgSecondDateOutOfRange;
    if (DatePr2::FactsOf(kind).letter == DatePr2::letterAnnusNovus)
        return first ? WindowTexts::msgFirstDateInvalidAnnusNovus
                     : WindowTexts::msgSecondDateInvalidAnnusNovus;
    return first ? WindowTexts::msgFirstDateInvalid : WindowTexts::msgSecondDateInvalid;
}

bool AppendResultDate(DateRecord& rec, Kind kind, DatePr2::DateOrder order,
                      std::string_view separator, std::string_view thousands, std::string& text) {
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(kind);
    rec.calendar = facts.letter;
    switch (facts.form) {
    case Form::DayNumber:
        text.clear();
        StrProc::AppendGrouped(text, rec.jdn, thousands);
        return true;
    case Form::YearDay: {
        std::string yyyyddd = DatePr2::YyyydddText(rec.jdn);
        if (yyyyddd.empty()) return false;
        DatePr2::JDNToDate(rec);
        text = std::move(yyyyddd);
        return true;
    }
    case Form::WeekDate: {
        const DateJobs::IsoWeekDate week = DateJobs::IsoWeekOf(rec.jdn);
        rec.year = week.year;
        rec.month = week.week;
        rec.day = week.weekday;
        text.clear();
        DateJobs::AppendIsoWeekText(rec.jdn, text);
        return true;
    }
    case Form::LongCount:
        text = StrProc::FormatLongCount(rec.jdn);
        return true;
    case Form::CalendarDate:
        break;
    }
    DatePr2::JDNToDate(rec);
    text.clear();
    StrProc::AppendDate(text, rec, order, separator, thousands);
    return true;
}

bool ResultDateText(DateRecord& rec, Kind kind, const Format& f, std::string& text) {
    return AppendResultDate(rec, kind, f.order, f.separator, f.thousands, text);
}

bool ConvertDateText(const std::string& source, Kind fromKind, Kind toKind, const Format& f,
                     std::string& converted) {
    if (source.empty() || fromKind == toKind) return false;
    DateRecord rec{};
    if (StrProc::ParseDate(source, f.separator, fromKind, f.order, rec) < StrProc::statusRead)
        return false;
    return ResultDateText(rec, toKind, f, converted);
}

StepResult StepDateText(Side side, const std::string& text, int32_t days, Kind kind,
                        const Format& f) {
    StepResult result;
    result.text = text;
    DateRecord rec{};
    const int16_t status = StrProc::ParseDate(text, f.separator, kind, f.order, rec);
    if (status != StrProc::statusRead) {
        result.message = RefusalMessage(side, status, kind);
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

MoveResult MoveSecondToFirst(const std::string& secondText, Kind k2, Kind k1, const Format& f) {
    MoveResult result;
    if (secondText.empty()) return result;
    DateRecord parsed{};
    const int16_t status = StrProc::ParseDate(secondText, f.separator, k2, f.order, parsed);
    if (status != StrProc::statusRead) {
        result.message = RefusalMessage(Side::Second, status, k2);
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

std::string DateTextFromToday(int32_t days, Kind kind, const Format& f,
                              const DatePr2::LocalNow& now) {
    DateRecord rec{};
    rec.jdn = DaysFrom(DatePr2::TodaysJDN(now), days);
    if (DatePr2::FactsOf(kind).form == Form::YearDay) return DatePr2::GregorianYearDayText(rec.jdn);
    std::string text;
    ResultDateText(rec, kind, f, text);
    return text;
}

std::string WeekdayName(int32_t jdn, Kind kind) {
    if (DatePr2::FactsOf(kind).letter == DatePr2::letterAnnusNovus)
        return DatePr2::AnnusNovusWeekdayName(jdn);
    return GEN_TEXT::DayName(DatePr2::EuroDayOfWeek(jdn));
}

TodayLabels TodayLabelTexts(Kind kind, const Format& f) {
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
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(kind);
    const std::string suffix = facts.code.empty() ? "" : " " + std::string(facts.code);
    const bool numbered = facts.form != Form::CalendarDate;
    const bool annusNovus = facts.letter == DatePr2::letterAnnusNovus;
    const int32_t weekDays = annusNovus ? 5 : 7;

    TodayLabels labels;
    labels.today = GEN_TEXT::Text(GEN_TEXT::txtTodayIs) + " " +
                   WeekdayName(DatePr2::TodaysJDN(now), kind) + ",\r\n" + article +
                   DateTextFromToday(0, kind, f, now) + suffix + clock;
    labels.week = GEN_TEXT::Text(annusNovus ? GEN_TEXT::txtFiveDayWeekFromToday
                                            : GEN_TEXT::txtWeekFromToday) +
                  "\r\n" + article + DateTextFromToday(weekDays, kind, f, now) + suffix +
                  (numbered ? "" : ".");
    return labels;
}

namespace {
// The order in which clicks on the today labels go through the calendars.
constexpr std::array<Kind, 5> todayKindCycle{Kind::CE, Kind::JC, Kind::AN, Kind::JDN,
                                             Kind::YYYYDDD};

Kind TodayKindAfter(Kind kind, size_t steps) {
    size_t position = 0;
    while (position + 1 < todayKindCycle.size() && todayKindCycle[position] != kind)
        ++position;
    return todayKindCycle[(position + steps) % todayKindCycle.size()];
}
} // namespace

Kind NextTodayKind(Kind kind) {
    return TodayKindAfter(kind, 1);
}

Kind PreviousTodayKind(Kind kind) {
    return TodayKindAfter(kind, todayKindCycle.size() - 1);
}

} // namespace DateWindowOps
