# Install step: copies the DLLs the programs and plugins import, followed through their
# import tables (objdump -p), from the Qt and compiler folders, stripped. Windows matches
# DLL names without regard to case, so the lookup does too. What is not found there must
# be part of Windows itself; a Qt or MinGW DLL left unresolved is an error, not a setup
# that fails to start on the rater's PC.
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST) in an install script
foreach(ordner IN LISTS dllordner)
  file(GLOB dateien "${ordner}/*.dll")
  foreach(datei IN LISTS dateien)
    get_filename_component(name "${datei}" NAME)
    string(TOLOWER "${name}" klein)
    if(NOT DEFINED "pfad_${klein}")
      set("pfad_${klein}" "${datei}")
    endif()
  endforeach()
endforeach()

set(offen ${programme} ${plugins})
set(gefunden "")
while(offen)
  list(POP_FRONT offen datei)
  execute_process(COMMAND ${objdump} -p "${datei}" OUTPUT_VARIABLE kopf
    COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" namen "${kopf}")
  foreach(zeile IN LISTS namen)
    string(REPLACE "DLL Name: " "" name "${zeile}")
    string(TOLOWER "${name}" klein)
    if(DEFINED "pfad_${klein}")
      if(NOT "${pfad_${klein}}" IN_LIST gefunden)
        list(APPEND gefunden "${pfad_${klein}}")
        list(APPEND offen "${pfad_${klein}}")
      endif()
    elseif(klein MATCHES "^(qt6|lib)")
      message(FATAL_ERROR "${name} not found in ${dllordner}")
    endif()
  endforeach()
endwhile()

set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(dll IN LISTS gefunden)
  get_filename_component(name ${dll} NAME)
  message(STATUS "Installing: ${ziel}/${name}")
  file(COPY_FILE ${dll} ${ziel}/${name} ONLY_IF_DIFFERENT)
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${strip} --strip-unneeded ${ziel}/${name} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
cmake_policy(POP)
