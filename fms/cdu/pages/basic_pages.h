#pragma once
// The power-up pages (status with its self-test, INIT) and the page standing in for the route
// and procedure pages that come later.

#include "fms/cdu/cdu_page.h"

namespace xaq::fms {

class StatusPage final : public CduPage {
 public:
  using CduPage::CduPage;
  void draw() override;
  bool enter() override;
  void key(int) override {}
  // 1..8 by the time since entering.
  int testStep() const;
  bool selfTestFinished() const;

 private:
  double startS_ = 0.0;
};

class InitPage final : public CduPage {
 public:
  using CduPage::CduPage;
  void draw() override;
  void key(int code) override;
  bool accepted() const { return accepted_; }

 private:
  bool accepted_ = false;
};

class NotYetPage final : public CduPage {
 public:
  using CduPage::CduPage;
  void draw() override;
  void key(int code) override;
  void setTitle(const char* title) { title_ = title; }

 private:
  const char* title_ = "";
};

}  // namespace xaq::fms
