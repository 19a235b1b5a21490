# SQLite3 Multiple Ciphers, compiled from the amalgamation that scripts/deps fetches.
#
# A private static library: it is linked into libproviders only, with hidden symbols, so
# libproviders neither exports SQLite's API nor clashes with a system libsqlite3 that
# another library may load into the same process.

set(TARVELIN_SQLITE3MC_DIR "${PROJECT_SOURCE_DIR}/deps/sqlite3")

if(NOT EXISTS "${TARVELIN_SQLITE3MC_DIR}/sqlite3.c" OR NOT EXISTS "${TARVELIN_SQLITE3MC_DIR}/sqlite3.h")
  message(FATAL_ERROR
    "SQLite3 Multiple Ciphers amalgamation not found in ${TARVELIN_SQLITE3MC_DIR}: "
    "run scripts/deps first (as root on a new machine).")
endif()

enable_language(C)
find_package(Threads REQUIRED)

add_library(sqlite3mc STATIC "${TARVELIN_SQLITE3MC_DIR}/sqlite3.c")

set_target_properties(sqlite3mc PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  C_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)

# Options that change what sqlite3.h declares are PUBLIC, so every user of the header
# sees the same API as the library was built with (sqlite3_user_* only exist with this).
target_compile_definitions(sqlite3mc
  PUBLIC
    SQLITE_USER_AUTHENTICATION=1
    SQLITE_ENABLE_COLUMN_METADATA=1
  PRIVATE
    # Portable AES: no -maes/-msse4.2 requirement on the build machine.
    SQLITE3MC_OMIT_AES_HARDWARE_SUPPORT=1
    SQLITE_THREADSAFE=1
    # A database client has to open databases made by other programs, which may use
    # these virtual tables and functions.
    SQLITE_ENABLE_FTS3=1
    SQLITE_ENABLE_FTS3_PARENTHESIS=1
    SQLITE_ENABLE_FTS4=1
    SQLITE_ENABLE_FTS5=1
    SQLITE_ENABLE_RTREE=1
    SQLITE_ENABLE_GEOPOLY=1
    SQLITE_ENABLE_MATH_FUNCTIONS=1
    SQLITE_ENABLE_DBSTAT_VTAB=1
    HAVE_USLEEP=1)

# Third-party code: its warnings are not ours to fix and must not drown ours. Outside Debug
# builds it carries no debug information: this one 11 MB file is the longest compile of the
# build, and -g adds a third to it.
target_compile_options(sqlite3mc PRIVATE -w $<$<NOT:$<CONFIG:Debug>>:-g0>)

# SQLite's B-tree balancing indexes whichever of two page arrays applies through one
# conditional, which the undefined-behaviour checker reports although the element read is
# always in bounds; its memory accesses stay under AddressSanitizer.
if(TARVELIN_SANITIZE)
  target_compile_options(sqlite3mc PRIVATE -fno-sanitize=undefined)
endif()

# SYSTEM: the header's own warnings stay out of our -Wall -Wextra builds.
target_include_directories(sqlite3mc SYSTEM PUBLIC "${TARVELIN_SQLITE3MC_DIR}")

target_link_libraries(sqlite3mc PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
