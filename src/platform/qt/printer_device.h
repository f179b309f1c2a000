#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "platform/qt/painter_surface.h"

// The Qt side of PrinterSurface: a PainterSurface over a QPrinter that opens
// its document on the first drawing call.
class PrinterDevice : public PainterSurface {
 public:
  static constexpr int kResolution = 600;

  PrinterDevice();
  ~PrinterDevice() override;

  std::function<std::string()> pdfNameSource;
  std::string fixedPdfFile;
  int copies = 1;

  // The printer chosen in a print setup ("" for the default printer), and
  // the printer the next document goes to ("" for a PDF file).
  const std::string& ChosenPrinter() const { return chosenPrinter_; }
  void SetChosenPrinter(const std::string& name);
  std::string TargetPrinter() const;

  // The paper's size in twips; the default scale covers its printable area.
  double Width() const override;
  double Height() const override;
  // The printer has nothing to clear: only the pen goes to the top left.
  void Cls() override;
  // Text whose top would lie below the page goes to the top of a new page,
  // so that long reports lose no lines.
  void Print(const std::string& text, bool keepPen = false) override;
  int Orientation() const { return orientation_; }
  void SetOrientation(int orientation);
  void NewPage();
  bool EndDoc();
  void KillDoc();
  bool InDocument() const { return state_ == State::kActive; }
  const std::string& LastError() const { return lastError_; }
  bool Cancelled() const { return cancelled_; }
  void DrawImage(const QImage& image, double x, double y, double w, double h);

 protected:
  QSizeF DevicePixels() const override;
  double DpiX() const override { return printer_.resolution(); }
  double DpiY() const override { return printer_.resolution(); }
  const QPaintDevice* MetricsDevice() const override { return &printer_; }
  void Paint(const std::function<void(QPainter&)>& draw) override;
  int32_t PixelAt(int, int) const override { return -1; }
  bool SnapsToPixels() const override { return false; }

 private:
  enum class State { kIdle, kActive, kCancelled };
  bool EnsureStarted();
  void SelectDevice();
  bool BeginOnPrinter(const std::string& name);
  bool BeginOnPdf(const std::string& target);
  void ApplyPageSetup();
  void Finish();

  mutable QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter_;
  State state_ = State::kIdle;
  int orientation_ = 1;
  std::string chosenPrinter_;
  std::string pdfTarget_;     // the PDF being written, "" on a printer
  std::string pdfTemporary_;  // where it is written until EndDoc
  std::string lastError_;
  bool cancelled_ = false;  // the last document got no PDF name
};
