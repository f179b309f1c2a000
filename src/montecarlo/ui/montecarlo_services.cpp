#include "montecarlo/ui/montecarlo_services.h"

void ShowRandomVariablePanel(FormMain&, const std::string&, int16_t) {}
