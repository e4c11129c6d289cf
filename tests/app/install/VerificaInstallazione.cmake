# Installs the build tree into a fresh prefix and checks that every file is in its place and
# that the installed program finds the installed library.
# Variables: BUILD (build tree), PREFIX (a scratch folder, emptied first), LIBDIR, BINDIR, DATADIR.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${esito}):\n${uscita}\n${errori}")
endif()

set(attesi
  "${BINDIR}/Trevon-SL"
  "${BINDIR}/DalvexQOR.DEF"
  "${BINDIR}/AppuntiSL.pdf"
  "${BINDIR}/informazioni.html"
  "${LIBDIR}/libQOR_TRVSL10.so"
  "include/QOR_TRVSL10.h"
  "${DATADIR}/applications/trevon-sl.desktop"
  "${DATADIR}/icons/hicolor/scalable/apps/trevon-sl.svg"
  "${DATADIR}/mime/packages/trevon-sl-mime.xml")
set(mancanti "")
foreach(f IN LISTS attesi)
  if(NOT EXISTS "${PREFIX}/${f}" OR IS_DIRECTORY "${PREFIX}/${f}")
    list(APPEND mancanti "${f}")
  endif()
endforeach()
if(mancanti)
  message(FATAL_ERROR "Not installed: ${mancanti}")
endif()

file(SIZE "${PREFIX}/${BINDIR}/AppuntiSL.pdf" dimensione)
if(dimensione LESS 1000)
  message(FATAL_ERROR "AppuntiSL.pdf is only ${dimensione} bytes")
endif()

file(READ "${PREFIX}/${DATADIR}/applications/trevon-sl.desktop" voce)
foreach(riga "Type=Application" "Exec=Trevon-SL %f" "Icon=trevon-sl" "Name=Trevon-SL"
        "MimeType=application/x-trevon-calcolo;")
  string(FIND "${voce}" "${riga}\n" trovata)
  if(trovata LESS 0)
    message(FATAL_ERROR "The desktop entry lacks \"${riga}\"")
  endif()
endforeach()

file(READ "${PREFIX}/${DATADIR}/mime/packages/trevon-sl-mime.xml" tipo)
foreach(riga "type=\"application/x-trevon-calcolo\"" "<glob pattern=\"*.trv\"/>")
  string(FIND "${tipo}" "${riga}" trovata)
  if(trovata LESS 0)
    message(FATAL_ERROR "The MIME type lacks ${riga}")
  endif()
endforeach()

file(READ "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/trevon-sl.svg" icona)
string(FIND "${icona}" "<svg" inizio)
if(inizio LESS 0)
  message(FATAL_ERROR "The icon is not an SVG picture")
endif()

# The installed program loads the installed library, not the one of the build tree.
execute_process(COMMAND ldd "${PREFIX}/${BINDIR}/Trevon-SL" OUTPUT_VARIABLE collegamenti RESULT_VARIABLE esito)
string(REGEX MATCH "libQOR_TRVSL10[^\n]*=> ([^ \n]*)" _ "${collegamenti}")
file(REAL_PATH "${PREFIX}/${LIBDIR}" cartellaLib)
get_filename_component(trovata "${CMAKE_MATCH_1}" DIRECTORY)
if(trovata)
  file(REAL_PATH "${trovata}" trovata)
endif()
if(NOT trovata STREQUAL cartellaLib)
  message(FATAL_ERROR "The installed program finds the library in \"${trovata}\", not in \"${cartellaLib}\":\n${collegamenti}")
endif()
message(STATUS "Installed into ${PREFIX}: every file in place")
