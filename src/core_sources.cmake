# The Qt-free core: calendar arithmetic, date and number text, the message catalogue,
# and the Qt-free logic and text tables of the windows. Window sources are those whose
# names start with "frm" or "weblink" or end in "Qt"; they go into orvui instead.
set(ORV_SRC ${CMAKE_CURRENT_LIST_DIR})
file(GLOB ORV_CORE_SOURCES CONFIGURE_DEPENDS
  ${ORV_SRC}/calendar/*.cpp ${ORV_SRC}/text/*.cpp ${ORV_SRC}/lang/*.cpp
  ${ORV_SRC}/ui/main/*.cpp ${ORV_SRC}/ui/info/*.cpp)
list(FILTER ORV_CORE_SOURCES EXCLUDE REGEX "/(frm|weblink)[^/]*\\.cpp$")
list(FILTER ORV_CORE_SOURCES EXCLUDE REGEX "Qt\\.cpp$")

add_library(orvcore STATIC ${ORV_CORE_SOURCES})
target_include_directories(orvcore PUBLIC ${ORV_SRC})
target_link_libraries(orvcore PUBLIC mibrexw)
target_compile_definitions(orvcore PUBLIC
  ORV_MAKER_SITE="${ORV_MAKER_SITE}"
  ORV_ANNUS_NOVUS_SITE="${ORV_ANNUS_NOVUS_SITE}"
  ORV_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  ORV_VERSION_MINOR=${PROJECT_VERSION_MINOR})
