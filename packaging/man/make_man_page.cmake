# cmake -DHELP2MAN=... -DPROGRAM=... -DSUMMARY=... -DINCLUDE=... -DOUTPUT=... -P make_man_page.cmake
# A man page from PROGRAM's --help and --version, with each usage line of the command
# table kept on a line of its own rather than filled into one paragraph. A sanitizer
# build's leak report at exit (Qt's own) must not fail the build.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          ${HELP2MAN} --no-info --section=1 --name=${SUMMARY} --include=${INCLUDE} ${PROGRAM}
  OUTPUT_VARIABLE page
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed on ${PROGRAM}")
endif()
string(REGEX REPLACE "\n(kwprog\\\\-cli [^\n]*)" "\n.br\n\\1" page "${page}")
file(WRITE ${OUTPUT} "${page}")
