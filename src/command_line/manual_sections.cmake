# Writes help2man's include file for the manual page of querlin-calc: a
# section for each command, made from its own --help, and the sections of the
# command-line reference that --help leaves out (the output keys, the batch,
# the exit statuses, the environment), made from docs/reference.md. So the
# manual page says nothing that is not written once, in the program or in
# the reference.
#
#   cmake -DCALC=querlin-calc -DREFERENCE=docs/reference.md -DOUTPUT=FILE
#         -P manual_sections.cmake

# What stands in for semicolons and square brackets in a list of lines.
string(ASCII 31 semicolon)
string(ASCII 30 opening)
string(ASCII 29 closing)

# Text as roff reads it: backslashes and hyphens escaped, a line that begins
# with a dot or an apostrophe not taken for a request.
function(roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REPLACE "µ" "\\(*m" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Markdown's inline marks in roff: code and strong in bold, a link as its
# text.
function(roff_inline text out)
    roff_text("${text}" text)
    string(REGEX REPLACE "`([^`]*)`" "\\\\fB\\1\\\\fR" text "${text}")
    string(REGEX REPLACE "\\*\\*([^*]*)\\*\\*" "\\\\fB\\1\\\\fR" text "${text}")
    string(REGEX REPLACE "\\[([^]]*)\\]\\([^)]*\\)" "\\1" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The lines of a text, empty ones kept. Semicolons, CMake's list separator,
# and square brackets, which hold separators within them, stand in as
# characters no help or reference uses.
function(lines_of text out)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "[" "${opening}" text "${text}")
    string(REPLACE "]" "${closing}" text "${text}")
    string(REPLACE "\n" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(restored text out)
    string(REPLACE "${semicolon}" ";" text "${text}")
    string(REPLACE "${opening}" "[" text "${text}")
    string(REPLACE "${closing}" "]" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One command's --help as a section: its usage lines as they stand, its
# paragraph, and each option with its description.
function(command_section command out)
    execute_process(COMMAND ${CALC} ${command} --help OUTPUT_VARIABLE help
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "querlin-calc ${command} --help failed: ${status}")
    endif()
    string(TOUPPER "querlin-calc ${command}" title)
    set(roff "[${title}]\n.nf\n")
    set(part usage)
    lines_of("${help}" lines)
    foreach(line IN LISTS lines)
        restored("${line}" line)
        if(part STREQUAL "usage")
            if(line STREQUAL "")
                string(APPEND roff ".fi\n.PP\n")
                set(part paragraph)
            else()
                # "Usage: ", "  or:  " and the indentation of a line that
                # goes on are seven characters alike.
                string(SUBSTRING "${line}" 7 -1 line)
                roff_text("${line}" line)
                string(APPEND roff "${line}\n")
            endif()
        elseif(line MATCHES "^(Options|Arguments):$")
            string(APPEND roff ".PP\n${CMAKE_MATCH_1}:\n")
            set(part options)
        elseif(part STREQUAL "paragraph")
            if(NOT line STREQUAL "")
                roff_text("${line}" line)
                string(APPEND roff "${line}\n")
            endif()
        elseif(line MATCHES "^  ([^ ].*[^ ]|[^ ])  +(.*)$")
            roff_text("${CMAKE_MATCH_1}" name)
            roff_text("${CMAKE_MATCH_2}" description)
            string(REGEX REPLACE "(^|, )(\\\\-[^ ,]*)" "\\1\\\\fB\\2\\\\fR" name "${name}")
            string(APPEND roff ".TP\n${name}\n${description}\n")
        elseif(line MATCHES "^ +(.*)$")
            roff_text("${CMAKE_MATCH_1}" description)
            string(APPEND roff "${description}\n")
        endif()
    endforeach()
    set(${out} "${roff}" PARENT_SCOPE)
endfunction()

# A section of the reference, from its "## " heading to the next, in roff:
# its subheadings, paragraphs, bullets, code and tables, each row of a table
# an item named by its first cell.
function(reference_section markdown heading out)
    string(TOUPPER "${heading}" title)
    set(roff "[${title}]\n")
    set(inside FALSE)
    set(code FALSE)
    lines_of("${markdown}" lines)
    foreach(line IN LISTS lines)
        restored("${line}" line)
        if(line MATCHES "^## (.*)$")
            if(CMAKE_MATCH_1 STREQUAL heading)
                set(inside TRUE)
                continue()
            elseif(inside)
                break()
            endif()
        endif()
        if(NOT inside)
            continue()
        endif()
        if(line MATCHES "^```")
            if(code)
                string(APPEND roff ".fi\n")
                set(code FALSE)
            else()
                string(APPEND roff ".PP\n.nf\n")
                set(code TRUE)
            endif()
        elseif(code)
            roff_text("${line}" line)
            string(APPEND roff "${line}\n")
        elseif(line MATCHES "^### (.*)$")
            roff_inline("${CMAKE_MATCH_1}" sub)
            string(APPEND roff ".SS \"${sub}\"\n")
        elseif(line MATCHES "^\\| ---")
            # The table's head, the row before, was taken as an item:
            # drop it.
            string(REGEX REPLACE "\\.TP\n[^\n]*\n[^\n]*\n$" "" roff "${roff}")
        elseif(line MATCHES "^\\| ([^|]*) \\| (.*) \\|$")
            roff_inline("${CMAKE_MATCH_1}" name)
            roff_inline("${CMAKE_MATCH_2}" description)
            string(APPEND roff ".TP\n${name}\n${description}\n")
        elseif(line MATCHES "^- (.*)$")
            roff_inline("${CMAKE_MATCH_1}" item)
            string(APPEND roff ".IP \\(bu 2\n${item}\n")
        elseif(line STREQUAL "")
            string(APPEND roff ".PP\n")
        else()
            string(REGEX REPLACE "^ +" "" line "${line}")
            roff_inline("${line}" line)
            string(APPEND roff "${line}\n")
        endif()
    endforeach()
    if(NOT inside)
        message(FATAL_ERROR "${REFERENCE} has no section '## ${heading}'")
    endif()
    set(${out} "${roff}" PARENT_SCOPE)
endfunction()

# The commands, as querlin-calc --help lists them.
execute_process(COMMAND ${CALC} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "querlin-calc --help failed: ${status}")
endif()
string(REGEX MATCH "\nCommands:\n(([^\n]+\n)+)" listing "${help}")
string(REGEX MATCHALL "\n  [a-z]+" commands "\n${CMAKE_MATCH_1}")
if(NOT commands)
    message(FATAL_ERROR "querlin-calc --help lists no commands")
endif()

set(include "")
foreach(command IN LISTS commands)
    string(STRIP "${command}" command)
    command_section(${command} section)
    string(APPEND include "${section}\n")
endforeach()

file(READ ${REFERENCE} markdown)
foreach(heading IN ITEMS "Output keys" "The batch" "Exit status" "Environment")
    reference_section("${markdown}" "${heading}" section)
    string(APPEND include "${section}\n")
endforeach()
file(WRITE ${OUTPUT} "${include}")
