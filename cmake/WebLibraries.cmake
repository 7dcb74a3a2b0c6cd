# The browser build's libraries: SDL2 and the libraries over it, and Ogg Vorbis, built for emscripten by
# tools/web/build-libs.sh into YORUN_WEB_LIBS. They take the names the desktop build's packages give, so the
# rooms link the same targets on either system.
set(YORUN_WEB_LIBS "" CACHE PATH "Where tools/web/build-libs.sh put the browser's libraries")
if(NOT EXISTS "${YORUN_WEB_LIBS}/lib/libSDL2.a")
    message(FATAL_ERROR "No browser libraries in '${YORUN_WEB_LIBS}': run tools/web/build-libs.sh first")
endif()

function(yorun_web_library target)
    cmake_parse_arguments(LIBRARY "" "" "INCLUDES;ARCHIVES;OPTIONS" ${ARGN})
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    list(TRANSFORM LIBRARY_ARCHIVES PREPEND "${YORUN_WEB_LIBS}/lib/")
    list(TRANSFORM LIBRARY_INCLUDES PREPEND "${YORUN_WEB_LIBS}/include")
    set_target_properties(${target} PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${LIBRARY_INCLUDES}"
        INTERFACE_LINK_LIBRARIES "${LIBRARY_ARCHIVES}"
        INTERFACE_LINK_OPTIONS "${LIBRARY_OPTIONS}")
endfunction()

# SDL without threads; the two JavaScript helpers its audio and its callbacks call, which emscripten's own
# port of SDL would pull in itself.
# (The list goes through a file: a "$" on the link line would meet the shell.)
set(YORUN_SDL_HELPERS ${CMAKE_BINARY_DIR}/sdl-helpers.json)
file(WRITE ${YORUN_SDL_HELPERS} "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
yorun_web_library(SDL2::SDL2 INCLUDES /SDL2 ARCHIVES libSDL2.a
    OPTIONS "SHELL:-s DEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${YORUN_SDL_HELPERS}")
yorun_web_library(SDL2_image::SDL2_image INCLUDES /SDL2 ARCHIVES libSDL2_image.a)
yorun_web_library(SDL2_ttf::SDL2_ttf INCLUDES /SDL2 ARCHIVES libSDL2_ttf.a libfreetype.a)
yorun_web_library(PkgConfig::VORBISFILE INCLUDES / ARCHIVES libvorbisfile.a libvorbis.a libogg.a)
# glm is headers only; the script copies the system's into the prefix, away from the system's other headers.
yorun_web_library(glm::glm INCLUDES /)
# One thread: linking Threads would turn on emscripten's pthreads, which need an isolated page.
add_library(Threads::Threads INTERFACE IMPORTED GLOBAL)
