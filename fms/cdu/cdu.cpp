#include "fms/cdu/cdu.h"

namespace xaq::fms {

namespace {
constexpr double kLitBrightness = 0.95;
}  // namespace

Cdu::Cdu(FmsCore& core, platform::CanvasFactory* canvases, CduRadios& radios)
    : core_(core), canvases_(canvases), radios_(radios) {}

void Cdu::update(const CycleContext& now, const CduInputs& in) {
  now_ = now;
  in_ = in;
  switchedOn = in.avionicsPowered;

  // Power-up: the status page and its self-test, then INIT.
  const bool on = powered && switchedOn;
  if (on && !running) {
    show(status_);
    status_.enter();
  }
  running = on;
  if (current_ == &status_ && status_.selfTestFinished()) show(init_);

  runPageAction();

  weights_.update(in.fuelOnBoardLb);
  core_.update(in.guidance);
}

void Cdu::runPageAction() {
  CduPage& page = *current_;
  const PageAction action = page.action;
  page.action = PageAction::kNone;
  if (action == PageAction::kOpenChild) {
    CduPage* child = page.childPage;
    if (child != nullptr && child->enter()) {
      child->returnPage = &page;
      show(*child);
    }
  } else if (action == PageAction::kReturn) {
    if (&page == &dto_) {
      if (dto_.wantsNav) {
        dto_.wantsNav = false;
        if (nav_.enter()) {
          show(nav_);
          return;
        }
      }
      if (dto_.returnPage != nullptr) show(*dto_.returnPage);
      return;
    }
    if (page.returnPage != nullptr) {
      show(*page.returnPage);
      current_->resume();
    }
  }
}

void Cdu::pressKey(int code) {
  CduPage* target = nullptr;
  switch (code) {
    case key::kFuel: target = &fuel_; break;
    case key::kNav: target = &nav_; break;
    case key::kFpl: target = &fpl_; break;
    case key::kPerf: target = &perf_; break;
    case key::kDto:
    case key::kTune: {
      CduPage& page = code == key::kDto ? static_cast<CduPage&>(dto_) : static_cast<CduPage&>(tune_);
      if (current_ != &page && page.enter()) {
        page.returnPage = current_;
        show(page);
      }
      return;
    }
    default:
      current_->key(code);
      return;
  }
  if (target->enter()) show(*target);
}

void Cdu::draw(const displays::GlassElement* screen) {
  current_->brightness = powered && switchedOn ? kLitBrightness : 0.0;
  current_->setElement(screen);
  current_->frame();
  current_->setElement(nullptr);
}

}  // namespace xaq::fms
