# Installs the current build into a scratch prefix, then builds
# examples/consumer against that prefix twice -- through find_package(Tolven)
# and through pkg-config -- and runs both programs without a display.
#
#   cmake -DTOLVEN_SOURCE_DIR=... -DTOLVEN_BINARY_DIR=... -DWORK_DIR=...
#         [-DCXX=...] [-DGENERATOR=...] [-DCONFIG=...] -P install_test.cmake
cmake_minimum_required(VERSION 3.18)

foreach(var TOLVEN_SOURCE_DIR TOLVEN_BINARY_DIR WORK_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "install_test: ${var} is not set")
  endif()
endforeach()
if(NOT CXX)
  set(CXX c++)
endif()

set(example ${TOLVEN_SOURCE_DIR}/examples/consumer)
set(prefix ${WORK_DIR}/prefix)
set(expected "Hello from Application/Button\n")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(check_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}:\n  expected [${expected}]\n  got      [${actual}]")
  endif()
endfunction()

# Runs a command; stops the test with its output when it fails.
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
endfunction()

# The README shows the example verbatim; a change to one must reach the other.
file(READ ${TOLVEN_SOURCE_DIR}/README.md readme)
foreach(f main.cpp CMakeLists.txt hello.catalog)
  file(READ ${example}/${f} text)
  string(FIND "${readme}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "README.md does not show examples/consumer/${f} as it is")
  endif()
endforeach()

# --- install ---------------------------------------------------------------
set(config_args)
if(CONFIG)
  set(config_args --config ${CONFIG})
endif()
run("cmake --install" ${CMAKE_COMMAND} --install ${TOLVEN_BINARY_DIR} --prefix ${prefix} ${config_args})

load_cache(${TOLVEN_BINARY_DIR} READ_WITH_PREFIX build_ CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_INCLUDEDIR)
set(libdir ${prefix}/${build_CMAKE_INSTALL_LIBDIR})
set(includedir ${prefix}/${build_CMAKE_INSTALL_INCLUDEDIR})

foreach(f ${libdir}/libTOLVEN.so.0 ${libdir}/cmake/Tolven/TolvenConfig.cmake
          ${libdir}/cmake/Tolven/TolvenConfigVersion.cmake ${libdir}/cmake/Tolven/TolvenTargets.cmake
          ${libdir}/pkgconfig/tolven.pc)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(NOT IS_SYMLINK ${libdir}/libTOLVEN.so)
  message(FATAL_ERROR "${libdir}/libTOLVEN.so is not the development link to the versioned library")
endif()

# Programs bind to the SONAME, so it must carry the major version only.
find_program(READELF readelf)
if(READELF)
  execute_process(COMMAND ${READELF} -d ${libdir}/libTOLVEN.so.0 OUTPUT_VARIABLE dyn RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT dyn MATCHES "Library soname: \\[libTOLVEN\\.so\\.0\\]")
    message(FATAL_ERROR "libTOLVEN.so.0 has no SONAME libTOLVEN.so.0:\n${dyn}")
  endif()
endif()

# Exactly the public headers: letter headers (*/src) are private.
set(want)
foreach(layer host dialog)
  file(GLOB headers RELATIVE ${TOLVEN_SOURCE_DIR} ${TOLVEN_SOURCE_DIR}/${layer}/*.h)
  list(APPEND want ${headers})
endforeach()
file(GLOB_RECURSE got RELATIVE ${includedir}/tolven ${includedir}/tolven/*)
list(SORT want)
list(SORT got)
check_equal("headers installed under ${includedir}/tolven" "${got}" "${want}")

# --- find_package(Tolven) --------------------------------------------------
set(gen_args)
if(GENERATOR)
  set(gen_args -G ${GENERATOR})
endif()
set(cmake_build ${WORK_DIR}/consumer-cmake)
run("configuring examples/consumer" ${CMAKE_COMMAND} -S ${example} -B ${cmake_build} ${gen_args}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix})
load_cache(${cmake_build} READ_WITH_PREFIX consumer_ Tolven_DIR)
get_filename_component(found_dir "${consumer_Tolven_DIR}" REALPATH)
get_filename_component(want_dir "${libdir}/cmake/Tolven" REALPATH)
check_equal("package directory found by find_package(Tolven)" "${found_dir}" "${want_dir}")
run("building examples/consumer" ${CMAKE_COMMAND} --build ${cmake_build})

# Runs a consumer without a display and checks its exit status and output.
function(check_program what program expect_rc expect_out expect_err)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY ${ARGN} ${program}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  check_equal("${what}: exit status" "${rc}" "${expect_rc}")
  check_equal("${what}: standard output" "${out}" "${expect_out}")
  check_equal("${what}: standard error" "${err}" "${expect_err}")
endfunction()

check_program("hello (find_package)" ${cmake_build}/hello 0 "${expected}" ""
  TOLVEN_CATALOG_PATH=${example})
# The greeting comes from the catalog: without it the program must say so and fail.
file(MAKE_DIRECTORY ${WORK_DIR}/empty)
check_program("hello without its catalog" ${cmake_build}/hello 1 "" "cannot find catalog hello.catalog\n"
  TOLVEN_CATALOG_PATH=${WORK_DIR}/empty)

# The program must run against the installed library, not the build tree's.
find_program(LDD ldd)
if(LDD)
  execute_process(COMMAND ${LDD} ${cmake_build}/hello OUTPUT_VARIABLE deps)
  string(REGEX MATCH "libTOLVEN\\.so\\.0 => ([^ ]+)" _ "${deps}")
  get_filename_component(loaded "${CMAKE_MATCH_1}" DIRECTORY)
  get_filename_component(loaded "${loaded}" REALPATH)
  get_filename_component(want_lib "${libdir}" REALPATH)
  check_equal("directory hello loads libTOLVEN.so.0 from" "${loaded}" "${want_lib}")
endif()

# --- pkg-config ------------------------------------------------------------
find_program(PKG_CONFIG NAMES pkg-config pkgconf)
if(NOT PKG_CONFIG)
  message(FATAL_ERROR "pkg-config is not installed (scripts/deps installs it)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
  ${PKG_CONFIG} --cflags --libs tolven
  RESULT_VARIABLE rc OUTPUT_VARIABLE pc_flags ERROR_VARIABLE err OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pkg-config --cflags --libs tolven failed:\n${err}")
endif()
foreach(flag "-I${includedir}/tolven/host" "-I${includedir}/tolven/dialog" "-L${libdir}" "-lTOLVEN")
  string(FIND " ${pc_flags} " " ${flag} " at)
  if(at EQUAL -1)
    message(FATAL_ERROR "pkg-config flags lack ${flag}: ${pc_flags}")
  endif()
endforeach()
separate_arguments(pc_args UNIX_COMMAND "${pc_flags}")
run("compiling examples/consumer/main.cpp with pkg-config flags"
  ${CXX} -std=c++17 ${example}/main.cpp ${pc_args} -o ${WORK_DIR}/hello-pc)
check_program("hello (pkg-config)" ${WORK_DIR}/hello-pc 0 "${expected}" ""
  TOLVEN_CATALOG_PATH=${example} LD_LIBRARY_PATH=${libdir})

message(STATUS "install_test: installed into ${prefix}; both consumer builds run")
