# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later

# cmake -DPAGENAMES=<helper> -DINPUT=<template> -DOUTPUT=<file> -DPAGES=<list> -P configure-completion.cmake
# Asks the helper for vyr-admin-theme's page names and writes the completion.
execute_process(COMMAND "${PAGENAMES}" OUTPUT_VARIABLE names RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR names STREQUAL "")
    message(FATAL_ERROR "${PAGENAMES} gave no page names (${status})")
endif()
file(WRITE "${PAGES}" "${names}")
string(STRIP "${names}" names)
string(REPLACE "\n" " " VYR_ADMIN_THEME_PAGES "${names}")
configure_file("${INPUT}" "${OUTPUT}" @ONLY)
