#pragma once

// The report and print commands of both windows: the summary report on the
// printer or in a text file, print screen on the printer or in a bitmap,
// copy screen to the printer and the printer setup. Each window keeps its
// own copy count in its common dialog `PrintDlg`.

#include <vector>

#include "report/screen_sequence.h"

class FormMain;
class FormShow;
class Surface;

// Main window, "Resul&ts" menu (each acts only while the main view is idle;
// the report and print-screen commands beep otherwise).
// "Print Su&mmary" > "to  &Printer": the report once per copy, upright.
void mnu_pdoc_Click(FormMain& main);
// "Print Su&mmary" > "to  &File...": the report in a text file chosen by name.
void mnu_pfile_Click(FormMain& main);
// "Print &Screen" > "to &Printer": the window's diagrams and summary box
// drawn again on the page, once per copy, on its side.
void mnu_pform_Click(FormMain& main);
// "Print &Screen" > "to &File...": the same drawn on the hidden picture at
// the window's size and saved as a bitmap.
void mnu_tobmp_Click(FormMain& main);
// "Print Set&up...": the print dialog and its copy count.
void mnu_propt_Click(FormMain& main);
// "Scree&n" > "&Copy Screen to Printer": a pixel copy of the window.
void mnu_CopyScreen_Click(FormMain& main);

// Second window, "&Results" menu (none waits for the main view).
void mnu_prt_doc_Click(FormShow& show);
void mnu_prt_file_Click(FormShow& show);
// "Print &Screen": the view on show (test data diagram, simulation results,
// random-variable density); for the simulation results the main screen too
// when the user asks for it (a second document, or a second bitmap).
void mnu_prt_form_Click(FormShow& show);
void mnu_tobmp_Click(FormShow& show);
void mnu_prtopt_Click(FormShow& show);
void mnu_CopyScreen_Click(FormShow& show);

// Draws the given drawings of the main window one after the other on
// `target` (the printer or the hidden picture).
void DrawMainScreen(FormMain& main, Surface& target, const std::vector<ScreenDrawing>& drawings);

// Gives the printer its PDF name dialog, for machines without a printer.
void ConnectPrinterToPdfDialog(FormMain& main);
