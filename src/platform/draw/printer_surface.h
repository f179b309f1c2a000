#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/draw/forwarding_surface.h"
#include "platform/draw/window_image.h"

// The printer: drawing goes as vector output to the printer chosen in a print
// setup while it is installed, else to the default printer, one document from
// the first drawing call to EndDoc. Where no printer is installed (or the
// printer cannot be opened) the document goes to a PDF file whose name the
// PDF name source is asked for when the document starts; an empty answer
// cancels the document and its drawing is dropped. A PDF is written beside
// its target and renamed over it at EndDoc.
//
// Width and Height are the paper's size in twips for the orientation; the
// default scale covers the printable area, its origin at the area's top left
// corner (the printer's own margins lie outside it). DrawWidth counts printer
// pixels (600 dpi). Copies are printed by the caller, one document per copy.
// Text whose top would lie below the page starts a new page (so a long report
// loses no lines).
class PrinterSurface : public ForwardingSurface {
 public:
  // Asked for a PDF file name when a document starts and no printer exists;
  // returns "" to cancel.
  using PdfNameSource = std::function<std::string()>;

  PrinterSurface();
  ~PrinterSurface() override;  // ends a document still open
  PrinterSurface(const PrinterSurface&) = delete;
  PrinterSurface& operator=(const PrinterSurface&) = delete;

  bool IsPrinter() const override { return true; }

  void SetPdfNameSource(PdfNameSource source);
  // Sends every following document to this PDF file, without asking and
  // whether a printer exists or not; "" goes back to the printer.
  void SetPdfFile(const std::string& path);
  // The printer chosen in a print setup; "" for the default printer. A
  // document already open stays on its printer.
  std::string PrinterName() const;
  void SetPrinterName(const std::string& name);
  // The printer the next document goes to; "" where none is installed.
  std::string DeviceName() const;

  // 1 portrait, 2 landscape; other values are ignored. A change during a
  // document applies from the next page.
  int Orientation() const;
  void SetOrientation(int orientation);
  int Copies() const;
  void SetCopies(int copies);

  // Ends the page and starts a new one; the pen goes to the top left.
  void NewPage();
  // Ends the document and sends it to the printer (or finishes the PDF).
  // Returns false when the output could not be written (LastError says why).
  bool EndDoc();
  // Abandons the document; nothing is printed, no file is left.
  void KillDoc();
  // Whether a document is open.
  bool InDocument() const;
  // Why the last document failed or was cancelled; "" after a good one.
  std::string LastError() const;
  // Whether the last document was dropped because no PDF name was given.
  bool LastDocCancelled() const;

  // Draws an image scaled into the box (x, y)-(x + w, y + h) in user units
  // (as StretchBlt with a source copy).
  void DrawImage(const WindowImage& image, double x, double y, double w, double h);

 protected:
  Surface& Target() override;
  const Surface& Target() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
