// The stock look's parameters.
#include "widgets/looks/building_blocks.h"

// Allegro's colours are the program's: the stock look has only the switch
// every look has.
const LookParamTable allegro_param_table = {&allegro_record, nullptr, 0};
