# The installed layout that the programs and other chess GUIs rely on, checked by installing the
# build into a scratch folder under another prefix than the configured one:
#   - the game and the engine share one folder, since the game looks for its engine beside itself;
#   - the engine's plugin file names that engine by its installed path, and says UCI chess.
# Only the folders that hold install rules are run, so the build's install_manifest.txt (which
# `make uninstall` reads) stays as it was.
# Run with -DBUILD_DIR=<build folder> -DSCRATCH=<scratch folder> -DBINDIR=<CMAKE_INSTALL_BINDIR>
# -DDATADIR=<CMAKE_INSTALL_DATADIR>.

set(prefix "/opt/zugwerk-install-check")
file(REMOVE_RECURSE "${SCRATCH}")
foreach(folder app uci desktop)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${SCRATCH}"
                "${CMAKE_COMMAND}" "-DCMAKE_INSTALL_PREFIX=${prefix}" -P "${BUILD_DIR}/${folder}/cmake_install.cmake"
        RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "installing ${folder} failed: ${status}")
    endif()
endforeach()

foreach(dir BINDIR DATADIR)
    if(NOT IS_ABSOLUTE "${${dir}}")
        set(${dir} "${prefix}/${${dir}}")
    endif()
endforeach()

foreach(program zugwerk zugwerk-engine)
    if(NOT EXISTS "${SCRATCH}${BINDIR}/${program}")
        message(FATAL_ERROR "${program} is not installed in ${BINDIR}")
    endif()
endforeach()

set(plugin "${SCRATCH}${DATADIR}/games/plugins/uci/zugwerk-engine.eng")
if(NOT EXISTS "${plugin}")
    message(FATAL_ERROR "no engine plugin file at ${plugin}")
endif()
file(STRINGS "${plugin}" lines)
set(expected "plugin spec 0.0;${BINDIR}/zugwerk-engine;chess")
if(NOT lines STREQUAL expected)
    message(FATAL_ERROR "the engine plugin file reads\n  ${lines}\ninstead of\n  ${expected}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
