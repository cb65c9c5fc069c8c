# Writes a compressed manual page from a program's --help text.
# -DPROGRAM=path -DNAME=name -DSUMMARY=text -DVERSION=x.y.z -DOUTPUT=page.1.gz
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        QT_LOGGING_RULES=default.warning=false ${PROGRAM} --help
    OUTPUT_VARIABLE help ERROR_VARIABLE help_error RESULT_VARIABLE status)
string(APPEND help "${help_error}")
if(NOT status EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${NAME} --help gave status ${status}")
endif()
if(NOT help MATCHES "\n$")
    string(APPEND help "\n")
endif()
# roff: a backslash is written \e, a line may not begin with a control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")
set(page ".TH ${NAME} 1 \"\" \"Grafyon ${VERSION}\" \"User Commands\"
.SH NAME
${name_escaped} \\- ${SUMMARY}
.SH DESCRIPTION
.nf
${help}.fi
.SH SEE ALSO
.BR Grafyon (1)
")
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
string(REGEX REPLACE "\\.gz$" "" plain ${OUTPUT})
file(WRITE ${plain} "${page}")
execute_process(COMMAND gzip -9n -f ${plain} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${plain}")
endif()
