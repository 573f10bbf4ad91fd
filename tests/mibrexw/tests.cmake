# ICU's calendar is the independent reference the conversion tests compare against.
find_package(ICU REQUIRED COMPONENTS uc i18n)
target_link_libraries(test_mibrexw PRIVATE ICU::uc ICU::i18n)

# A sampled run of the exhaustive calendar verifier takes seconds; the full run is separate.
if(TARGET verify_calendars)
  add_test(NAME verify_calendars_sampled COMMAND verify_calendars --sample 5000)
  set_tests_properties(verify_calendars_sampled PROPERTIES TIMEOUT 300)
endif()
