#include "platform/runtime/save_name.h"

#include <gtest/gtest.h>

TEST(SaveName, ANameTypedWithoutExtensionGetsTheFiltersOne) {
  const struct {
    const char* filter;
    const char* typed;
    const char* saved;
  } cases[] = {
      {"Duvak Job (*.sns)|*.sns", "/home/eng/job1", "/home/eng/job1.sns"},
      {"Duvak Job (*.sns)|*.sns", "/home/eng/job1.sns", "/home/eng/job1.sns"},
      {"Duvak Job (*.sns)|*.sns", "/home/eng/job1.txt", "/home/eng/job1.txt"},  // used as typed
      {"Duvak Job (*.sns)|*.sns", "/home/eng.v2/job1", "/home/eng.v2/job1.sns"},
      {"Duvak Job (*.sns)|*.sns", "/home/eng/.job", "/home/eng/.job.sns"},
      {"Duvak Job (*.sns)|*.sns", "job1", "job1.sns"},
      {"DUVAK Results (*.bmp)|*.bmp", "/tmp/screen", "/tmp/screen.bmp"},
      {"MIRET Fatigue Test Data (*.txt;*.lft)|*.txt;*.lft", "/tmp/data", "/tmp/data"},  // two patterns
      {"A (*.a)|*.a|B (*.b)|*.b", "/tmp/x", "/tmp/x"},
      {"All (*.*)|*.*", "/tmp/x", "/tmp/x"},
      {"", "/tmp/x", "/tmp/x"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithDefaultExtension(c.typed, c.filter), c.saved) << c.filter << " " << c.typed;
  EXPECT_EQ(DefaultExtension("Duvak Job (*.sns)|*.sns"), ".sns");
}
