# One interface target carries the language level, warnings and sanitizer flags to every
# target, so no flag is set globally.
add_library(lumivane_options INTERFACE)
target_compile_features(lumivane_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(lumivane_options INTERFACE
    -Wall -Wextra -Wpedantic
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow)
# GCC 12 reports impossible overlaps in std::string concatenation at -O2 (its bug 105329);
# the warning says nothing about our code there, so it is silenced for that compiler only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(lumivane_options INTERFACE -Wno-restrict)
endif()
if(LUMIVANE_WARNINGS_AS_ERRORS)
    target_compile_options(lumivane_options INTERFACE -Werror)
endif()
if(LUMIVANE_SANITIZE)
    # GCC's "undefined" leaves out float-cast-overflow, so a NaN cast to an integer would
    # pass unnoticed without naming it.
    target_compile_options(lumivane_options INTERFACE
        -fsanitize=address,undefined,float-cast-overflow
        -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer)
    target_link_options(lumivane_options INTERFACE
        -fsanitize=address,undefined,float-cast-overflow)
endif()

# Every target may ask where the checkout's data lies; only the files that include the header
# name the checkout, so the rest of a build in another clone comes from the compiler cache.
# A Windows program run under Wine on the build machine sees the checkout on drive Z:; a path
# without the drive would be taken on the drive of whatever folder the program runs in.
if(WIN32 AND CMAKE_HOST_UNIX)
    set(LUMIVANE_CHECKOUT "Z:${PROJECT_SOURCE_DIR}")
else()
    set(LUMIVANE_CHECKOUT "${PROJECT_SOURCE_DIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/src/base/SourcePaths.h.in
    ${PROJECT_BINARY_DIR}/generated/base/SourcePaths.h @ONLY)
target_include_directories(lumivane_options INTERFACE ${PROJECT_BINARY_DIR}/generated)

# Qt's implicit conversions from and to 8-bit strings would pick an encoding silently.
add_library(lumivane_qt_options INTERFACE)
target_link_libraries(lumivane_qt_options INTERFACE lumivane_options)
target_compile_definitions(lumivane_qt_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)
