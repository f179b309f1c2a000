#pragma once

// Services of the report subsystem (summary report and print screen).

class FormMain;

// Will print the summary report of the job in hand.
void PrintSummaryReport(FormMain& main);
// Will write the summary report to a text file chosen by the user.
void SaveSummaryReport(FormMain& main);
// Will print the main window's diagrams and summary box.
void PrintMainScreen(FormMain& main);
// Will save the main window's diagrams to a bitmap file.
void SaveMainScreenBitmap(FormMain& main);
