# Configures and builds the calculation core and the number text alone, with Qt switched off: they must need
# nothing but the standard library. Run as: cmake -DSOURCE=<dir> -DBINARY=<dir> -P BuildWithoutQt.cmake
foreach(step
        "${CMAKE_COMMAND};-S;${SOURCE};-B;${BINARY};-G;Ninja;-DZELTA_WITH_QT=OFF;-DZELTA_BUILD_TESTS=OFF;-DZELTA_BUILD_BENCH=OFF"
        "${CMAKE_COMMAND};--build;${BINARY}")
    execute_process(COMMAND ${step} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "building without Qt failed")
    endif()
endforeach()
