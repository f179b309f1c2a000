#pragma once

class FormMain;

// Gives the diagram pictures their back colours from ColourSettings:
// Pic_SN the S-N colour; Pic_Rel and Pic_Dam the results colour; Pic_Hist,
// Pic_Spectr and Pic_Distr the loading colour; pic_master and pic_master1 the
// diagrams colour; pic_DBox the summary box colour. The input boxes at rest
// follow too (those on the S-N frame the S-N colour, those of the job summary
// the summary box colour), so every repaint shows the colours in force.
void ApplyPictureColours(FormMain& main);

// Paints the five colour labels of the colours frame (Graphics 1, 2, 3, 4
// and 6) with the colours they stand for.
void PaintColourLabels(FormMain& main);
