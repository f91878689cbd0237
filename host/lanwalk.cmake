# lanwalk-list: lists the entries of a network enumeration through the lanwalk library beside it.
add_executable(lanwalk-list ${CMAKE_CURRENT_LIST_DIR}/lanwalk_list.cpp)
target_include_directories(lanwalk-list PRIVATE ${PROJECT_SOURCE_DIR}/lanwalk)
target_link_libraries(lanwalk-list PRIVATE platform)
target_compile_definitions(lanwalk-list PRIVATE LANWALK_LIBRARY="$<TARGET_FILE_NAME:lanwalk>")
add_dependencies(lanwalk-list lanwalk)
