# Proves for one layer that an include of a layer above it, or beside it,
# fails to build, and that the headers of its own layer and of those below
# it are found: a file that includes one header of each layer's folder is
# preprocessed with the layer's include directories and definitions. No
# file of the layer includes by a path out of its folder ("../").
# cmake -DLAYER=name -DSEEN=a|b -DLAYERS=a|b|c -DINCLUDES=dir|dir -DDEFINES=def|def
#       -DCOMPILER=c++ -DSOURCE_DIR=dir -DWORK=dir -P layer_check.cmake
foreach(list SEEN LAYERS INCLUDES DEFINES)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
set(flags "")
foreach(directory ${INCLUDES})
  list(APPEND flags "-I${directory}")
endforeach()
foreach(definition ${DEFINES})
  list(APPEND flags "-D${definition}")
endforeach()
file(MAKE_DIRECTORY ${WORK})
set(ENV{LC_ALL} C)  # the compiler's messages untranslated
set(ENV{LANGUAGE} C)
set(faults "")
foreach(folder ${LAYERS})
  file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h)
  list(SORT headers)
  list(GET headers 0 header)
  file(WRITE ${WORK}/${folder}.cpp "#include \"${header}\"\n")
  execute_process(COMMAND ${COMPILER} -std=c++17 -E ${flags} ${folder}.cpp -o ${folder}.ii
                  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result ERROR_VARIABLE error)
  list(FIND SEEN ${folder} seen)
  if(seen GREATER -1 AND NOT result EQUAL 0)
    string(APPEND faults "${LAYER} does not find ${header}:\n${error}\n")
  elseif(seen EQUAL -1 AND result EQUAL 0)
    string(APPEND faults "${LAYER} includes ${header}, of a layer that is not below it\n")
  elseif(seen EQUAL -1 AND NOT error MATCHES "${header}(: No such file|' file not found)")
    string(APPEND faults "${LAYER} including ${header} failed, but not for want of it:\n${error}\n")
  endif()
endforeach()
# A path relative to the including file would pass by the include directories.
file(GLOB sources ${SOURCE_DIR}/${LAYER}/*.h ${SOURCE_DIR}/${LAYER}/*.cpp)
foreach(source ${sources})
  file(STRINGS ${source} upward REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\./")
  if(upward)
    string(APPEND faults "${source} includes out of its folder: ${upward}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
message(STATUS "${LAYER} sees ${SEEN} and no other layer")
