# cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P Gzip.cmake
# Compresses as Debian's tools do: best compression, no file name or time stamp in the
# header, so the same input always gives the same bytes.
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND gzip -9 -n -c "${INPUT}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "gzip ${INPUT}: ${result}")
endif()
