# Checks the author's web page address that the web page link opens. Included by
# the project after QUERLIN_WEB_PAGE is set; also runs alone on one address:
#   cmake -DQUERLIN_WEB_PAGE=https://www.example.org/querlin -P cmake/web_page.cmake

function(querlin_check_web_page address)
    # The address goes into the program as a C string and gets a closing slash
    # when it is opened: no blanks, quotes or backslashes, no query or fragment.
    set(host "[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?")
    set(path "(/([A-Za-z0-9._~!$&'()*+,=:@/-]|%[0-9A-Fa-f][0-9A-Fa-f])*)?")
    if(NOT address MATCHES "^https?://${host}(:[0-9]+)?${path}$")
        message(FATAL_ERROR "QUERLIN_WEB_PAGE is not an http or https address like "
                            "https://www.example.org/querlin: \"${address}\"")
    endif()
    if(address MATCHES "/$")
        message(FATAL_ERROR "QUERLIN_WEB_PAGE ends in a slash; give it without, the link "
                            "adds one when it opens the page: \"${address}\"")
    endif()
endfunction()

querlin_check_web_page("${QUERLIN_WEB_PAGE}")
