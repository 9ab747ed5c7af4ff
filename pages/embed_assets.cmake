# Writes a C++ source that holds the page assets' bytes (see page_assets.h).
# Called with -DASSET_DIR=<folder> -DOUTPUT=<file> -DASSETS=<names separated by ;>.
set(definitions "")
set(entries "")
set(index 0)
foreach(name IN LISTS ASSETS)
  file(READ "${ASSET_DIR}/${name}" hex HEX)
  # Sixteen bytes a line, each written as a hexadecimal escape.
  string(REGEX REPLACE "(................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(REPLACE "\n" "\"\n    \"" escaped "${escaped}")
  string(APPEND definitions "constexpr char kAsset${index}[] =\n    \"${escaped}\";\n")
  string(APPEND entries "    {\"${name}\", {kAsset${index}, sizeof kAsset${index} - 1}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from resources/pages by embed_assets.cmake; do not edit.
#include \"pages/page_assets.h\"

namespace kestrune {
namespace {

${definitions}
constexpr PageAsset kAssets[] = {
${entries}};

}  // namespace

std::span<const PageAsset> PageAssets() { return kAssets; }

}  // namespace kestrune
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
