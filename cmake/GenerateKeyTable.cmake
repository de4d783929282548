# Writes the accelerator key tables (QORDialog::KeyName / QORDialog::numkey)
# from the system's X11/keysymdef.h, so they follow the X keysym names.
#
#   cmake -DKEYSYMDEF=/usr/include/X11/keysymdef.h -DOUTPUT=file.cpp -P GenerateKeyTable.cmake
#
# Taken: the 16-bit keysyms of the sets below, in header order. Left out: the
# Japanese input-method keys of the miscellany (0xFF21..0xFF3F: an input
# method consumes them before any accelerator could), and the Cyrillic and
# Greek letters added after our table was fixed. Renamed: Return is "Enter",
# Escape "Esc", Delete "Del", and the small letters a..z carry the names of
# their capitals, so a letter name matches whichever case is typed.
if(NOT KEYSYMDEF OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DKEYSYMDEF=... -DOUTPUT=... -P GenerateKeyTable.cmake")
endif()

set(sets XK_MISCELLANY XK_LATIN1 XK_LATIN2 XK_LATIN3 XK_LATIN4 XK_KATAKANA XK_ARABIC XK_CYRILLIC
         XK_GREEK XK_TECHNICAL XK_SPECIAL XK_PUBLISHING XK_APL XK_HEBREW)
set(late Ukrainian_ghe_with_upturn Ukrainian_GHE_WITH_UPTURN Byelorussian_shortu Byelorussian_SHORTU
         Greek_IOTAdieresis)

file(STRINGS "${KEYSYMDEF}" lines REGEX "^#(ifdef XK_|endif|define XK_[A-Za-z0-9_]+[ \t]+0x)")
set(inSet FALSE)
set(names "")
set(codes "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#ifdef (XK_[A-Z0-9_]+)")
    list(FIND sets "${CMAKE_MATCH_1}" at)
    if(at GREATER -1)
      set(inSet TRUE)
    else()
      set(inSet FALSE)
    endif()
  elseif(line MATCHES "^#endif")
    set(inSet FALSE)
  elseif(inSet AND line MATCHES "^#define XK_([A-Za-z0-9_]+)[ \t]+0x([0-9a-fA-F]+)")
    set(name "${CMAKE_MATCH_1}")
    set(hex "${CMAKE_MATCH_2}")
    string(LENGTH "${hex}" len)
    if(len GREATER 6)  # the Unicode keysyms (0x100xxxx) do not fit the 16-bit code
      continue()
    endif()
    math(EXPR value "0x${hex}" OUTPUT_FORMAT DECIMAL)
    if(value GREATER 65535)
      continue()
    endif()
    if(value GREATER_EQUAL 65313 AND value LESS_EQUAL 65343)  # 0xFF21..0xFF3F
      continue()
    endif()
    list(FIND late "${name}" isLate)
    if(isLate GREATER -1)
      continue()
    endif()
    if(value EQUAL 65293)      # 0xFF0D
      set(name "Enter")
    elseif(value EQUAL 65307)  # 0xFF1B
      set(name "Esc")
    elseif(value EQUAL 65535)  # 0xFFFF
      set(name "Del")
    elseif(value GREATER_EQUAL 97 AND value LESS_EQUAL 122)
      string(TOUPPER "${name}" name)
    endif()
    math(EXPR code "${value}" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND names "    \"${name}\",\n")
    string(APPEND codes "    ${code},\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()

file(WRITE "${OUTPUT}.tmp"
"// Generated from ${KEYSYMDEF} by cmake/GenerateKeyTable.cmake; do not edit.\n"
"#include \"QORDialog.h\"\n\n"
"const int QORDialog::KeyCount = ${count};\n\n"
"const char* const QORDialog::KeyName[] = {\n${names}    nullptr,\n};\n\n"
"const unsigned short QORDialog::numkey[] = {\n${codes}    0,\n};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
