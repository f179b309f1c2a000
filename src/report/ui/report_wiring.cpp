#include "platform/draw/printer_surface.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

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

void WireReportCommands(FormMain& main) {
  FormMain* m = &main;
  MainMenus& menus = main.menus();
  menus.mnu_pdoc.onClick = [m] { mnu_pdoc_Click(*m); };
  menus.mnu_pfile.onClick = [m] { mnu_pfile_Click(*m); };
  menus.mnu_pform.onClick = [m] { mnu_pform_Click(*m); };
  menus.mnu_tobmp.onClick = [m] { mnu_tobmp_Click(*m); };
  menus.mnu_propt.onClick = [m] { mnu_propt_Click(*m); };
  menus.mnu_CopyScreen.onClick = [m] { mnu_CopyScreen_Click(*m); };

  FormShow* s = &main.formShow();
  s->mnu_prt_doc.onClick = [s] { mnu_prt_doc_Click(*s); };
  s->mnu_prt_file.onClick = [s] { mnu_prt_file_Click(*s); };
  s->mnu_prt_form.onClick = [s] { mnu_prt_form_Click(*s); };
  s->mnu_tobmp.onClick = [s] { mnu_tobmp_Click(*s); };
  s->mnu_prtopt.onClick = [s] { mnu_prtopt_Click(*s); };
  s->mnu_CopyScreen.onClick = [s] { mnu_CopyScreen_Click(*s); };

  main.Printer().SetPdfNameSource([m] { return m->host().ShowSave(PdfRequest()); });
}
