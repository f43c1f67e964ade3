# Writes a C++ source holding the bytes of each bitmap file, and the table
# that names them by resource id. Run at build time:
#   cmake -DOUTPUT=<file.cpp> -DBITMAP_DIR=<dir> -DNAMES=<a,b,...> -P EmbedBitmaps.cmake
# Each name is both the file's base name and its constant in res/resource.h.
string(REPLACE "," ";" NAMES "${NAMES}")
set(code "// Generated from res/bitmaps by res/EmbedBitmaps.cmake; do not edit.\n")
string(APPEND code "#include \"res/Bitmaps.h\"\n\n#include \"res/resource.h\"\n\nnamespace {\n")
set(table "")
list(LENGTH NAMES count)
foreach(name IN LISTS NAMES)
  file(READ "${BITMAP_DIR}/${name}.bmp" hex HEX)
  if(hex STREQUAL "")
    message(FATAL_ERROR "${BITMAP_DIR}/${name}.bmp is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND code "const unsigned char k${name}[] = {\n${bytes}};\n")
  string(APPEND table "    {${name}, k${name}, sizeof k${name}},\n")
endforeach()
string(APPEND code "}  // namespace\n\nconst BitmapResource kBitmapResources[kBitmapResourceCount] = {\n${table}};\n")
string(APPEND code "static_assert(kBitmapResourceCount == ${count}, \"res/Bitmaps.h and res/CMakeLists.txt list different bitmaps\");\n")
file(WRITE "${OUTPUT}" "${code}")
