#include "engine/endurance_limit_range.h"

#include "engine/analysis_records.h"
#include "material/material_data.h"

bool SettleEnduranceLimit(MaterialData& m, const AnalysisOptions& a) {
  const bool range = EnduranceLimitMasterCurve(a);
  if (!range || m.SeTo < m.SeFrom) m.SeTo = m.SeFrom;
  m.Se = m.SeFrom;
  return range && m.SeTo == m.SeFrom;
}
