#include "platform/qt/printer_device.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <QRectF>
#include <cstdio>
#include <vector>

#include "platform/draw/printer_choice.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/runtime_error.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;

std::vector<std::string> InstalledPrinters() {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
  return names;
}

}  // namespace

PrinterDevice::PrinterDevice() : PainterSurface("Arial", 10, 0xFFFFFF) { SelectDevice(); }

PrinterDevice::~PrinterDevice() {
  if (state_ == State::kActive) EndDoc();
}

std::string PrinterDevice::TargetPrinter() const {
  return PrinterToUse(chosenPrinter_, InstalledPrinters(), QPrinterInfo::defaultPrinterName().toStdString());
}

void PrinterDevice::SetChosenPrinter(const std::string& name) {
  chosenPrinter_ = name;
  SelectDevice();
}

// The page the next document is laid out on: that of the printer it goes
// to, or a PDF page where there is none. A document already open keeps its
// printer.
void PrinterDevice::SelectDevice() {
  if (state_ == State::kActive) return;
  const std::string name = TargetPrinter();
  if (name.empty()) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
  } else {
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(QString::fromStdString(name));
  }
  ApplyPageSetup();
}

// Drawing is placed from the top left corner of the printable area, as the
// printer's margins leave it; Width and Height stay the paper's.
void PrinterDevice::ApplyPageSetup() {
  printer_.setResolution(kResolution);
  printer_.setFullPage(false);
  printer_.setCopyCount(1);  // copies are looped by the caller
  printer_.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrinterDevice::SetOrientation(int orientation) {
  if (orientation != 1 && orientation != 2) return;
  orientation_ = orientation;
  printer_.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF PrinterDevice::DevicePixels() const { return printer_.pageRect(QPrinter::DevicePixel).size(); }

double PrinterDevice::Width() const {
  return printer_.paperRect(QPrinter::DevicePixel).width() * kTwipsPerInch / printer_.resolution();
}

double PrinterDevice::Height() const {
  return printer_.paperRect(QPrinter::DevicePixel).height() * kTwipsPerInch / printer_.resolution();
}

bool PrinterDevice::BeginOnPrinter(const std::string& name) {
  printer_.setOutputFormat(QPrinter::NativeFormat);
  printer_.setPrinterName(QString::fromStdString(name));
  ApplyPageSetup();
  painter_ = std::make_unique<QPainter>();
  if (painter_->begin(&printer_)) return true;
  painter_.reset();
  return false;
}

bool PrinterDevice::BeginOnPdf(const std::string& target) {
  pdfTarget_ = target;
  pdfTemporary_ = TemporaryNameBeside(target) + ".pdf";
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(QString::fromStdString(pdfTemporary_));
  ApplyPageSetup();
  painter_ = std::make_unique<QPainter>();
  if (painter_->begin(&printer_)) return true;
  painter_.reset();
  std::remove(pdfTemporary_.c_str());
  lastError_ = RuntimeErrorText(kErrPathFileAccess);
  pdfTarget_.clear();
  pdfTemporary_.clear();
  return false;
}

bool PrinterDevice::EnsureStarted() {
  if (state_ == State::kActive) return true;
  if (state_ == State::kCancelled) return false;
  lastError_.clear();
  cancelled_ = false;
  bool started = false;
  if (!fixedPdfFile.empty()) {
    started = BeginOnPdf(fixedPdfFile);
  } else if (const std::string printer = TargetPrinter(); !printer.empty() && BeginOnPrinter(printer)) {
    started = true;
  } else {
    const std::string name = pdfNameSource ? pdfNameSource() : std::string();
    if (name.empty()) {
      lastError_ = "Printing cancelled";
      cancelled_ = true;
    } else {
      started = BeginOnPdf(name);
    }
  }
  state_ = started ? State::kActive : State::kCancelled;
  return started;
}

void PrinterDevice::Paint(const std::function<void(QPainter&)>& draw) {
  if (!EnsureStarted()) return;
  draw(*painter_);
}

void PrinterDevice::Cls() {
  SetCurrentX(ScaleLeft());
  SetCurrentY(ScaleTop());
}

void PrinterDevice::Print(const std::string& text, bool keepPen) {
  if (ToDevice(CurrentX(), CurrentY()).y() >= DevicePixels().height()) {
    const double x = CurrentX();
    NewPage();
    SetCurrentX(x);
  }
  PainterSurface::Print(text, keepPen);
}

void PrinterDevice::NewPage() {
  if (EnsureStarted()) printer_.newPage();
  SetCurrentX(ScaleLeft());
  SetCurrentY(ScaleTop());
}

void PrinterDevice::Finish() {
  painter_.reset();
  pdfTarget_.clear();
  pdfTemporary_.clear();
  state_ = State::kIdle;
}

bool PrinterDevice::EndDoc() {
  bool ok = state_ != State::kCancelled || lastError_.empty();
  if (state_ == State::kActive) {
    ok = painter_->end();
    if (!pdfTarget_.empty()) {
      if (ok) {
        const SaveResult saved = ReplaceFile(pdfTemporary_, pdfTarget_);
        ok = saved.ok;
        lastError_ = saved.errorText;
      } else {
        std::remove(pdfTemporary_.c_str());
        lastError_ = RuntimeErrorText(kErrDeviceIO);
      }
    } else if (!ok) {
      lastError_ = RuntimeErrorText(kErrDeviceIO);
    }
  }
  Finish();
  SetCurrentX(ScaleLeft());
  SetCurrentY(ScaleTop());
  return ok;
}

void PrinterDevice::KillDoc() {
  if (state_ == State::kActive) {
    if (pdfTarget_.empty()) printer_.abort();
    painter_->end();
    if (!pdfTemporary_.empty()) std::remove(pdfTemporary_.c_str());
  }
  Finish();
}

void PrinterDevice::DrawImage(const QImage& image, double x, double y, double w, double h) {
  if (image.isNull()) return;
  const QPointF a = ToDevice(x, y);
  const QPointF b = ToDevice(x + w, y + h);
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(a, b).normalized(), image);
  });
}
