# Writes the build date into the file OUT as an assembler line, touching the file only when
# the date changed, so a build relinks the deliverables once a day at most.
# string(TIMESTAMP) honours SOURCE_DATE_EPOCH, so reproducible builds get a fixed date.
string(TIMESTAMP date "%Y-%m-%d" UTC)
set(content "    .asciz \"${date}\"\n")
set(old "")
if(EXISTS "${OUT}")
    file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${OUT}" "${content}")
endif()
