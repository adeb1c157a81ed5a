# nlohmann/json for a cross build (see HeaderOnly.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HeaderOnly.cmake)
cross_header_only(nlohmann_json::nlohmann_json nlohmann)
set(nlohmann_json_VERSION 3)
