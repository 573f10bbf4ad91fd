// Gregorian and Julian conversions against ICU's calendar, an independent implementation,
// on random samples of the range ICU handles.
#include "mibrexw.h"

#include <gtest/gtest.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>

namespace {

// ICU's own limits lie near +-2.1307e9; beyond them its answers wrap.
constexpr int32_t kIcuLowJdn = -2130000000;
constexpr int32_t kIcuHighJdn = 2130000000;

struct IcuDate {
    int32_t year, month, day;
};

class IcuCalendar {
  public:
    explicit IcuCalendar(bool julian) {
        UErrorCode status = U_ZERO_ERROR;
        calendar_ = std::make_unique<icu::GregorianCalendar>(
            icu::TimeZone::createTimeZone(icu::UnicodeString("Etc/UTC")), status);
        // The change-over at the end of time makes every date Julian; at its start,
        // proleptic Gregorian.
        calendar_->setGregorianChange(julian ? U_DATE_MAX : U_DATE_MIN, status);
        ok_ = U_SUCCESS(status);
    }

    bool ok() const { return ok_; }

    IcuDate FromJdn(int32_t jdn, UErrorCode& status) {
        calendar_->clear();
        calendar_->set(UCAL_JULIAN_DAY, jdn);
        // EXTENDED_YEAR numbers years astronomically: 1 BC is 0.
        return {calendar_->get(UCAL_EXTENDED_YEAR, status), calendar_->get(UCAL_MONTH, status) + 1,
                calendar_->get(UCAL_DATE, status)};
    }

    int32_t ToJdn(const IcuDate& d, UErrorCode& status) {
        calendar_->clear();
        calendar_->set(UCAL_EXTENDED_YEAR, d.year);
        calendar_->set(UCAL_MONTH, d.month - 1);
        calendar_->set(UCAL_DATE, d.day);
        return calendar_->get(UCAL_JULIAN_DAY, status);
    }

  private:
    std::unique_ptr<icu::GregorianCalendar> calendar_;
    bool ok_ = false;
};

class AgreesWithIcu : public ::testing::TestWithParam<char> {};

TEST_P(AgreesWithIcu, RandomJdnsBothDirections) {
    const char letter = GetParam();
    IcuCalendar icu(letter == 'J');
    ASSERT_TRUE(icu.ok());
    std::mt19937 rng(7321u + static_cast<unsigned>(letter));
    std::uniform_int_distribution<int32_t> wide(kIcuLowJdn, kIcuHighJdn);
    // Half the samples near the present, where a slip in the leap rules shows most often.
    std::uniform_int_distribution<int32_t> near(0, 5373484);
    constexpr int kSamples = 40000;
    int compared = 0;
    for (int i = 0; i < kSamples; ++i) {
        const int32_t jdn = i % 2 == 0 ? wide(rng) : near(rng);
        UErrorCode status = U_ZERO_ERROR;
        const IcuDate expected = icu.FromJdn(jdn, status);
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status) << " at " << jdn;

        DateRecord r{};
        r.calendar = letter;
        r.jdn = jdn;
        jdn_to_euro_date(&r);
        ASSERT_EQ(r.year, expected.year) << "JDN " << jdn;
        ASSERT_EQ(r.month, expected.month) << "JDN " << jdn;
        ASSERT_EQ(r.day, expected.day) << "JDN " << jdn;

        // The other direction on a date that ICU built, not one of ours.
        ASSERT_EQ(icu.ToJdn(expected, status), jdn);
        ASSERT_TRUE(U_SUCCESS(status));
        r.jdn = 0;
        ASSERT_EQ(euro_date_to_jdn(&r), jdn)
            << expected.year << "-" << expected.month << "-" << expected.day;
        ++compared;
    }
    EXPECT_EQ(compared, kSamples);
}

TEST_P(AgreesWithIcu, EndsOfTheSharedRange) {
    const char letter = GetParam();
    IcuCalendar icu(letter == 'J');
    ASSERT_TRUE(icu.ok());
    for (int32_t jdn : {kIcuLowJdn, kIcuLowJdn + 1, MIBREXW_SMALLEST_DAY_NUMBER, -1, 0,
                        MIBREXW_LARGEST_DAY_NUMBER, kIcuHighJdn - 1, kIcuHighJdn}) {
        UErrorCode status = U_ZERO_ERROR;
        const IcuDate expected = icu.FromJdn(jdn, status);
        ASSERT_TRUE(U_SUCCESS(status));
        DateRecord r{};
        r.calendar = letter;
        r.jdn = jdn;
        jdn_to_euro_date(&r);
        EXPECT_EQ(r.year, expected.year) << jdn;
        EXPECT_EQ(r.month, expected.month) << jdn;
        EXPECT_EQ(r.day, expected.day) << jdn;
    }
}

INSTANTIATE_TEST_SUITE_P(GregorianAndJulian, AgreesWithIcu, ::testing::Values('G', 'J'),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return info.param == 'J' ? std::string("Julian")
                                                      : std::string("Gregorian");
                         });

} // namespace
