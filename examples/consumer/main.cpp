// A program on Tolven's host layer: no display needed.
#include <cstdio>

#include "QORApplication.h"
#include "QORMsgCatalog.h"
#include "QORNotification.h"

class Greeted : public QORNotification {
 public:
  static const char* ClassName() { return "Greeted"; }
  const char* IsA() const override { return ClassName(); }
};

class HelloApp : public QORApplication {
 public:
  using QORApplication::QORApplication;
  void BeginApplication() override {
    QORMsgCatalog catalog;
    if (catalog.LoadMsgCatalog("hello", nullptr) != 1) {
      std::fprintf(stderr, "%s\n", catalog.GetError());
      SetExitStatus(1);
      return;
    }
    QORCommand button(this, "Button");
    // This application listens to what the button sends.
    AddAnalyseNotificationCB(&button, Greeted::ClassName(), [&](QORCommand* from, QORNotification*) {
      QORMsg msg = catalog.GetCatalogMsg("Hello.Greeting");
      std::printf("%s\n", msg.BuildMessage({from->GetPath().c_str()}).c_str());
    });
    Greeted greeted;
    button.SendNotification(&button, &greeted);
  }
};

int main(int argc, char** argv, char** envp) {
  HelloApp app(nullptr, nullptr);
  return QORStartApplication(app, argc, argv, envp);
}
