# Golden images: xaq_golden_test(name SCENARIO file.scn IMAGES GAUGE_TTTTT.T.png ...) runs the
# scenario in the sim host with the module's own bitmaps and compares each image it writes with
# tests/sil/golden/<name>/<image> (xaq-imgdiff: a channel may move by 8 on at most 0.5% of the
# pixels). A failing image leaves <image>.diff.png beside the output. To take new references,
# run scripts/bless-golden.sh [name] and review them by eye before committing.
set(XAQ_GOLDEN_DIR ${CMAKE_CURRENT_LIST_DIR}/golden)

function(xaq_golden_test name)
  cmake_parse_arguments(G "" "SCENARIO" "IMAGES" ${ARGN})
  if(NOT G_SCENARIO OR NOT G_IMAGES)
    message(FATAL_ERROR "xaq_golden_test(${name}): SCENARIO and IMAGES are required")
  endif()
  string(REPLACE ";" "|" images "${G_IMAGES}")
  add_test(NAME golden_${name}
    COMMAND ${CMAKE_COMMAND}
            -DSIMHOST=$<TARGET_FILE:xaq-simhost> -DMODULE=$<TARGET_FILE:Xaq-Orvek>
            -DIMGDIFF=$<TARGET_FILE:xaq-imgdiff> -DSCENARIO=${G_SCENARIO}
            -DSIMFOLDER=${PROJECT_SOURCE_DIR}/resources/simfolder
            -DOUT=${CMAKE_CURRENT_BINARY_DIR}/golden/${name} -DREFERENCES=${XAQ_GOLDEN_DIR}/${name}
            -DIMAGES=${images} -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/golden_check.cmake)
  set_tests_properties(golden_${name} PROPERTIES LABELS "sil;golden" TIMEOUT 120 ENVIRONMENT "${lsan}")
endfunction()
