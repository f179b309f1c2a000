#pragma once

class Form;
struct ProgramState;

// Places every row of the job summary box on `pic_DBox` of a frame W x H
// twips: left and top by its rule, captions (a label sizes itself to its
// caption before the next control is placed by its width), value texts with
// their masks, and the data colour of the value boxes.
void LayOutSummaryRows(Form& form, const ProgramState& s, float W, float H);
