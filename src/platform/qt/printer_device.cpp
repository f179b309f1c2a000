#include "platform/qt/printer_device.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <QRectF>
#include <cstdio>

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/runtime_error.h"

namespace {

bool NoPrinterInstalled() { return QPrinterInfo::defaultPrinterName().isEmpty(); }

}  // namespace

PrinterDevice::PrinterDevice() : PainterSurface("Arial", 10, 0xFFFFFF) {
  if (NoPrinterInstalled()) printer_.setOutputFormat(QPrinter::PdfFormat);
  ApplyPageSetup();
}

PrinterDevice::~PrinterDevice() {
  if (state_ == State::kActive) EndDoc();
}

void PrinterDevice::ApplyPageSetup() {
  printer_.setResolution(kResolution);
  printer_.setFullPage(true);
  printer_.setCopyCount(1);  // copies are looped by the caller
  printer_.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrinterDevice::SetOrientation(int orientation) {
  if (orientation != 1 && orientation != 2) return;
  orientation_ = orientation;
  printer_.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF PrinterDevice::DevicePixels() const { return printer_.paperRect(QPrinter::DevicePixel).size(); }

bool PrinterDevice::BeginOnPrinter() {
  printer_.setOutputFormat(QPrinter::NativeFormat);
  printer_.setPrinterName(QPrinterInfo::defaultPrinterName());
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
  } else if (!NoPrinterInstalled() && BeginOnPrinter()) {
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
