# The Windows side of the tree: Tandrel.exe, its framework, and what runs
# under Wine (tests, benchmarks, stand-in programs).

# ANSI Win32 throughout (no UNICODE); Windows 7 is the oldest target.
# WIN32_LEAN_AND_MEAN keeps the old winsock.h out of windows.h, so that
# winsock2.h can be included anywhere; other headers are included by name.
add_compile_definitions(NOMINMAX STRICT WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
# Static C and C++ runtimes: the programs run on a bare Windows.
add_link_options(-static)

# Every program in one folder: the end-to-end tests start Tandrel.exe and the
# stand-ins from the folder they run in.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The MFC-shaped layer over plain Win32.
add_library(tandrel_framework STATIC
  framework/AsyncSocket.cpp
  framework/CmdTarget.cpp
  framework/ComboBox.cpp
  framework/DataExchange.cpp
  framework/Dialog.cpp
  framework/IPAddressCtrl.cpp
  framework/ImageList.cpp
  framework/ListBox.cpp
  framework/MessageBox.cpp
  framework/PaintDC.cpp
  framework/ResourceString.cpp
  framework/Sockets.cpp
  framework/TreeCtrl.cpp
  framework/WinApp.cpp
  framework/Wnd.cpp
)
target_link_libraries(tandrel_framework PUBLIC tandrel_core comctl32 ws2_32)

# Everything of the program but its global application object, so that test
# programs can link the real windows and store.
add_library(tandrel_product STATIC
  app/AboutDlg.cpp
  apply/ApplyToConnector.cpp
  apply/ControlProgram.cpp
  apply/RunCommand.cpp
  discovery/DeviceTreeCtrl.cpp
  discovery/DiscoverySocket.cpp
  discovery/EndpointSet.cpp
  discovery/idfinddlg.cpp
  editdlg/DeviceWebPage.cpp
  editdlg/cDlgEditRec.cpp
  mapping/ConnectorStore.cpp
  mapping/RegistryText.cpp
  portlist/PortListCommands.cpp
  portlist/TandrelDlg.cpp
)
target_link_libraries(tandrel_product PUBLIC tandrel_framework)

# Icon and bitmaps, built from the text pictures in res/images.
set(IMAGE_TOOL ${PROJECT_SOURCE_DIR}/res/images/make_images.py)
set(RES_OUT ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${RES_OUT})
add_custom_command(
  OUTPUT ${RES_OUT}/tandrel.ico
  COMMAND ${Python3_EXECUTABLE} ${IMAGE_TOOL} ico ${RES_OUT}/tandrel.ico
          ${PROJECT_SOURCE_DIR}/res/images/tandrel-32.txt
          ${PROJECT_SOURCE_DIR}/res/images/tandrel-16.txt
  DEPENDS ${IMAGE_TOOL} res/images/tandrel-32.txt res/images/tandrel-16.txt
  COMMENT "Drawing icon 128")
set(STATE_IMAGE_CELLS
  res/images/state-0-ok.txt res/images/state-1-list.txt
  res/images/state-2-wired.txt res/images/state-3-wired-failed.txt
  res/images/state-4-wireless.txt res/images/state-5-wireless-failed.txt
  res/images/state-6-blank.txt res/images/state-7-blank.txt)
list(TRANSFORM STATE_IMAGE_CELLS PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE STATE_IMAGE_PATHS)
add_custom_command(
  OUTPUT ${RES_OUT}/stateimages.bmp
  COMMAND ${Python3_EXECUTABLE} ${IMAGE_TOOL} bmp ${RES_OUT}/stateimages.bmp ${STATE_IMAGE_PATHS}
  DEPENDS ${IMAGE_TOOL} ${STATE_IMAGE_CELLS}
  COMMENT "Drawing bitmap 131")
add_custom_target(tandrel_images DEPENDS ${RES_OUT}/tandrel.ico ${RES_OUT}/stateimages.bmp)

# WinMain is an object of its own: from a static library the linker would not
# pull it in, since only the C runtime's startup code refers to it.
add_library(tandrel_entry OBJECT framework/AppEntry.cpp)
target_link_libraries(tandrel_entry PRIVATE tandrel_framework)

add_executable(Tandrel WIN32 app/Tandrel.cpp res/Tandrel.rc $<TARGET_OBJECTS:tandrel_entry>)
target_include_directories(Tandrel PRIVATE ${RES_OUT} ${PROJECT_SOURCE_DIR}/res)
set_source_files_properties(res/Tandrel.rc PROPERTIES
  OBJECT_DEPENDS "${RES_OUT}/tandrel.ico;${RES_OUT}/stateimages.bmp;${PROJECT_SOURCE_DIR}/res/Tandrel.manifest;${PROJECT_SOURCE_DIR}/res/resource.h")
add_dependencies(Tandrel tandrel_images)
target_link_libraries(Tandrel PRIVATE tandrel_product)

add_subdirectory(tools)
add_subdirectory(tests/wine)
add_subdirectory(tests/bench)
