# cmake -DBUILD=<build dir> -DDEST=<scratch dir> -DICONS=<packaging/icons/hicolor>
#       -DRULE=<packaging/linux/70-kest-pedals.rules> -P checkinstall.cmake
# Installs the build below DEST as a distribution package would (prefix /usr) and
# as a local build would (prefix /usr/local), choosing the prefix only at install
# time, and checks that each file lands where the desktop, the software centre,
# man, systemd and udev look for it, and that the udev rule installed is the unit's.
function(install_below prefix)
    file(REMOVE_RECURSE ${DEST})
    set(ENV{DESTDIR} ${DEST})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake --install --prefix ${prefix} failed: ${errors}")
    endif()
endfunction()

# The rule as installed: the file kestctl carries (doctor compares the two), with a line
# for the unit's hidraw node and one that marks its input device as a joystick, both for
# e5b7:6a1c and the seat's user.
function(expect_rule prefix path)
    file(READ ${DEST}/${path} installed)
    file(READ ${RULE} source)
    if(NOT installed STREQUAL source)
        message(SEND_ERROR "--prefix ${prefix}: ${path} is not ${RULE}")
    endif()
    file(STRINGS ${DEST}/${path} lines REGEX "^[^#]")
    foreach(kind "SUBSYSTEM==\"hidraw\"" "ENV{ID_INPUT_JOYSTICK}=\"1\"")
        set(found FALSE)
        foreach(line IN LISTS lines)
            set(all TRUE)
            foreach(part "${kind}" "ATTRS{idVendor}==\"e5b7\"" "ATTRS{idProduct}==\"6a1c\""
                         "TAG+=\"uaccess\"")
                string(FIND "${line}" "${part}" at)
                if(at EQUAL -1)
                    set(all FALSE)
                endif()
            endforeach()
            if(all)
                set(found TRUE)
            endif()
        endforeach()
        if(NOT found)
            message(SEND_ERROR "--prefix ${prefix}: ${path} has no ${kind} line for e5b7:6a1c "
                               "with uaccess")
        endif()
    endforeach()
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
        ${p}/lib/systemd/user/kest-autoswitch.service
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
        set(rule usr/lib/udev/rules.d/70-kest-pedals.rules)
        set(unexpected etc)
    else()
        set(rule etc/udev/rules.d/70-kest-pedals.rules)
        set(unexpected usr/local/lib/udev)
    endif()
    expect(${prefix} ${expected} ${rule})
    if(EXISTS ${DEST}/${rule})
        expect_rule(${prefix} ${rule})
    endif()
    if(EXISTS ${DEST}/${unexpected})
        message(SEND_ERROR "--prefix ${prefix}: something was installed into ${unexpected}")
    endif()
endforeach()
file(REMOVE_RECURSE ${DEST})
