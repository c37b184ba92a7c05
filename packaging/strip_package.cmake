# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging tree before it builds the .deb: strips the
# programs as Debian's dh_strip does, the .comment and .note sections too.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programs)
    message(FATAL_ERROR "no programs under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
