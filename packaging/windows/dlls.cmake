# Install step: copies the DLLs the programs and plugins import, followed through the import
# tables, from the Qt and compiler folders, stripped. What is not found there must be part of
# Windows itself; a Qt or MinGW DLL left unresolved is an error, not a setup that fails to
# start on the rater's PC.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${objdump})
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${programme}
  LIBRARIES ${plugins}
  DIRECTORIES ${dllordner}
  RESOLVED_DEPENDENCIES_VAR gefunden
  UNRESOLVED_DEPENDENCIES_VAR fehlend
  POST_INCLUDE_REGEXES "^.*/([Qq][Tt]6|[Ll][Ii][Bb])[^/]*\\.[Dd][Ll][Ll]$"
  POST_EXCLUDE_REGEXES ".*")
foreach(name IN LISTS fehlend)
  string(TOLOWER "${name}" klein)
  if(klein MATCHES "^(qt6|lib)")
    message(FATAL_ERROR "${name} not found in ${dllordner}")
  endif()
endforeach()
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(dll IN LISTS gefunden)
  get_filename_component(name ${dll} NAME)
  message(STATUS "Installing: ${ziel}/${name}")
  file(COPY_FILE ${dll} ${ziel}/${name} ONLY_IF_DIFFERENT)
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${strip} --strip-unneeded ${ziel}/${name} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
