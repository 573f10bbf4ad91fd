// The Qt-free core as the window starts it: texts loaded, globals at their defaults, and the
// clock fixed at Monday 2026-12-07 14:05 (JDN 2,461,382). The language goes back to English.
#pragma once

#include <gtest/gtest.h>

#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        DatePr2::InitializeGlobals();
        WindowTexts::LoadComputeErrorTexts();
        DatePr2::SetNow([] { return DatePr2::LocalNow{2026, 12, 7, 14, 5, 0}; });
    }
    void TearDown() override {
        DatePr2::SetNow({});
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
};
