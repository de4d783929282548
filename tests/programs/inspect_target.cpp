// A program for the inspection tests and benchmark: one dialog box with a
// known tree, driven through standard input. It prints "READY <shell window>"
// once its box is on the screen, then obeys one command a line and answers
// "DONE" after the next idle pass:
//   place NAME      prints "PLACE NAME x y width height", the widget on the root
//   off|on NAME     sensitivity, hide|show NAME visibility, drop NAME deletes it
// An argument N adds N labels under the frame "Many".
#include <X11/Intrinsic.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "QORApplication.h"
#include "QORDlgCheckButton.h"
#include "QORDlgDialog.h"
#include "QORDlgFrame.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgSeparator.h"
#include "QORInteractiveApplication.h"
#include "l_QORDlgDialog.h"
#include "l_QORInteractiveApplication.h"
#include "test_program_input.h"

namespace {

class TargetApp : public QORInteractiveApplication {
 public:
  TargetApp(int many) : QORInteractiveApplication(nullptr, "Target"), many(many) {}
  void BeginApplication() override;
  void command(const std::string& line);
  void place(QORDialog* object, const std::string& name);

  int many;
  QORDlgDialog* box = nullptr;
  std::map<std::string, QORDialog*> objects;
  std::optional<TestProgramInput> input;
};

XtAppContext contextOf(TargetApp* app) { return app->GetLetterObject()->GetContext(); }

void readyTO(XtPointer client, XtIntervalId*) {
  auto* app = static_cast<TargetApp*>(client);
  Widget shell = static_cast<l_QORDlgDialog*>(app->box->GetLetterObject())->GetShell();
  if (!shell || !XtIsRealized(shell) || QORApplication::GetSubscriberCount(2) > 0) {
    XtAppAddTimeOut(contextOf(app), 100, readyTO, client);
    return;
  }
  std::printf("READY 0x%lx\n", XtWindow(shell));
  std::fflush(stdout);
}

void doneTO(XtPointer, XtIntervalId*) {
  std::printf("DONE\n");
  std::fflush(stdout);
}

}  // namespace

void TargetApp::place(QORDialog* object, const std::string& name) {
  Widget w = object->GetLetterObject()->GetBaseWidget(0);
  Position x = 0, y = 0;
  Dimension width = 0, height = 0;
  XtTranslateCoords(w, 0, 0, &x, &y);
  XtVaGetValues(w, XtNwidth, &width, XtNheight, &height, nullptr);
  std::printf("PLACE %s %d %d %d %d\n", name.c_str(), x, y, width, height);
}

void TargetApp::command(const std::string& line) {
  std::istringstream words(line);
  std::string verb, name;
  words >> verb >> name;
  // After the idle pass that applies the change.
  XtAppAddTimeOut(contextOf(this), 300, doneTO, nullptr);
  QORDialog* object = objects.count(name) ? objects[name] : nullptr;
  if (!object) return;
  if (verb == "place") place(object, name);
  if (verb == "off" || verb == "on") object->SetSensitivity(verb == "on" ? QORDlgSensitive : QORDlgInsensitive);
  if (verb == "hide" || verb == "show") object->SetVisibility(verb == "show" ? QORDlgShown : QORDlgHidden);
  if (verb == "drop") objects.erase(name), delete object;
}

void TargetApp::BeginApplication() {
  box = new QORDlgDialog(this, "Probe", QORDlgDialogOK);
  box->SetTitle("Inspection probe");
  auto* group = new QORDlgFrame(box, "Group", QORDlgGridLayout);
  objects["Push"] = new QORDlgPushButton(group, "Push", 0);
  objects["Note"] = new QORDlgLabel(group, "Note", 0);
  objects["Tick"] = new QORDlgCheckButton(group, "Tick", 0);
  int row = 0;
  for (const char* name : {"Push", "Note", "Tick"}) objects[name]->SetGridConstraints(row++, 0, 1, 1, 0);
  objects["Group"] = group;
  objects["Line"] = new QORDlgSeparator(box, "Line", QORDlgSeparatorHorizontal);
  objects["Line"]->SetTitle("");  // the one object without a title
  objects["Gone"] = new QORDlgPushButton(box, "Gone", 0);
  if (many > 0) {
    auto* frame = new QORDlgFrame(box, "Many", 0);
    for (int i = 0; i < many; ++i) new QORDlgLabel(frame, "L" + std::to_string(i), 0);
  }
  box->SetVisibility(QORDlgShown);
  input.emplace(this, [this](const std::string& line) { command(line); });
  XtAppAddTimeOut(contextOf(this), 200, readyTO, this);
}

int main(int argc, char** argv, char** envp) {
  TargetApp app(argc > 1 ? std::atoi(argv[1]) : 0);
  return QORStartApplication(app, argc, argv, envp);
}
