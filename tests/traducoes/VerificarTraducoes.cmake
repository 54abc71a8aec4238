# Extracts the texts marked for translation from the window's sources into a
# fresh file and compares the committed translation with it.
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language pt_BR
          -target-language en -I ${RAIZ} ${RAIZ}/ui -ts ${EXTRAIDO}
  RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "lupdate falhou: ${resultado}")
endif()
execute_process(COMMAND ${VERIFICADOR} ${TS} ${EXTRAIDO} RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "traduções incompletas ou desatualizadas")
endif()
