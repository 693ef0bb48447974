#include "frame/abi/element_axes.h"

namespace xaq::abi {

ElementAxes elementAxes(ElementHeader* e) {
  ElementAxes out;
  auto add = [&out](HostVarRecord& variable, ValueCallback callback) { out.axis[out.count++] = {&variable, callback}; };
  if (auto* n = elementAs<NeedleElement>(e)) {
    add(n->variable, n->callback);
  } else if (auto* s = elementAs<StringElement>(e)) {
    add(s->variables[0], s->callback);
  } else if (auto* l = elementAs<SliderElement>(e)) {
    add(l->xVariable, l->xCallback);
    add(l->yVariable, l->yCallback);
  } else if (auto* i = elementAs<IconElement>(e)) {
    add(i->variable, i->callback);
  } else if (auto* m = elementAs<MovingImageElement>(e)) {
    add(m->xVariable, m->xCallback);
    add(m->yVariable, m->yCallback);
  } else if (auto* p = elementAs<SpriteElement>(e)) {
    add(p->xVariable, p->xCallback);
    add(p->yVariable, p->yCallback);
    add(p->rotationVariable, p->rotationCallback);
  }
  return out;
}

}  // namespace xaq::abi
