# Checks of the whole tree that the test suite runs beside the tests of the
# testing build (KANMERI_SUITE_CHECKS, on in the testing preset):
#  - clang.build, clang.unitTests (label clang): the tree built again with
#    clang++ (the clang preset, build/clang), warnings as errors, and its
#    unit tests;
#  - tidy.productionSources_haveNoFindings (label tidy): clang-tidy with the
#    checks of .clang-tidy on every production source file of this build.
set(kanmeri_clang_dir ${PROJECT_SOURCE_DIR}/build/clang)

add_test(NAME clang.build
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/BuildPreset.cmake clang)
set_tests_properties(clang.build PROPERTIES
    LABELS clang FIXTURES_SETUP kanmeri_clang TIMEOUT 2400)

add_test(NAME clang.unitTests
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${kanmeri_clang_dir} -L unit
            --output-on-failure --no-tests=error)
set_tests_properties(clang.unitTests PROPERTIES
    LABELS clang FIXTURES_REQUIRED kanmeri_clang TIMEOUT 600)

add_test(NAME tidy.productionSources_haveNoFindings
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/tidy ${CMAKE_BINARY_DIR})
set_tests_properties(tidy.productionSources_haveNoFindings PROPERTIES
    LABELS tidy TIMEOUT 1800)
unset(kanmeri_clang_dir)
