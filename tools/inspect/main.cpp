// tolven-inspect: asks a running Tolven program, over the inspection channel,
// for its object tree, the values of one object, or to flash one object.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "InspectAnswer.h"
#include "InspectClient.h"
#include "InspectWindows.h"

namespace {

enum Exit { ExitOk = 0, ExitUsage = 1, ExitNoAnswer = 2, ExitRefused = 3 };

struct Options {
  std::string command = "tree";
  std::string object;
  std::string name;
  Window window = None;
  int timeoutMs = 2000;
  bool json = false;
};

const char kUsage[] =
    "usage: tolven-inspect [--window ID | --name NAME] [--timeout MS] [--json] [list | tree | values OBJECT | flash "
    "OBJECT]\n"
    "  OBJECT is a path of names from the window (Gallery/Buttons/Push) or a handle from the tree.\n";

bool parseOptions(int argc, char** argv, Options& o) {
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--window" && hasValue) o.window = std::strtoul(argv[++i], nullptr, 0);
    else if (a == "--name" && hasValue) o.name = argv[++i];
    else if (a == "--timeout" && hasValue) o.timeoutMs = std::atoi(argv[++i]);
    else if (a == "--json") o.json = true;
    else if (a.rfind("--", 0) == 0) return false;
    else if (positional++ == 0) o.command = a;
    else if (positional == 2) o.object = a;
    else return false;
  }
  const bool needsObject = o.command == "values" || o.command == "flash";
  if (needsObject != !o.object.empty()) return false;
  return o.timeoutMs > 0 && (needsObject || o.command == "tree" || o.command == "list");
}

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
      continue;
    }
    out += c;
  }
  return out + "\"";
}

void printTextNode(const InspectTree& tree, int i) {
  const InspectNode& n = tree.nodes[i];
  std::printf("%*s%s  (%s, handle %u)\n", 2 * n.depth, "", n.name.c_str(), KindName(n.kind), n.handle);
  for (int child : n.children) printTextNode(tree, child);
}

void printJsonNode(const InspectTree& tree, int i) {
  const InspectNode& n = tree.nodes[i];
  std::printf("{\"name\": %s, \"kind\": %u, \"kindName\": %s, \"handle\": %u, \"children\": [",
              quoted(n.name).c_str(), n.kind, quoted(KindName(n.kind)).c_str(), n.handle);
  for (size_t c = 0; c < n.children.size(); ++c) {
    if (c) std::printf(", ");
    printJsonNode(tree, n.children[c]);
  }
  std::printf("]}");
}

void printTree(const InspectTree& tree, bool json) {
  if (tree.nodes.empty()) return;
  if (!json) return printTextNode(tree, 0);
  printJsonNode(tree, 0);
  std::printf("\n");
}

void printValues(const std::string& object, uint32_t handle, const InspectValues& v, bool json) {
  const char* sensitive = v.sensitivity == 8 ? "true" : "false";
  const char* visible = v.visibility == 2 ? "true" : "false";
  if (json) {
    std::printf("{\"object\": %s, \"handle\": %u, \"x\": %d, \"y\": %d, \"dx\": %d, \"dy\": %d, \"sensitive\": %s, "
                "\"visible\": %s, \"title\": %s}\n",
                quoted(object).c_str(), handle, v.x, v.y, v.dx, v.dy, sensitive, visible, quoted(v.title).c_str());
    return;
  }
  std::printf("object     %s (handle %u)\nrectangle  x=%d y=%d dx=%d dy=%d\nsensitive  %s\nvisible    %s\ntitle      %s\n",
              object.c_str(), handle, v.x, v.y, v.dx, v.dy, sensitive[0] == 't' ? "yes" : "no",
              visible[0] == 't' ? "yes" : "no", quoted(v.title).c_str());
}

class Inspector {
 public:
  Inspector(Display* d, const Options& o) : options(o), client(d, o.timeoutMs) {}
  int Run(Window target);

 private:
  int ask(Window target, uint32_t command, uint32_t object, std::vector<unsigned char>& answer);
  int askTree(Window target, InspectTree& t);
  int resolve(Window target, uint32_t& handle);
  int tree(Window target);
  int values(Window target);
  int flash(Window target);

  const Options& options;
  InspectClient client;
};

