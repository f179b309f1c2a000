#pragma once

#include <cstdint>

#include "component/ui/data_box_panel.h"
#include "platform/draw/surface.h"
#include "platform/ui/form.h"

// The pixels of the job summary right of the Kt box, where the note of the
// notch sensitivity ("(NS & MSE)" or "(NS)") stands, that are not the
// picture's background: 0 where no note is printed.
inline int NotePixels(DataBoxPanel& box) {
  Surface& pic = box.pic_DBox.surface();
  const TextBox& kt = box.SCFt(0);
  const int32_t back = pic.BackColor();
  int marked = 0;
  for (double x = kt.Left() + kt.Width() + 30; x < kt.Left() + kt.Width() + 1500; x += 15)
    for (double y = kt.Top(); y < kt.Top() + 240; y += 15)
      if (pic.Point(x, y) != back) ++marked;
  return marked;
}
