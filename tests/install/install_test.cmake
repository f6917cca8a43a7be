# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks of the installed program, run by ctest as `cmake -P` with
#   CHECK     tree | render_from_anywhere | render_prefers_working_directory |
#             render_data_dirs | package | lintian
#   BUILD_DIR the build tree, PREFIX the temporary install prefix, WORK a
#   scratch folder, EXPECTED the list of installed files, TABLE the profile
#   table of the source tree, VERSION the program's version.
cmake_minimum_required(VERSION 3.25)

set(_message "KATJO-D20G15.txt dosyası bulunamadı")

# Every regular file under `root`, relative to it, sorted.
function(list_files root out)
  file(GLOB_RECURSE _files LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  list(SORT _files)
  set(${out} "${_files}" PARENT_SCOPE)
endfunction()

function(expect_equal_lists what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    string(REPLACE ";" "\n  " _a "${actual}")
    string(REPLACE ";" "\n  " _e "${expected}")
    message(FATAL_ERROR "${what} differ.\nfound:\n  ${_a}\nexpected:\n  ${_e}")
  endif()
endfunction()

# The row of the table that holds (0.12, 0.04), counted from 1, and its Eps.
function(expected_row out_row out_eps)
  file(STRINGS ${TABLE} _lines)
  set(_index 0)
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "^0\\.12,0\\.04,([^,]+),")
      math(EXPR _row "${_index} - 1")  # a title line and the count come first
      set(${out_row} ${_row} PARENT_SCOPE)
      set(${out_eps} ${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
    math(EXPR _index "${_index} + 1")
  endforeach()
  message(FATAL_ERROR "${TABLE} has no row for delta 0.12, gamma 0.04")
endfunction()

# Runs `program --delta 0.12 --gamma 0.04 --json` in `folder` with the data
# folders of the desktop set to `data_home` and `data_dirs`, and reads its
# summary: profile row, Eps and table (empty for null); `err` is its stderr.
# Further arguments go to the renderer too.
function(render program folder data_home data_dirs)
  file(MAKE_DIRECTORY ${folder})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${data_home} XDG_DATA_DIRS=${data_dirs}
            ${program} --delta 0.12 --gamma 0.04 --json ${ARGN}
    WORKING_DIRECTORY ${folder}
    RESULT_VARIABLE _status OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "${program} in ${folder} ended with ${_status}:\n${_out}\n${_err}")
  endif()
  string(JSON _row_type TYPE "${_out}" profileRow)
  set(_row 0)
  if(_row_type STREQUAL "NUMBER")
    string(JSON _row GET "${_out}" profileRow)
  endif()
  string(JSON _eps GET "${_out}" Eps)
  string(JSON _table_type TYPE "${_out}" table)
  set(_table "")
  if(_table_type STREQUAL "STRING")
    string(JSON _table GET "${_out}" table)
  endif()
  set(row ${_row} PARENT_SCOPE)
  set(eps ${_eps} PARENT_SCOPE)
  set(table "${_table}" PARENT_SCOPE)
  set(err "${_err}" PARENT_SCOPE)
  message(STATUS "${program} in ${folder}: row ${_row}, Eps ${_eps}, table '${_table}' ${_err}")
endfunction()

function(expect name actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${name}: '${actual}', expected '${expected}'")
  endif()
endfunction()

set(_no_home ${WORK}/no-data-home)  # folders that do not exist: nothing is found there
set(_no_dirs ${WORK}/no-data-dir)
set(_installed_table ${PREFIX}/share/fluvenna/KATJO-D20G15.txt)

if(CHECK STREQUAL "tree")
  file(REMOVE_RECURSE ${PREFIX})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE _status OUTPUT_QUIET)
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "cmake --install ended with ${_status}")
  endif()
  list_files(${PREFIX} _installed)
  file(STRINGS ${EXPECTED} _expected)
  # The pictures' library's folder names the architecture.
  list(TRANSFORM _expected REPLACE "@FLUVENNA_PICTURES_INSTALL_DIR@" "${PICTURES_DIR}")
  list(SORT _expected)
  expect_equal_lists("The installed files" "${_installed}" "${_expected}")
  foreach(_file IN LISTS _installed)
    file(SIZE ${PREFIX}/${_file} _size)
    if(_size EQUAL 0)
      message(FATAL_ERROR "${_file} is empty")
    endif()
  endforeach()
  # The licence: GPL-3.0-or-later in the metadata, GPL-3+ in Debian's copyright file.
  file(READ ${PREFIX}/share/metainfo/org.example.Fluvenna.metainfo.xml _metainfo)
  if(NOT _metainfo MATCHES "<project_license>GPL-3\\.0-or-later</project_license>"
     OR NOT _metainfo MATCHES "<metadata_license>CC0-1\\.0</metadata_license>")
    message(FATAL_ERROR "the metadata does not name GPL-3.0-or-later and CC0-1.0")
  endif()
  file(READ ${PREFIX}/share/doc/fluvenna/copyright _copyright)
  if(NOT _copyright MATCHES "\nFiles: \\*\nCopyright: 2026 Fluvenna developers\nLicense: GPL-3\\+\n"
     OR NOT _copyright MATCHES "/usr/share/common-licenses/GPL-3")
    message(FATAL_ERROR "the copyright file does not grant GPL-3+:\n${_copyright}")
  endif()

elseif(CHECK STREQUAL "render_from_anywhere")
  # From an empty folder, with no table in the desktop's data folders: the
  # table next to the prefix is found.
  expected_row(_row _eps)
  file(REMOVE_RECURSE ${WORK}/empty)
  render(${PREFIX}/bin/fluvenna-render ${WORK}/empty ${_no_home} ${_no_dirs})
  expect("profile row" "${row}" "${_row}")
  expect("table" "${table}" "${_installed_table}")
  expect("warnings" "${err}" "")
  # The installed renderer finds its pictures' library from its own folder,
  # and a run that paints (which computes its pass before it starts the GUI)
  # the same table.
  render(${PREFIX}/bin/fluvenna-render ${WORK}/empty ${_no_home} ${_no_dirs} --png flow)
  if(NOT EXISTS ${WORK}/empty/flow-airfoil.png)
    message(FATAL_ERROR "the installed renderer wrote no picture: ${err}")
  endif()
  expect("profile row of a run that paints" "${row}" "${_row}")
  expect("table of a run that paints" "${table}" "${_installed_table}")
  expect("warnings of a run that paints" "${err}" "")

elseif(CHECK STREQUAL "render_prefers_working_directory")
  set(_folder ${WORK}/own-table)
  file(REMOVE_RECURSE ${_folder})
  file(WRITE ${_folder}/KATJO-D20G15.txt "a table of its own\n1\n0.12,0.04,0.25,0.05,0\n")
  render(${PREFIX}/bin/fluvenna-render ${_folder} ${_no_home} ${_no_dirs})
  expect("profile row" "${row}" "1")
  expect("Eps" "${eps}" "0.25")
  expect("table" "${table}" "${_folder}/KATJO-D20G15.txt")

elseif(CHECK STREQUAL "render_data_dirs")
  # The renderer alone, outside any prefix: the desktop's data folders come
  # next, then the message and the flat plate.
  set(_moved ${WORK}/moved/bin)
  file(REMOVE_RECURSE ${WORK}/moved)
  file(COPY ${PREFIX}/bin/fluvenna-render DESTINATION ${_moved})
  expected_row(_row _eps)
  render(${_moved}/fluvenna-render ${WORK}/empty-too ${_no_home} "${_no_dirs}:${PREFIX}/share")
  expect("profile row from XDG_DATA_DIRS" "${row}" "${_row}")
  expect("table from XDG_DATA_DIRS" "${table}" "${_installed_table}")
  render(${_moved}/fluvenna-render ${WORK}/empty-too ${PREFIX}/share ${_no_dirs})
  expect("table from XDG_DATA_HOME" "${table}" "${_installed_table}")
  render(${_moved}/fluvenna-render ${WORK}/empty-too ${_no_home} ${_no_dirs})
  expect("profile row without a table" "${row}" "0")
  expect("Eps without a table" "${eps}" "0")
  expect("table without a table" "${table}" "")
  string(FIND "${err}" "${_message}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "no table, but no message: '${err}'")
  endif()

elseif(CHECK STREQUAL "package")
  set(_out ${WORK}/package)
  file(REMOVE_RECURSE ${_out})
  execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -B ${_out}
    RESULT_VARIABLE _status OUTPUT_VARIABLE _log ERROR_VARIABLE _log)
  execute_process(COMMAND dpkg --print-architecture
    OUTPUT_VARIABLE _arch OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(_deb ${_out}/fluvenna_${VERSION}_${_arch}.deb)
  if(NOT _status EQUAL 0 OR NOT EXISTS ${_deb})
    message(FATAL_ERROR "cpack made no ${_deb} (status ${_status}):\n${_log}")
  endif()
  # The package holds the files of the install tree, under /usr, and nothing else.
  execute_process(COMMAND ${DPKG_DEB} -c ${_deb} OUTPUT_VARIABLE _listing)
  string(REPLACE "\n" ";" _lines "${_listing}")
  set(_packaged)
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "^-.* \\./usr/(.*)$")
      list(APPEND _packaged ${CMAKE_MATCH_1})
    elseif(_line MATCHES "^[^d]")
      message(FATAL_ERROR "not a file under /usr: ${_line}")
    endif()
  endforeach()
  list(SORT _packaged)
  list_files(${PREFIX} _installed)
  expect_equal_lists("The package's files and the install tree's" "${_packaged}" "${_installed}")
  foreach(_field Package Version Section Priority Maintainer Depends)
    execute_process(COMMAND ${DPKG_DEB} -f ${_deb} ${_field}
      OUTPUT_VARIABLE _${_field} OUTPUT_STRIP_TRAILING_WHITESPACE)
  endforeach()
  expect("Package" "${_Package}" "fluvenna")
  expect("Version" "${_Version}" "${VERSION}")
  expect("Section" "${_Section}" "science")
  expect("Priority" "${_Priority}" "optional")
  expect("Maintainer" "${_Maintainer}" "Fluvenna developers <fluvenna@example.org>")
  foreach(_dependency qt6-qpa-plugins fonts-dejavu-core libqt6widgets6 libqt6svg6 libc6)
    if(NOT _Depends MATCHES "(^|, )${_dependency}( |,|$)")
      message(FATAL_ERROR "Depends lacks ${_dependency}: ${_Depends}")
    endif()
  endforeach()
  message(STATUS "Depends: ${_Depends}")

elseif(CHECK STREQUAL "lintian")
  file(GLOB _deb ${WORK}/package/fluvenna_${VERSION}_*.deb)
  execute_process(COMMAND ${LINTIAN} --fail-on error ${_deb}
    RESULT_VARIABLE _status OUTPUT_VARIABLE _report ERROR_VARIABLE _report)
  message(STATUS "lintian:\n${_report}")
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "lintian reports an error (status ${_status})")
  endif()

else()
  message(FATAL_ERROR "unknown CHECK '${CHECK}'")
endif()
