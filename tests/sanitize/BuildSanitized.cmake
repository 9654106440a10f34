# Configures and builds the sanitized core: cmake -DSOURCE_DIR= -DBINARY_DIR= -DGENERATOR=
# -DCOMPILER= -DFUZZERS= -P BuildSanitized.cmake. A second run only rebuilds what changed.

set(flags "-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all")
if(FUZZERS)
    # Coverage feedback for the fuzzers reaches into the game's own libraries.
    string(APPEND flags " -fsanitize=fuzzer-no-link")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
        -DCMAKE_BUILD_TYPE=Debug
        -DCMAKE_CXX_COMPILER=${COMPILER}
        -DCMAKE_CXX_FLAGS=${flags}
        -DZUNBARIO_GUI=OFF
        -DZUNBARIO_SANITIZED_BUILD=ON
    RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
    message(FATAL_ERROR "The sanitized build could not be configured")
endif()

cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} -j ${cores}
    RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "The sanitized build failed")
endif()
