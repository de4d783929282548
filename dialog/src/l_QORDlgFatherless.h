// Internal to libTOLVEN: not API, never installed.
// A top-level letter without a father window: its own main window,
// registered with the application as the application's own boxes are.
#pragma once
#include "l_QORInteractiveApplication.h"

template <class Letter>
class l_QORDlgFatherless : public Letter {
 public:
  template <class Api>
  l_QORDlgFatherless(l_QORInteractiveApplication* app, const QORString& name, Api* api, unsigned long style)
      : Letter(nullptr, name, api, style) {
    this->SetApplication(app);
    this->SetMainWindow(this);
    if (app) app->AddWindow(this);
  }
};
