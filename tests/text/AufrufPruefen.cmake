# Runs orvanto-text once and compares its exit code, standard output and standard error with
# the expected ones.
#   PROGRAMM   the program          ARGUMENTE  its arguments, separated by "|"
#   CODE       the exit code        ERWARTET   the expected files without extension: .out, .err
#   ORDNER     working folder       NUR_ANFANG when set, .err need only be the start of the error
#                                              output (the usage text follows)
#   EMULATOR   what runs the program, separated by "|" (wine for a Windows program), or empty
#   CRLF       when set, the program ends its lines with CRLF (Windows), compared as LF
string(REPLACE "|" ";" Argumente "${ARGUMENTE}")
string(REPLACE "|" ";" Emulator "${EMULATOR}")
execute_process(COMMAND ${Emulator} "${PROGRAMM}" ${Argumente}
                WORKING_DIRECTORY "${ORDNER}"
                OUTPUT_VARIABLE Aus ERROR_VARIABLE Fehler RESULT_VARIABLE Code)
if(CRLF)
  string(REPLACE "\r\n" "\n" Aus "${Aus}")
  string(REPLACE "\r\n" "\n" Fehler "${Fehler}")
endif()

set(ErwAus "")
set(ErwFehler "")
if(EXISTS "${ERWARTET}.out")
  file(READ "${ERWARTET}.out" ErwAus)
endif()
if(EXISTS "${ERWARTET}.err")
  file(READ "${ERWARTET}.err" ErwFehler)
endif()

set(Fehlschlag "")
if(NOT Code STREQUAL CODE)
  string(APPEND Fehlschlag "exit code ${Code}, expected ${CODE}\n")
endif()
if(NOT Aus STREQUAL ErwAus)
  string(APPEND Fehlschlag "standard output:\n${Aus}\nexpected:\n${ErwAus}\n")
endif()
if(NUR_ANFANG)
  string(FIND "${Fehler}" "${ErwFehler}" Stelle)
  if(NOT Stelle EQUAL 0 OR ErwFehler STREQUAL "")
    string(APPEND Fehlschlag "standard error:\n${Fehler}\nexpected to start with:\n${ErwFehler}\n")
  endif()
elseif(NOT Fehler STREQUAL ErwFehler)
  string(APPEND Fehlschlag "standard error:\n${Fehler}\nexpected:\n${ErwFehler}\n")
endif()
if(Fehlschlag)
  message(FATAL_ERROR "orvanto-text ${Argumente}\n${Fehlschlag}")
endif()
