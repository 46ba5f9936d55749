# Run by CPack on its staging copy, before the package is made (and before the debug
# information is split off): removes the compiler's .comment section from the programs, which
# tells only which compiler built them.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    message(FATAL_ERROR "no staging folder: '${CPACK_TEMPORARY_INSTALL_DIRECTORY}'")
endif()
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
find_program(OBJCOPY objcopy REQUIRED)
foreach(program IN LISTS programs)
    file(READ "${program}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")  # an ELF file, not the launcher script
        execute_process(COMMAND ${OBJCOPY} --remove-section=.comment "${program}"
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "objcopy --remove-section=.comment ${program}: ${result}")
        endif()
    endif()
endforeach()
