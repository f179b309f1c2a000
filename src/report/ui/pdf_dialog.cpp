#include "platform/draw/printer_surface.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"

namespace {

// Where no printer is installed, a printer document goes to a PDF file whose
// name the user gives; no name drops the document.
FileDialogRequest PdfRequest() {
  FileDialogRequest r;
  r.filter = "PDF (*.pdf)|*.pdf";
  r.flags = kSaveDialogFlags;
  r.title = "Print to PDF";
  return r;
}

}  // namespace

void ConnectPrinterToPdfDialog(FormMain& main) {
  FormMain* m = &main;
  main.Printer().SetPdfNameSource([m] { return m->host().ShowSave(PdfRequest()); });
}
