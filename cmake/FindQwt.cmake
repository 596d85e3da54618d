# Finds Qwt 6 built for Qt 5 and provides the imported target Qwt::Qwt.
# Debian ships Qt5Qwt6.pc, but it requires the Svg and OpenGL dev packages, so the
# header and the library are looked up directly instead.
find_path(Qwt_INCLUDE_DIR qwt_plot.h PATH_SUFFIXES qwt qwt-qt5 qwt6)
find_library(Qwt_LIBRARY NAMES qwt-qt5 qwt6-qt5 qwt)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt REQUIRED_VARS Qwt_LIBRARY Qwt_INCLUDE_DIR)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
  add_library(Qwt::Qwt UNKNOWN IMPORTED)
  set_target_properties(Qwt::Qwt PROPERTIES
    IMPORTED_LOCATION "${Qwt_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Qwt_INCLUDE_DIR}")
  target_link_libraries(Qwt::Qwt INTERFACE Qt5::Widgets Qt5::PrintSupport)
endif()
mark_as_advanced(Qwt_INCLUDE_DIR Qwt_LIBRARY)
