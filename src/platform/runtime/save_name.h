#pragma once

#include <string>
#include <string_view>

// The extension a save dialog gives a name typed without one: that of the
// filter's only pattern ("Duvak Job (*.sns)|*.sns" gives ".sns"); "" when the
// filter offers several patterns or none of the form "*.ext".
std::string DefaultExtension(std::string_view filter);

// The name a save dialog returns for `path` as typed: with the filter's
// default extension when the file name has no extension (no point after its
// first character), otherwise as typed. So "job1" is saved as "job1.sns",
// which the open dialog's filter then lists.
std::string WithDefaultExtension(const std::string& path, std::string_view filter);
