# Building with Emscripten (`emcmake cmake ...`, scripts/web.sh): the core, the session,
# zarkel-cli and the core and session suites as WebAssembly for node, and the page's module for
# the browser (web/).

# The core reports every failure by throwing. Emscripten leaves C++ exceptions off unless asked,
# and then the first throw aborts the program, so they are on at compile and at link time alike.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# A program that node runs as a command on the machine's real files: zarkel-cli and the suites.
function(zarkel_node_program target)
  target_link_options(${target} PRIVATE
    -sENVIRONMENT=node
    # The real file system through node, instead of one in memory.
    -sNODERAWFS=1
    # Flushes stdout and stderr when main returns; without it a last line that lacks its
    # newline is lost.
    -sEXIT_RUNTIME=1
    # The loader of this Emscripten reads the wasm file with fetch when it finds one, and node's
    # own fetch cannot take a file path: compiling synchronously reads it from the disk instead.
    -sWASM_ASYNC_COMPILATION=0
    -sALLOW_MEMORY_GROWTH=1)
endfunction()

# Optimised for size: the page's module is what a visitor downloads before anything opens, and
# -Oz makes its wasm a fifth smaller after gzip than -O3 (142 KB against 176 KB).
string(REPLACE "-O3" "-Oz" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
