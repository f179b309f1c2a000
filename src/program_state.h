#pragma once

// The program's state: one of each program-wide record. The application owns
// one; a fresh one holds the start-up values. Add new records as members
// named after the record in lower camel case.

#include "component/component_data.h"
#include "diagrams/results_display.h"
#include "engine/analysis_records.h"
#include "layout/layout_scales.h"
#include "loading/loading_records.h"
#include "material/fatigue_db_records.h"
#include "material/material_data.h"
#include "montecarlo/mcs_records.h"
#include "montecarlo/random_variables.h"
#include "shell/colour_settings.h"
#include "shell/job_texts.h"
#include "shell/shell_state.h"
#include "shell/unit_settings.h"
#include "shell/wizard_flags.h"
#include "testdata/test_data_records.h"

struct ProgramState {
  AnalysisOptions analysisOptions;
  AnalysisDialogState analysisDialogState;
  Results results;
  LifeResults lifeResults;
  MaterialData materialData;
  FatigueDatabase fatigueDatabase;
  FatigueDbState fatigueDbState;
  FatigueDbEditState fatigueDbEditState;
  LoadingData loadingData;
  LoadingUnits loadingUnits;
  LoadingDbState loadingDbState;
  LoadingDatabase loadingDatabase;
  LoadingDistributionBlocks loadingDistributionBlocks;
  ComponentData componentData;
  McsSettings mcsSettings;
  McsResults mcsResults;
  McsDisplay mcsDisplay;
  RandomVariableTable randomVariableTable;
  RandomVariablePanel randomVariablePanel;
  ResultsDisplay resultsDisplay;
  ShellState shellState;
  ColourSettings colourSettings;
  UnitSettings unitSettings;
  JobTexts jobTexts;
  LayoutScales layoutScales;
  WizardFlags wizardFlags;
  TestDataSet testDataSet;

  bool operator==(const ProgramState&) const = default;
};
