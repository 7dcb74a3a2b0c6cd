# Compiles a one-line file that includes a header, with nothing but one room's view on the include path, and
# checks that the header is found (sees) or not found at all (misses).
function(expect room header outcome)
    set(probe ${WORK}/include_probe.cpp)
    file(WRITE ${probe} "#include \"${header}\"\n")
    execute_process(
        COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${ROOMS}/${room} ${probe}
        RESULT_VARIABLE result
        ERROR_VARIABLE errors)
    string(FIND "${errors}" "${header}: No such file" missing)
    if(outcome STREQUAL "sees" AND NOT result EQUAL 0)
        message(SEND_ERROR "${room} should see ${header}:\n${errors}")
    elseif(outcome STREQUAL "misses" AND (result EQUAL 0 OR missing EQUAL -1))
        message(SEND_ERROR "${room} should not see ${header}, but ${errors}")
    else()
        message(STATUS "${room} ${outcome} ${header}")
    endif()
endfunction()

# Its own room and the rooms below that it builds on.
expect(corvane_base base/ErrorReport.h sees)
expect(corvane_base platform/desktop/MessageBox.h sees)
expect(platform_events platform/input/InputLatch.h sees)
expect(game app/Application.h sees)
# A room above.
expect(corvane_base app/Application.h misses)
expect(corvane_app sprite/Sprite.h misses)
expect(platform_input platform/events/Message.h misses)
# A room below that it does not build on: the sound library needs nothing of the application or the video.
expect(dix app/Application.h misses)
expect(dix platform/video/Device.h misses)
expect(corvane_base platform/video/Device.h misses)
