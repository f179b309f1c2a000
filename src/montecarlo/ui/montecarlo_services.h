#pragma once

#include <cstdint>
#include <string>

// Services of the probabilistic analysis that the input handlers call.

class FormMain;

// Will open the random-variable dialog titled `title` for the variable of the
// calling input (index 0 of "Component Geometry" is Kt).
void ShowRandomVariablePanel(FormMain& main, const std::string& title, int16_t index);