int Inspector::ask(Window target, uint32_t command, uint32_t object, std::vector<unsigned char>& answer) {
  if (!client.Ask(target, {command, object, 1}, answer)) {
    std::fprintf(stderr, "tolven-inspect: window 0x%lx: %s (timeout %d ms)\n", target, client.GetError().c_str(),
                 options.timeoutMs);
    return ExitNoAnswer;
  }
  uint32_t status = 0;
  if (!ReadStatus(answer, status) || status != 0) {
    std::fprintf(stderr, "tolven-inspect: window 0x%lx answered status %u\n", target, status);
    return ExitRefused;
  }
  return ExitOk;
}

// A number is a handle as the tree gives it; anything else a path of names.
int Inspector::askTree(Window target, InspectTree& t) {
  std::vector<unsigned char> answer;
  if (int status = ask(target, 0, 0, answer)) return status;
  std::string error;
  if (ReadTree(answer, t, error)) return ExitOk;
  std::fprintf(stderr, "tolven-inspect: %s\n", error.c_str());
  return ExitRefused;
}

int Inspector::resolve(Window target, uint32_t& handle) {
  char* end = nullptr;
  handle = static_cast<uint32_t>(std::strtoul(options.object.c_str(), &end, 0));
  if (end && *end == '\0') return ExitOk;
  InspectTree t;
  if (int status = askTree(target, t)) return status;
  // The program's own paths start above its windows ("Application/Gallery/..."):
  // a first name that is not the window's is passed over.
  int at = t.Find(options.object);
  const size_t slash = options.object.find('/');
  if (at < 0 && slash != std::string::npos) at = t.Find(options.object.substr(slash + 1));
  if (at < 0) {
    std::fprintf(stderr, "tolven-inspect: no object %s in window 0x%lx\n", options.object.c_str(), target);
    return ExitUsage;
  }
  handle = t.nodes[at].handle;
  return ExitOk;
}

int Inspector::tree(Window target) {
  InspectTree t;
  if (int status = askTree(target, t)) return status;
  printTree(t, options.json);
  return ExitOk;
}

int Inspector::values(Window target) {
  uint32_t handle = 0;
  if (int status = resolve(target, handle)) return status;
  std::vector<unsigned char> answer;
  if (int status = ask(target, 2, handle, answer)) return status;
  InspectValues v;
  std::string error;
  if (!ReadValues(answer, v, error)) {
    std::fprintf(stderr, "tolven-inspect: %s\n", error.c_str());
    return ExitRefused;
  }
  printValues(options.object, handle, v, options.json);
  return ExitOk;
}

int Inspector::flash(Window target) {
  uint32_t handle = 0;
  if (int status = resolve(target, handle)) return status;
  std::vector<unsigned char> answer;
  return ask(target, 3, handle, answer);
}

int Inspector::Run(Window target) {
  if (options.command == "tree") return tree(target);
  if (options.command == "values") return values(target);
  return flash(target);
}

// The windows that answer a tree request, with their names.
int list(Display* d, const Options& o) {
  InspectClient client(d, o.timeoutMs);
  for (const TopWindow& w : FindTopWindows(d)) {
    std::vector<unsigned char> answer;
    if (!o.name.empty() && !w.IsNamed(o.name)) continue;
    if (client.Ask(w.id, {0, 0, 1}, answer)) std::printf("0x%lx  %s  (%s)\n", w.id, w.title.c_str(), w.instance.c_str());
  }
  return ExitOk;
}

Window chooseWindow(Display* d, const Options& o) {
  if (o.window != None) return o.window;
  for (const TopWindow& w : FindTopWindows(d))
    if (o.name.empty() || w.IsNamed(o.name)) return w.id;
  return None;
}

// A window id that names no window is the user's mistake, not a crash.
int xError(Display* d, XErrorEvent* e) {
  char text[128];
  XGetErrorText(d, e->error_code, text, sizeof text);
  if (e->error_code == BadWindow)
    std::fprintf(stderr, "tolven-inspect: no window 0x%lx on the display\n", e->resourceid);
  else
    std::fprintf(stderr, "tolven-inspect: X error: %s\n", text);
  std::exit(ExitUsage);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return ExitUsage;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "tolven-inspect: cannot open display %s\n", XDisplayName(nullptr));
    return ExitUsage;
  }
  XSetErrorHandler(xError);
  int status = ExitOk;
  if (options.command == "list") {
    status = list(d, options);
  } else if (Window target = chooseWindow(d, options)) {
    status = Inspector(d, options).Run(target);
  } else {
    std::fprintf(stderr, "tolven-inspect: no top-level window named %s\n", options.name.c_str());
    status = ExitUsage;
  }
  XCloseDisplay(d);
  return status;
}
