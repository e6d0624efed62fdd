# Settings shared by every target of the project.
add_library(spinfolio_settings INTERFACE)
target_compile_features(spinfolio_settings INTERFACE cxx_std_20)
target_compile_options(spinfolio_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Wshadow)
if(SPINFOLIO_WERROR)
  target_compile_options(spinfolio_settings INTERFACE -Werror)
endif()
target_compile_definitions(spinfolio_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)
set(CMAKE_CXX_EXTENSIONS OFF)
