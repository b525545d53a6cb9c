# Turns the layout tables of art/ (form,control,x,y,w,h and control,x,y,w,h
# for the menu) into a C++ header, so that the drawn backgrounds and the
# controls placed over them come from one table.
# Run as: cmake -DECRANS=... -DMENU=... -DSORTIE=... -P disposition.cmake
set(lignes "")
function(ajouter form control x y w h)
  set(lignes "${lignes}    {\"${form}\", \"${control}\", {${x}, ${y}, ${w}, ${h}}},\n" PARENT_SCOPE)
endfunction()

file(STRINGS "${ECRANS}" ecrans)
list(POP_FRONT ecrans)
foreach(ligne IN LISTS ecrans)
  string(REPLACE "," ";" champs "${ligne}")
  list(LENGTH champs n)
  if(n EQUAL 6)
    ajouter(${champs})
  endif()
endforeach()

file(STRINGS "${MENU}" menu)
list(POP_FRONT menu)
foreach(ligne IN LISTS menu)
  string(REPLACE "," ";" champs "${ligne}")
  list(LENGTH champs n)
  if(n EQUAL 5)
    ajouter(depart ${champs})
  endif()
endforeach()

set(contenu "// Generated from art/screen_layout.csv and art/menu_layout.csv: edit those.
#pragma once
#include \"core/disposition.h\"

namespace disposition {
inline constexpr Place kTable[] = {
${lignes}};
}  // namespace disposition
")
file(WRITE "${SORTIE}.tmp" "${contenu}")
file(COPY_FILE "${SORTIE}.tmp" "${SORTIE}" ONLY_IF_DIFFERENT)
