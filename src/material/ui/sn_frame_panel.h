#pragma once

#include "platform/ui/form.h"

class FormMain;

// The material frame `frm_SN`: the S-N diagram and the S-N curve inputs on it.
// `SNth`/`SNtht` elements 0 and 1 (thickness) lie in the job summary box and
// `dN_distr` elements 1 and 3 elsewhere; the arrays are the same objects.
class SnFramePanel {
 public:
  explicit SnFramePanel(FormMain& main);

  FormMain& main;
  Frame& frm_SN;
  PictureBox& Pic_SN;
  ControlArray<Label>& SNSe;
  ControlArray<TextBox>& SNset;
  ControlArray<Label>& dN_distr;
  Label& SNNo;
  TextBox& SNNot;
  Label& SNm;
  TextBox& SNmt;
  Label& SNPn;
  TextBox& SNPnt;
  Label& SNr;
  TextBox& SNrt;
  ControlArray<Label>& SNth;
  ControlArray<TextBox>& SNtht;
  Label& SNE;
  TextBox& SNEt;
};
