# A room of the code is a static library over one folder of src (or a few). It sees the headers of its own
# folders and of the rooms it links, and no others: each room gets an include directory of its own holding
# links to just those folders, so an include of a room above it, or of a room beside it that it does not
# link, fails to compile ("No such file or directory"). The rooms it links come first in the link order.
#
#   yorun_room(<target> FOLDERS <folders under src> SOURCES <files>
#              [ROOMS <rooms it builds on>] [PUBLIC <libraries>] [PRIVATE <libraries>])
#
# Libraries from outside the project are named under PUBLIC when a room's own headers need them, and under
# PRIVATE otherwise, so that a room above never sees them.
function(yorun_room target)
    cmake_parse_arguments(ROOM "" "" "FOLDERS;SOURCES;ROOMS;PUBLIC;PRIVATE" ${ARGN})
    add_library(${target} STATIC ${ROOM_SOURCES})

    set(visible ${ROOM_FOLDERS})
    foreach(room IN LISTS ROOM_ROOMS)
        get_target_property(folders ${room} YORUN_VISIBLE_FOLDERS)
        list(APPEND visible ${folders})
    endforeach()
    list(REMOVE_DUPLICATES visible)

    set(view ${CMAKE_BINARY_DIR}/rooms/${target})
    file(REMOVE_RECURSE ${view})
    foreach(folder IN LISTS visible)
        get_filename_component(parent ${view}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
    endforeach()

    set_target_properties(${target} PROPERTIES YORUN_VISIBLE_FOLDERS "${visible}")
    set_property(GLOBAL APPEND PROPERTY YORUN_ROOMS ${target})
    target_include_directories(${target} PUBLIC ${view})
    target_link_libraries(${target} PUBLIC ${ROOM_ROOMS} ${ROOM_PUBLIC} PRIVATE ${ROOM_PRIVATE})
endfunction()

# Libraries from outside that belong to one concern each: the check below fails the configuration when a
# room other than the ones named links one of them.
#
#   yorun_keep_library(<imported target> <room> [<room>...])
function(yorun_keep_library library)
    set_property(GLOBAL APPEND PROPERTY YORUN_KEPT_LIBRARIES ${library})
    set_property(GLOBAL PROPERTY YORUN_KEPT_BY_${library} ${ARGN})
endfunction()

# Checks every room's own link libraries against the libraries kept for certain rooms.
function(yorun_check_rooms)
    get_property(rooms GLOBAL PROPERTY YORUN_ROOMS)
    get_property(libraries GLOBAL PROPERTY YORUN_KEPT_LIBRARIES)
    foreach(room IN LISTS rooms)
        get_target_property(links ${room} LINK_LIBRARIES)
        foreach(library IN LISTS libraries)
            get_property(keepers GLOBAL PROPERTY YORUN_KEPT_BY_${library})
            if(library IN_LIST links AND NOT room IN_LIST keepers)
                message(FATAL_ERROR "${room} links ${library}, which only ${keepers} may link")
            endif()
        endforeach()
    endforeach()
endfunction()
