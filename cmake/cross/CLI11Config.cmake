# CLI11 for a cross build (see HeaderOnly.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HeaderOnly.cmake)
cross_header_only(CLI11::CLI11 CLI)
