# The Windows build (cross-compiled with MinGW-w64, see cmake/mingw-w64.cmake): executables with
# icon and version resource, and the Qt and runtime libraries beside them in the build tree, laid
# out as after installation, so that the tests under Wine and the installed program load the same.
#
#   <prefix>/bin        Zandrel.exe, zandrel-sammeln.exe, the DLLs, qt.conf
#   <prefix>/plugins    Qt's platform, style and image format plugins
#   <prefix>/translations  Qt's German texts (qtbase_de.qm)
#   <prefix>/share/zandrel  help and pictures (res/), as on Linux

# ---- Icon and version resource --------------------------------------------------------------------
set(ZANDREL_ICO ${CMAKE_BINARY_DIR}/zandrel.ico)
set(_pngs)
foreach(size IN ITEMS 16 32 48 256)
    list(APPEND _pngs ${PROJECT_SOURCE_DIR}/res/icons/hicolor/${size}x${size}/apps/zandrel.png)
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${ZANDREL_ICO}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/windows/png2ico.py ${ZANDREL_ICO} ${_pngs}
    DEPENDS ${_pngs} ${PROJECT_SOURCE_DIR}/scripts/windows/png2ico.py
    VERBATIM)
add_custom_target(zandrel_icon DEPENDS ${ZANDREL_ICO})

function(zandrel_windows_resource target description)
    set(ZANDREL_RC_NAME ${target})
    set(ZANDREL_RC_DESCRIPTION "${description}")
    set(_rc ${CMAKE_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/zandrel.rc.in ${_rc} @ONLY)
    target_sources(${target} PRIVATE ${_rc})
    add_dependencies(${target} zandrel_icon)
endfunction()

zandrel_windows_resource(Zandrel "Zandrel - Teilnehmer melden")
zandrel_windows_resource(zandrel-sammeln "Zandrel - Meldedateien sammeln")
# A window program: no console window opens beside it. zandrel-sammeln stays a console program.
set_target_properties(Zandrel PROPERTIES WIN32_EXECUTABLE ON)

# ---- Sockets ------------------------------------------------------------------------------------------
# Asio on Windows: Winsock, and the Windows version whose socket functions it may use (10).
target_compile_definitions(zandrel_mail PUBLIC _WIN32_WINNT=0x0A00)
target_link_libraries(zandrel_mail PUBLIC ws2_32 mswsock)

# ---- Run-time libraries, plugins and translations ---------------------------------------------------
# Qt's install prefix, from the location of Qt6Core.dll (<prefix>/bin).
get_target_property(_qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT _qtcore)
    get_target_property(_qtcore Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(_qtbin ${_qtcore} DIRECTORY)
get_filename_component(ZANDREL_QT_PREFIX ${_qtbin} DIRECTORY)

# MinGW's own run-time libraries, where the compiler has them.
set(_mingw_dlls)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}")
        find_file(_path_${dll} ${dll} PATHS /usr/${ZANDREL_MINGW_TRIPLE}/lib
                  /usr/${ZANDREL_MINGW_TRIPLE}/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        set(_path ${_path_${dll}})
    endif()
    list(APPEND _mingw_dlls ${_path})
endforeach()

# ICU (built into Qt's prefix) and libxlsxwriter.
set(_lib_dlls)
foreach(prefix IN LISTS ZANDREL_MINGW_PREFIXES)
    file(GLOB _found ${prefix}/bin/icu*.dll ${prefix}/lib/icu*.dll ${prefix}/bin/libxlsxwriter*.dll)
    list(APPEND _lib_dlls ${_found})
endforeach()
list(REMOVE_DUPLICATES _lib_dlls)

set(_qt_dlls)
foreach(module IN ITEMS Core Gui Widgets PrintSupport)
    list(APPEND _qt_dlls ${_qtbin}/Qt6${module}.dll)
endforeach()
set(ZANDREL_WINDOWS_DLLS ${_qt_dlls} ${_lib_dlls} ${_mingw_dlls})

# What the installer carries: the window's platform, the native styles, icons and GIFs, printing.
set(_plugins)
foreach(dir IN ITEMS platforms styles imageformats printsupport)
    file(GLOB _found ${ZANDREL_QT_PREFIX}/plugins/${dir}/*.dll)
    list(FILTER _found EXCLUDE REGEX "/(qminimal|qoffscreen)\\.dll$")
    list(APPEND _plugins ${_found})
endforeach()

# Qt's German texts are the same .qm files on every platform: Debian's qt6-translations-l10n.
find_file(ZANDREL_QT_GERMAN qtbase_de.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# Qt finds plugins and translations relative to this file's folder.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf.windows "[Paths]\nPrefix = ..\n")

set(_copies
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin ${CMAKE_BINARY_DIR}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ZANDREL_WINDOWS_DLLS} ${_qtbin}/Qt6Test.dll
            ${CMAKE_BINARY_DIR}/bin
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_BINARY_DIR}/qt.conf.windows
            ${CMAKE_BINARY_DIR}/bin/qt.conf
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ZANDREL_QT_GERMAN} ${CMAKE_BINARY_DIR}/translations
    # The tests also need the offscreen platform; so the whole plugin folders come along.
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${ZANDREL_QT_PREFIX}/plugins ${CMAKE_BINARY_DIR}/plugins)
add_custom_target(zandrel_windows_runtime ALL ${_copies} VERBATIM)
# Test discovery runs the test programs right after linking: the DLLs must be there by then.
# Every test program links one of these two.
add_dependencies(zandrel_entrycore zandrel_windows_runtime)
add_dependencies(zandrel_mail zandrel_windows_runtime)

install(FILES ${ZANDREL_WINDOWS_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/qt.conf.windows DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME qt.conf)
foreach(plugin IN LISTS _plugins)
    get_filename_component(_dir ${plugin} DIRECTORY)
    get_filename_component(_dir ${_dir} NAME)
    install(FILES ${plugin} DESTINATION plugins/${_dir})
endforeach()
install(FILES ${ZANDREL_QT_GERMAN} DESTINATION translations)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
