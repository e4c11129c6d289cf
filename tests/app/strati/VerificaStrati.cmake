# Compiles one-line sources with the include path a layer's target has: its own headers and
# those below it are found, a header of a layer above is not.
#   -DCOMPILATORE=... -DINCLUSIONI=<dirs separated by |> -DSTRATO=<name> -DAMMESSI=<headers|...>
#   -DVIETATI=<headers|...> -DLAVORO=<scratch folder>
string(REPLACE "|" ";" inclusioni "${INCLUSIONI}")
string(REPLACE "|" ";" ammessi "${AMMESSI}")
string(REPLACE "|" ";" vietati "${VIETATI}")
set(argomenti)
foreach(d IN LISTS inclusioni)
  list(APPEND argomenti "-I${d}")
endforeach()
file(MAKE_DIRECTORY "${LAVORO}")

function(prova intestazione esito_var messaggio_var)
  string(MAKE_C_IDENTIFIER "${intestazione}" nome)
  set(sorgente "${LAVORO}/${STRATO}_${nome}.cpp")
  file(WRITE "${sorgente}" "#include \"${intestazione}\"\n")
  execute_process(COMMAND "${COMPILATORE}" -std=c++17 -fPIC -fsyntax-only ${argomenti} "${sorgente}"
                  RESULT_VARIABLE esito ERROR_VARIABLE messaggio)
  set(${esito_var} "${esito}" PARENT_SCOPE)
  set(${messaggio_var} "${messaggio}" PARENT_SCOPE)
endfunction()

foreach(h IN LISTS ammessi)
  prova("${h}" esito messaggio)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "${STRATO}: ${h} should build:\n${messaggio}")
  endif()
endforeach()
foreach(h IN LISTS vietati)
  prova("${h}" esito messaggio)
  if(esito EQUAL 0 OR NOT messaggio MATCHES "No such file or directory")
    message(FATAL_ERROR "${STRATO}: ${h} is an upper layer's header and must not be found:\n${messaggio}")
  endif()
endforeach()
message(STATUS "${STRATO}: ${AMMESSI} found; ${VIETATI} not found")
