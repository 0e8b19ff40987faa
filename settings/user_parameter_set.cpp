#include "settings/user_parameter_set.h"

#include "engine/number_text.h"

void UserParameterSet::numbersFromTexts() {
  double* const numbers[PARAM_COUNT] = {&dx, &dy, &dz, &scale, &rx, &ry, &rz,
                                        &centralMeridian, &latitudeOfOrigin, &northParallel,
                                        &southParallel, &falseEasting, &falseNorthing};
  for (int i = 0; i < PARAM_COUNT; ++i) *numbers[i] = numericPrefix(texts[i]);
}
