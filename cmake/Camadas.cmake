# The program's layers: properties <- equipment <- plant <- io <- ui, tools.
# Each folder is a library, and its headers are reachable only as
# "<folder>/<file>.h" through a directory of the build tree that holds nothing
# but a link named after the folder. A library puts that directory on its
# PUBLIC include path, so code sees its own folder and the folders of the
# libraries it links, and an include of a layer above fails to compile.
# The project root is on no library's include path. The window's rooms are
# folders one level down ("ui/vistas"), reached the same way as
# "ui/vistas/<file>.h"; see ui/README.md.

get_filename_component(USINA_RAIZ_CAMADAS "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# usina_camada(alvo pasta): alvo is the library of the source folder pasta
# ("plant", "ui/vistas").
function(usina_camada alvo pasta)
  string(REPLACE "/" "-" nome "${pasta}")
  set(diretorio "${CMAKE_BINARY_DIR}/camadas/${nome}")
  get_filename_component(acima "${diretorio}/${pasta}" DIRECTORY)
  file(MAKE_DIRECTORY "${acima}")
  file(CREATE_LINK "${USINA_RAIZ_CAMADAS}/${pasta}" "${diretorio}/${pasta}" SYMBOLIC)
  target_include_directories(${alvo} PUBLIC "${diretorio}")
  target_link_libraries(${alvo} PUBLIC usina_opcoes)
endfunction()
