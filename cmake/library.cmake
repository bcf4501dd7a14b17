# moh.dll: the library's sources are one object library, linked into the DLL and into the
# white-box test programs. mohdev.dll, the development host's build, is the same library whose
# window timers and local time run on a clock the host lends it, through a fourth export.
set(LIBRARY_SOURCES
  shell/host_link.cpp
  shell/on_demand_libraries.cpp
  shell/engine_ports_win32.cpp
  shell/trace.cpp
  calllists/list_files.cpp

  calllists/call_list_dialog.cpp
  calllists/list_dialog.cpp
  calllists/list_dialog_draw.cpp
  calllists/list_dialog_tools.cpp
  calllists/list_dialog_rows.cpp
  calllists/list_dialog_files.cpp
  calllists/entry_editor.cpp

  config/run_at_logon.cpp
  config/config_sheet.cpp
  config/general_page.cpp
  config/sounds_page.cpp
  config/keypad_sheet.cpp
  config/language_page.cpp

  shell/settings.cpp
  shell/settings_file_state.cpp
  shell/startup.cpp
  shell/main_window.cpp
  shell/steady_controls.cpp
  shell/message_loop.cpp
  shell/main_toolbar.cpp
  shell/status_display.cpp
  shell/tray_icon.cpp
  shell/foreground.cpp
  shell/toolbar_help.cpp
  shell/help_about.cpp
  shell/shared_layouts.cpp
  shell/window_timers.cpp

  controls/bitmap_buttons.cpp
  controls/bitmap_draw.cpp
  controls/window_placement.cpp
  controls/splash.cpp
  controls/splash_picture.cpp
)

add_library(mohobj OBJECT ${LIBRARY_SOURCES} ${PORTABLE_SOURCES})
target_include_directories(mohobj PUBLIC ${PORTABLE_INCLUDE_DIRS} ${CMAKE_SOURCE_DIR}/resources
                           ${CMAKE_SOURCE_DIR}/controls ${CMAKE_SOURCE_DIR}/config ${CMAKE_SOURCE_DIR}/libs/corvanectln)
set(MOH_SYSTEM_LIBS corvanectln comctl32 shfolder shell32 advapi32 gdi32 user32 kernel32)

# add_moh_library(target "description" def objects...): the library with the exports the .def
# file lists (stdcall, by their plain names).
function(add_moh_library target description def)
  add_library(${target} SHARED shell/dllmain.cpp ${def} ${ARGN})
  target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:mohobj,INTERFACE_INCLUDE_DIRECTORIES>)
  target_link_libraries(${target} PRIVATE ${MOH_SYSTEM_LIBS})
  add_version_resource(${target} "${description}")
  target_link_options(${target} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
  install(TARGETS ${target} RUNTIME DESTINATION .)
endfunction()

add_moh_library(moh "${MOH_PRODUCT}" shell/moh.def $<TARGET_OBJECTS:mohobj>)
add_moh_library(mohdev "${MOH_PRODUCT} for the development host" shell/mohdev.def shell/host_clock.cpp
                $<FILTER:$<TARGET_OBJECTS:mohobj>,EXCLUDE,/window_timers\\.cpp\\.obj$>)
