# cmake -DBUILD=<build dir> -DDEST=<scratch dir> -DICON=<0|1> -P checkinstall.cmake
# Installs the build below DEST with the prefix /usr, as a distribution package would,
# and checks that each file lands where the desktop, the software centre and udev look.
file(REMOVE_RECURSE ${DEST})
set(ENV{DESTDIR} ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(expected
    usr/bin/kest-setting
    usr/share/applications/com.kestlabs.Setting.desktop
    usr/share/metainfo/com.kestlabs.Setting.metainfo.xml)
if(ICON)
    list(APPEND expected usr/share/icons/hicolor/*x*/apps/kest-setting.png)
endif()
# The rule's place was fixed at configure time: /usr/lib/udev or /etc/udev.
file(GLOB rule ${DEST}/usr/lib/udev/rules.d/70-kest-pedals.rules
               ${DEST}/etc/udev/rules.d/70-kest-pedals.rules)
if(NOT rule)
    message(SEND_ERROR "the udev rule is in no directory that udev reads")
endif()
foreach(pattern ${expected})
    file(GLOB found ${DEST}/${pattern})
    if(NOT found)
        message(SEND_ERROR "not installed: ${pattern}")
    endif()
endforeach()
file(REMOVE_RECURSE ${DEST})
