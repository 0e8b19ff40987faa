#pragma once
// A system pair of the lists as the fuzz targets convert it.

#include "fuzz/fuzz_support.h"
#include "workflow/input_window_conversion.h"

using namespace kortavex;

inline ConversionRequest pairRequest(const char* start, const char* target,
                                     Transformation transformation = Transformation::Helmert) {
  ConversionRequest request;
  request.systems.startName = start;
  request.systems.targetName = target;
  request.transformation = transformation;
  return request;
}

// The setup of `request`; a grid pair whose file is not at hand (PROJ's data
// directory holds BeTA2007 and CHENYX06) is converted with Helmert.
inline ConversionSetup preparedSetup(ConversionRequest request) {
  ConversionSetup setup;
  if (prepareConversion(request, setup) != SelectionError::None) {
    request.transformation = Transformation::Helmert;
    FUZZ_CHECK(prepareConversion(request, setup) == SelectionError::None);
  }
  return setup;
}
