# Cross builds for Windows: tests and build-time checks run the programs under Wine.
if(NOT (WIN32 AND CMAKE_CROSSCOMPILING))
  return()
endif()

set(wineprefix_vorgabe ${CMAKE_BINARY_DIR}/wine)
execute_process(COMMAND test -d /var/cache/morvanto -a -w /var/cache/morvanto
  RESULT_VARIABLE nicht_beschreibbar)
if(NOT nicht_beschreibbar)
  # Made once per machine (6 s and 700 MB): fresh clones, CI's included, reuse it.
  set(wineprefix_vorgabe /var/cache/morvanto/wine-tests)
endif()
set(MORVANTO_WINEPREFIX ${wineprefix_vorgabe} CACHE PATH "Wine prefix of the tests")

# Where Windows would look for the DLLs: Qt's bin folder and the compiler's runtime.
set(wineordner)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE pfad OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(pfad ${pfad} REALPATH)
  get_filename_component(ordner ${pfad} DIRECTORY)
  list(APPEND wineordner ${ordner})
endforeach()
list(APPEND wineordner ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
list(REMOVE_DUPLICATES wineordner)
set(MORVANTO_DLL_ORDNER ${wineordner})
list(TRANSFORM wineordner PREPEND "Z:")
list(TRANSFORM wineordner REPLACE "/" "\\\\")
list(JOIN wineordner ";" MORVANTO_WINEPATH)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine.sh)
