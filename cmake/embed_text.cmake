# vhfcom_embed_text(<target> <symbol> <file>) compiles the bytes of <file>
# into <target> as `extern const std::string_view <symbol>`, made again at
# build time whenever the file changes. The target's sources declare the
# symbol themselves.
set(VHFCOM_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_text_file.cmake)

function(vhfcom_embed_text target symbol file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol} -P ${VHFCOM_EMBED_SCRIPT}
    DEPENDS ${file} ${VHFCOM_EMBED_SCRIPT}
    COMMENT "Embedding ${file}" VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
