# The version information built into the program (platform/version_info.h), written from the
# project's version while the build runs and linked in as an object library, so that every
# program that links it carries the block whole.
set(quillet_version_strings
  "CompanyName=https://quillet.example.org/"
  "Comments=mailto:quillet@example.org"
  "FileDescription=Quillet for Corvid! ver.2"
  "FileVersion=${PROJECT_VERSION}"
  "InternalName=Quillet"
  "LegalCopyright=Copyright (C) The Quillet developers"
  "OriginalFilename=quillet"
  "ProductName=Quillet"
  "ProductVersion=${PROJECT_VERSION}"
)
# Rewritten only when the strings change (a new version among them), so that the block is
# written again exactly then.
set(quillet_version_stamp ${CMAKE_CURRENT_BINARY_DIR}/version_strings.txt)
set(quillet_version_written "")
if(EXISTS ${quillet_version_stamp})
  file(READ ${quillet_version_stamp} quillet_version_written)
endif()
if(NOT quillet_version_written STREQUAL "${quillet_version_strings}")
  file(WRITE ${quillet_version_stamp} "${quillet_version_strings}")
endif()
set(quillet_version_source ${CMAKE_CURRENT_BINARY_DIR}/version_block.cpp)
add_custom_command(OUTPUT ${quillet_version_source}
  COMMAND quillet_version_gen ${quillet_version_source} ${quillet_version_strings}
  DEPENDS quillet_version_gen ${quillet_version_stamp}
  COMMENT "Writing the version block"
  VERBATIM)
add_library(quillet_version_block OBJECT ${quillet_version_source})
