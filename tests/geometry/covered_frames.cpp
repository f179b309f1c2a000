#include "geometry/covered_frames.h"

#include <QRegion>
#include <QWidget>
#include <string>

#include "platform/ui/form.h"

namespace {

// Narrower than this, what shows of a frame beneath is its edge alone.
constexpr int kEdgeOnly = 4;

std::vector<const Control*> FramesOnShow(const Form& form) {
  std::vector<const Control*> frames;
  for (const Control* c : form.Controls())
    if (!c->Container() && c->Kind() == ControlKind::Frame && c->IsShowing()) frames.push_back(c);
  return frames;
}

// Whether `front` lies above `beneath` on the window (later in its stack).
bool InFront(const QWidget* front, const QWidget* beneath) {
  const QObjectList& stack = front->parentWidget()->children();
  return stack.indexOf(front) > stack.indexOf(beneath);
}

}  // namespace

std::vector<ShownFault> EdgesBesideFramesInFront(const Form& form) {
  std::vector<ShownFault> faults;
  const std::vector<const Control*> frames = FramesOnShow(form);
  for (const Control* beneath : frames) {
    const QRect under = beneath->widget()->geometry();
    QRegion inSight(under);
    std::string fronts;
    for (const Control* front : frames) {
      const QRect over = front->widget()->geometry();
      if (front == beneath || !InFront(front->widget(), beneath->widget()) || !over.intersects(under)) continue;
      inSight -= over;
      fronts += (fronts.empty() ? "" : ", ") + ControlName(*front);
    }
    if (fronts.empty()) continue;
    for (const QRect& strip : inSight) {
      const bool side = strip.width() < kEdgeOnly && (strip.left() == under.left() || strip.right() == under.right());
      const bool bottom = strip.height() < kEdgeOnly && strip.bottom() == under.bottom();
      if (side || bottom)
        faults.push_back({ControlName(*beneath), "",
                          "shows its border beside " + fronts + " in a strip of " + std::to_string(strip.width()) +
                              " x " + std::to_string(strip.height()) + " px"});
    }
  }
  return faults;
}
