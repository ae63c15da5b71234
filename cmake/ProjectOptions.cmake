# One interface target carries the language level, the warning set and the
# sanitizer flags; every target of the project links it.
add_library(velluno_options INTERFACE)
target_compile_features(velluno_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(velluno_options INTERFACE
    -Wall -Wextra -Wpedantic -Woverloaded-virtual -Wnon-virtual-dtor)
target_compile_definitions(velluno_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_USE_QSTRINGBUILDER)
target_include_directories(velluno_options INTERFACE "${PROJECT_SOURCE_DIR}")

if(VELLUNO_SANITIZE)
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    target_compile_options(velluno_options INTERFACE ${sanitizer_flags})
    target_link_options(velluno_options INTERFACE ${sanitizer_flags})
endif()
