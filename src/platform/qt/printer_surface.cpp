#include "platform/draw/printer_surface.h"

#include "platform/qt/printer_device.h"
#include "platform/qt/window_grab.h"

struct PrinterSurface::Impl {
  PrinterDevice device;
};

PrinterSurface::PrinterSurface() : impl_(std::make_unique<Impl>()) {}
PrinterSurface::~PrinterSurface() = default;

Surface& PrinterSurface::Target() { return impl_->device; }
const Surface& PrinterSurface::Target() const { return impl_->device; }

void PrinterSurface::SetPdfNameSource(PdfNameSource source) { impl_->device.pdfNameSource = std::move(source); }
void PrinterSurface::SetPdfFile(const std::string& path) { impl_->device.fixedPdfFile = path; }
std::string PrinterSurface::PrinterName() const { return impl_->device.ChosenPrinter(); }
void PrinterSurface::SetPrinterName(const std::string& name) { impl_->device.SetChosenPrinter(name); }
std::string PrinterSurface::DeviceName() const { return impl_->device.TargetPrinter(); }

int PrinterSurface::Orientation() const { return impl_->device.Orientation(); }
void PrinterSurface::SetOrientation(int orientation) { impl_->device.SetOrientation(orientation); }
int PrinterSurface::Copies() const { return impl_->device.copies; }
void PrinterSurface::SetCopies(int copies) { impl_->device.copies = copies < 1 ? 1 : copies; }

void PrinterSurface::NewPage() { impl_->device.NewPage(); }
bool PrinterSurface::EndDoc() { return impl_->device.EndDoc(); }
void PrinterSurface::KillDoc() { impl_->device.KillDoc(); }
bool PrinterSurface::InDocument() const { return impl_->device.InDocument(); }
std::string PrinterSurface::LastError() const { return impl_->device.LastError(); }
bool PrinterSurface::LastDocCancelled() const { return impl_->device.Cancelled(); }

void PrinterSurface::DrawImage(const WindowImage& image, double x, double y, double w, double h) {
  impl_->device.DrawImage(QImageOf(image), x, y, w, h);
}
