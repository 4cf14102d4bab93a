# cmake -DBUILD=<build dir> -DDEST=<scratch dir> -DICONS=<packaging/icons/hicolor> -P checkinstall.cmake
# Installs the build below DEST as a distribution package would (prefix /usr) and
# as a local build would (prefix /usr/local), choosing the prefix only at install
# time, and checks that each file lands where the desktop, the software centre,
# man and udev look for it.
function(install_below prefix)
    file(REMOVE_RECURSE ${DEST})
    set(ENV{DESTDIR} ${DEST})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake --install --prefix ${prefix} failed: ${errors}")
    endif()
endfunction()

function(expect prefix)
    foreach(path ${ARGN})
        if(NOT EXISTS ${DEST}/${path})
            message(SEND_ERROR "--prefix ${prefix}: not installed: ${path}")
        endif()
    endforeach()
endfunction()

# Every icon painted under packaging/, in the same place of the theme.
file(GLOB_RECURSE icons RELATIVE ${ICONS} ${ICONS}/*)
list(LENGTH icons count)
if(count LESS 8)
    message(SEND_ERROR "only ${count} icons under ${ICONS}: ${icons}")
endif()

foreach(prefix /usr /usr/local)
    install_below(${prefix})
    string(SUBSTRING ${prefix} 1 -1 p)
    set(expected
        ${p}/bin/kest-setting
        ${p}/bin/kestctl
        ${p}/share/man/man1/kestctl.1.gz
        ${p}/share/bash-completion/completions/kestctl
        ${p}/share/applications/com.kestlabs.setting.desktop
        ${p}/share/metainfo/com.kestlabs.setting.metainfo.xml
        ${p}/share/doc/kest-setting/linux.md
        ${p}/share/doc/kest-setting/guide.md
        ${p}/share/doc/kest-setting/copyright
        ${p}/share/doc/kest-setting/changelog.gz
        ${p}/share/man/man1/kest-setting.1.gz)
    foreach(icon ${icons})
        list(APPEND expected ${p}/share/icons/hicolor/${icon})
    endforeach()
    # udev never reads rules from below /usr/local.
    if(prefix STREQUAL "/usr")
        list(APPEND expected usr/lib/udev/rules.d/70-kest-pedals.rules)
        set(unexpected etc)
    else()
        list(APPEND expected etc/udev/rules.d/70-kest-pedals.rules)
        set(unexpected usr/local/lib/udev)
    endif()
    expect(${prefix} ${expected})
    if(EXISTS ${DEST}/${unexpected})
        message(SEND_ERROR "--prefix ${prefix}: something was installed into ${unexpected}")
    endif()
endforeach()
file(REMOVE_RECURSE ${DEST})
