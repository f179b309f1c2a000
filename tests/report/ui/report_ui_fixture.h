#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/draw/printer_surface.h"
#include "program_state.h"
#include "report/report_jobs.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

// A fresh program with the constant-amplitude job of the report tests in its
// records, driven headless in a folder of its own. The printer writes PDF
// files named through the host's save dialog, as on a machine without a
// printer; the tests are skipped where a printer is installed.
class ReportUi : public ::testing::Test {
 protected:
  ReportUi() { PutConstantAmplitudeJob(state); }
  void SetUp() override {
    if (!main.Printer().DeviceName().empty()) GTEST_SKIP() << "a printer is installed";
  }

  std::string Path(const std::string& name) const { return (folder.path() / name).string(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(folder.path() / name); }
  // Answers the next save dialogs (the command's own, or the PDF names).
  void Answer(std::initializer_list<std::string> names) {
    for (const std::string& n : names) host.saveAnswers.push_back(n.empty() ? n : Path(n));
  }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
  }

  ScopedCurrentFolder folder{"report_ui"};
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
};

// Width and height in pixels from the header of a .bmp file; {0, 0} when it
// is not one.
inline std::pair<int32_t, int32_t> BitmapSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) return {0, 0};
  const auto le32 = [&](std::size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<int32_t>(v);
  };
  return {le32(18), le32(22)};
}

// A window's outer size in pixels, as the hidden picture takes it.
inline std::pair<int32_t, int32_t> PixelSize(const Form& window) {
  return {static_cast<int32_t>(std::lround(window.Width() / 15)),
          static_cast<int32_t>(std::lround(window.Height() / 15))};
}
