# The portable ID3v2 reader's sources, for every build that compiles it: the
# core library, the benchmark (without sanitizers) and the fuzz build (clang).
set(PLINKETY_TAG_READER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ExtendedHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameInflate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Id3v2Tag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SynchData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagReadBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextDecoder.cpp)
