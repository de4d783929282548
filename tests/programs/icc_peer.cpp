// The other client of the byte exchange tests: a QORDlgICC driven by lines
// on its standard input, reporting on its standard output.
//   write SIZE SEED  ->  "WRITE <InitiateWrite's answer>"
//   read             ->  "READ <size> <digest>" once the block has arrived
// and "LOST" whenever another client takes the selection; the end of the
// input ends the run.
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

#include "QORApplication.h"
#include "QORDlgDialog.h"
#include "QORDlgICC.h"
#include "QORInteractiveApplication.h"
#include "l_QORInteractiveApplication.h"
#include "../tolven_test_icc.h"
#include "test_program_input.h"

namespace {

class PeerApp : public QORInteractiveApplication {
 public:
  using QORInteractiveApplication::QORInteractiveApplication;
  void BeginApplication() override;
  int EndApplication() override {
    delete icc;
    return 0;
  }
  void command(const std::string& line);
  QORDlgICC* icc = nullptr;
  QORCommand listener{nullptr, "listener"};
  std::optional<TestProgramInput> input;
};

void say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void PeerApp::command(const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  if (verb == "write") {
    std::size_t size = 0;
    unsigned seed = 0;
    words >> size >> seed;
    std::vector<char> block = IccBlock(size, seed);
    say("WRITE " + std::to_string(icc->InitiateWrite(icc->GetNewTransactionTime(), block.data(), size)));
  } else if (verb == "read") {
    icc->InitiateRead(icc->GetNewTransactionTime());
  }
}

void PeerApp::BeginApplication() {
  auto* box = new QORDlgDialog(this, "Peer", 0);
  icc = new QORDlgICC(box, "Exchange");
  listener.AddAnalyseNotificationCB(icc, nullptr, [this](QORCommand*, QORNotification* n) {
    if (n == icc->GetICCWritePerformedNotification()) return say("LOST");
    char* data = nullptr;
    int size = 0;
    icc->GetBuffer(&data, &size);
    say("READ " + std::to_string(size) + " " + IccDigest(data, size));
  });
  input.emplace(this, [this](const std::string& line) { command(line); });
  say("READY");
}

}  // namespace

int main(int argc, char** argv, char** envp) {
  PeerApp app(nullptr, "IccPeer");
  return QORStartApplication(app, argc, argv, envp);
}
