# Import libraries that load their DLL at the first call instead of at start-up. The idle program
# needs none of these DLLs (dialogs, tray icon, help, version resource), and each one
# loaded costs private memory for the program's whole life. A DLL once loaded stays loaded.
# All of them are system DLLs present on every Windows, so loading them cannot fail.
# The .def files name what the program calls, with the stdcall argument bytes of the 32-bit
# build; the 64-bit build has no such decoration. The 64-bit loading stub keeps only the integer
# argument registers: no function with a floating-point argument (VarBstrFromDate) may be here.
function(zm_delay_import_library name)
    set(def ${CMAKE_SOURCE_DIR}/cmake/delayload/${name}.def)
    set(lib ${CMAKE_BINARY_DIR}/delayload/lib${name}_delay.a)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/delayload)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(input ${def})
        set(kill_at --kill-at)
    else()
        file(READ ${def} text)
        string(REGEX REPLACE "@[0-9]+" "" text "${text}")
        set(input ${CMAKE_BINARY_DIR}/delayload/${name}.def)
        set(old "")
        if(EXISTS ${input})
            file(READ ${input} old)
        endif()
        if(NOT old STREQUAL text)
            file(WRITE ${input} "${text}")
        endif()
        set(kill_at)
    endif()
    string(REGEX REPLACE "g\\+\\+(-posix|-win32)?$" "dlltool" dlltool ${CMAKE_CXX_COMPILER})
    add_custom_command(OUTPUT ${lib}
        COMMAND ${dlltool} ${kill_at} --input-def ${input} --dllname ${name}.dll --output-delaylib ${lib}
        DEPENDS ${input}
        COMMENT "Delay-load import library for ${name}.dll"
        VERBATIM)
    add_custom_target(zm_delay_${name}_lib DEPENDS ${lib})
    add_library(zm_delay_${name} STATIC IMPORTED GLOBAL)
    set_target_properties(zm_delay_${name} PROPERTIES IMPORTED_LOCATION ${lib})
    add_dependencies(zm_delay_${name} zm_delay_${name}_lib)
endfunction()
