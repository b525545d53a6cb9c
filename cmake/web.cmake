# The browser build: the same sources, compiled by emscripten against the
# WebAssembly SDL libraries that scripts/web-deps.sh builds, and linked into
# a page with the pictures, sounds, word files and fonts preloaded beside it.

set(LEXIRAMA_WEB_DEPS "/var/cache/lexirama/web-deps" CACHE PATH "Prefix of the WebAssembly SDL libraries")
set(LEXIRAMA_WEB_PRELOAD "${CMAKE_BINARY_DIR}/preload" CACHE PATH
    "Files the program finds beside itself (datas/, ats/, polices/), copied from a desktop build")

# Compiled and linked with exceptions: the program reports its failures by them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Named by path: emcc takes -lSDL2_mixer and friends for its own ports, which it downloads.
add_library(lexirama_web_sdl INTERFACE)
target_include_directories(lexirama_web_sdl SYSTEM INTERFACE ${LEXIRAMA_WEB_DEPS}/include
                                                              ${LEXIRAMA_WEB_DEPS}/include/SDL2)
foreach(archive SDL2_mixer SDL2_ttf freetype SDL2_image SDL2)
  target_link_libraries(lexirama_web_sdl INTERFACE ${LEXIRAMA_WEB_DEPS}/lib/lib${archive}.a)
endforeach()

# The page opens as index.html and starts the program at the player's first
# click, the gesture browsers ask for before they play any sound.
function(lexirama_web_page target)
  set(web ${PROJECT_SOURCE_DIR}/platform/web)
  # In a file: CMake would mangle the $ of these names on the command line.
  set(fonctions ${CMAKE_CURRENT_BINARY_DIR}/fonctions-js.rsp)
  file(WRITE ${fonctions} "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=[\"$autoResumeAudioContext\",\"$dynCall\"]\n")
  file(GLOB_RECURSE preloaded CONFIGURE_DEPENDS ${LEXIRAMA_WEB_PRELOAD}/*)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME index SUFFIX .html
                        LINK_DEPENDS "${web}/page.html;${web}/pre.js;${preloaded}")
  target_link_options(${target} PRIVATE
    # The program waits inside nested loops, as on the desktop; Asyncify lets
    # each wait hand the browser back its turn.
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=262144
    -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sINVOKE_RUN=0 -sEXPORTED_RUNTIME_METHODS=ccall
    -lidbfs.js "@${fonctions}"
    # Debian's emcc calls its HTML minifier wrongly in optimised builds.
    -sMINIFY_HTML=0
    --shell-file ${web}/page.html --pre-js ${web}/pre.js
    --preload-file ${LEXIRAMA_WEB_PRELOAD}@/)
endfunction()
