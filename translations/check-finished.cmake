# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a translation file still has an unfinished entry, as lrelease
# counts them: a new text waits for its translator, or a translation was left
# for review. Run by CTest with -DLRELEASE=<lrelease> -DTS_FILES=<a;b;c>
# -DWORK_DIR=<scratch folder>.
set(unfinished_files "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    execute_process(
        COMMAND ${LRELEASE} ${ts} -qm ${WORK_DIR}/${name}.qm
        OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
    if(failed OR NOT output MATCHES "Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and ([0-9]+) unfinished\\)")
        message(FATAL_ERROR "lrelease could not read ${ts}:\n${output}")
    endif()
    message(STATUS "${name}: ${CMAKE_MATCH_1} unfinished")
    if(NOT CMAKE_MATCH_1 EQUAL 0 OR output MATCHES "untranslated")
        list(APPEND unfinished_files ${name})
    endif()
endforeach()
if(unfinished_files)
    message(FATAL_ERROR "Unfinished translations in ${unfinished_files}: "
        "run scripts/update-translations to list them.")
endif()
