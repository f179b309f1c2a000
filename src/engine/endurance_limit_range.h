#pragma once

struct AnalysisOptions;
struct MaterialData;

// The endurance limit the job calculates with. A master curve over the
// endurance limit runs from SeFrom to SeTo, which does not run backwards;
// every other job works at the one endurance limit SeFrom, and SeTo follows
// it. Se, the endurance limit that the summary, the reports and the S-N
// extension read, is SeFrom in either case, so that what is shown and saved
// is what is calculated. Returns whether a master curve's range is still
// empty (its ends are to be entered).
bool SettleEnduranceLimit(MaterialData& material, const AnalysisOptions& options);
