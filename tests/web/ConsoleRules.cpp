// SPDX-License-Identifier: GPL-3.0-or-later
// The console's own input reader, command parser, refusal rules and output
// lines, compiled for Node so that the web replay reads its input as the
// console reads it, refuses exactly the lines the console refuses with the
// same words, and prints what the page shows in the console's own lines.
// Also the seeded random sessions that the window replay plays, so that the
// page plays the very same scripts.
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <variant>

#include "RandomCommands.h"
#include "console/Command.h"
#include "console/CommandTarget.h"
#include "console/ConsoleProgram.h"
#include "console/LineReader.h"
#include "console/Output.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"
#include "ui/Platform.h"

using emscripten::val;
using namespace varnock::console;
using varnock::MenuChoice;
using varnock::WindowKey;

namespace {

val refused(const std::string& message) {
    val plan = val::object();
    plan.set("kind", "error");
    plan.set("message", message);
    return plan;
}

val planOf(const char* kind) {
    val plan = val::object();
    plan.set("kind", kind);
    return plan;
}

// How a control is reached: "pad", a "box" (clicked into) or a "button"
// (push button, radio button or check box).
const char* reachOf(const varnock::ControlSpec& control) {
    switch (control.kind) {
        case varnock::ControlKind::MultiLineEdit:
            return "pad";
        case varnock::ControlKind::Edit:
            return "box";
        default:
            return "button";
    }
}

val clickPlan(const Identifier& id) {
    const varnock::ControlSpec* control = clickableControl(id);
    if (control == nullptr) return refused(notClickable(id));
    val plan = planOf("click");
    plan.set("id", control->id);
    plan.set("hidden", !control->isVisible());
    // A hidden twin is reached by its Alt shortcut.
    if (!control->isVisible()) {
        plan.set("mnemonic", std::string(1, varnock::mnemonicOf(control->caption)));
    }
    return plan;
}

val focusPlan(const Identifier& id) {
    const varnock::ControlSpec* control = focusableControl(id);
    if (control == nullptr) return refused(notFocusable(id));
    val plan = planOf("focus");
    plan.set("id", control->id);
    plan.set("reach", reachOf(*control));
    return plan;
}

const char* keyName(WindowKey kind) {
    switch (kind) {
        case WindowKey::Return:
            return "Return";
        case WindowKey::Escape:
            return "Escape";
        case WindowKey::Backspace:
            return "Backspace";
        case WindowKey::Delete:
            return "Delete";
        case WindowKey::Character:
            break;
    }
    return "";
}

val keyPlan(Key key) {
    val plan = planOf("key");
    plan.set("name", key.kind == WindowKey::Character ? std::string(1, key.character)
                                                      : std::string(keyName(key.kind)));
    plan.set("printable", key.kind == WindowKey::Character);
    return plan;
}

val textPlan(const char* kind, const std::string& text) {
    val plan = planOf(kind);
    plan.set("text", text);
    plan.set("bytes", static_cast<double>(text.size()));
    return plan;
}

val copyPlan(const std::optional<Identifier>& box) {
    val plan = planOf("copy");
    if (!box) return plan;
    const varnock::ControlSpec* control = copyableControl(*box);
    if (control == nullptr) return refused(notCopyable(*box));
    plan.set("box", control->id);
    return plan;
}

val commandPlan(const Command& command) {
    return std::visit(Overloaded{
                          [](const ClickCommand& c) { return clickPlan(c.control); },
                          [](const FocusCommand& c) { return focusPlan(c.control); },
                          [](const KeyCommand& c) { return keyPlan(c.key); },
                          [](const TypeCommand& c) { return textPlan("type", c.text); },
                          [](const MenuCommand& c) {
                              val plan = planOf("menu");
                              plan.set("entry", c.entry == MenuChoice::About ? "about" : "close");
                              return plan;
                          },
                          [](const DumpCommand&) { return planOf("dump"); },
                          [](const CopyCommand& c) { return copyPlan(c.box); },
                          [](const PasteCommand& c) { return textPlan("paste", c.text); },
                      },
                      command);
}

// One input line as the console runs it: {kind: "skip"}, {kind: "error",
// message} for a line the console reports, or the command with what the
// page needs to play it. bytes is the line without its line feed; tooLong
// says that the reader dropped bytes beyond its limit.
val planLine(const std::string& bytes, bool tooLong) {
    // The limit does not count a carriage return before the line feed.
    const std::size_t lineEnd = bytes.ends_with('\r') ? 1 : 0;
    if (tooLong || bytes.size() - lineEnd > LineReader::kMaxLineBytes) {
        return refused("the line is longer than " + std::to_string(LineReader::kMaxLineBytes) +
                       " bytes and is skipped");
    }
    const ParsedLine parsed = parseLine(bytes);
    if (const auto* error = std::get_if<LineError>(&parsed)) return refused(error->message);
    if (const auto* command = std::get_if<Command>(&parsed)) return commandPlan(*command);
    return planOf("skip");
}

// Why typing `added` bytes into a pad holding `held` bytes is refused, or "".
std::string padRoomRefusal(double held, double added) {
    Refusal refusal = checkPadRoom(static_cast<std::size_t>(held), static_cast<std::size_t>(added));
    return refusal.value_or(std::string());
}

val bytesOf(const std::string& text) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(text.size(),
                                            reinterpret_cast<const unsigned char*>(text.data())));
}

// The lines of a file read through the console's own reader, the file named
// "" being standard input: {lines: [{bytes, tooLong}], openError, readError}.
// Errors read as the console writes them after the file's name or the line.
val readInput(const std::string& name) {
    val input = val::object();
    val lines = val::array();
    input.set("lines", lines);
    const int fd = name.empty() ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        input.set("openError", std::string("cannot open: ") + std::strerror(errno));
        return input;
    }
    LineReader reader(fd);
    LineReader::Line line;
    while (reader.next(line)) {
        val entry = val::object();
        entry.set("bytes", bytesOf(line.text));
        entry.set("tooLong", line.tooLong);
        lines.call<void>("push", entry);
    }
    if (reader.error() != 0) {
        input.set("readError", std::string("cannot read: ") + std::strerror(reader.error()));
    }
    if (fd != STDIN_FILENO) ::close(fd);
    return input;
}

// What the page shows, handed over by the replay: texts and captions by
// identifier, marks as 0 or 1, and the focus.
class ShownPage : public ShownWindow {
public:
    explicit ShownPage(val shown) : m_shown(std::move(shown)) {}

    std::string shownText(int boxId) const override {
        return m_shown["texts"][boxId].as<std::string>();
    }
    std::string shownCaption(int labelId) const override {
        return m_shown["captions"][labelId].as<std::string>();
    }
    int shownCheck(int id) const override { return m_shown["checks"][id].as<int>(); }
    int shownFocus() const override { return m_shown["focus"].as<int>(); }

private:
    val m_shown;
};

// Notes which controls a dump reads, and in which role, without a page.
class DumpReader : public ShownWindow {
public:
    std::string shownText(int boxId) const override {
        m_texts.call<void>("push", boxId);
        return {};
    }
    std::string shownCaption(int labelId) const override {
        m_captions.call<void>("push", labelId);
        return {};
    }
    int shownCheck(int id) const override {
        m_checks.call<void>("push", id);
        return 0;
    }
    int shownFocus() const override { return kNoFocus; }

    val read() const {
        val ids = val::object();
        ids.set("texts", m_texts);
        ids.set("captions", m_captions);
        ids.set("checks", m_checks);
        return ids;
    }

private:
    val m_texts = val::array();
    val m_captions = val::array();
    val m_checks = val::array();
};

// The identifiers a dump reads: {texts, captions, checks}, the boxes (the
// pad last) in the dump's order.
val dumpControls() {
    DumpReader reader;
    std::ostringstream ignored;
    writeDump(ignored, reader);
    return reader.read();
}

std::string dumpLines(val shown) {
    std::ostringstream out;
    writeDump(out, ShownPage(std::move(shown)));
    return out.str();
}

template <typename Write>
std::string lineOf(Write write) {
    std::ostringstream out;
    write(out);
    return out.str();
}

std::string beepLine() {
    return lineOf([](std::ostream& out) { writeBeep(out); });
}
std::string closedLine() {
    return lineOf([](std::ostream& out) { writeClosed(out); });
}
std::string aboutLine(const std::string& title) {
    return lineOf([&](std::ostream& out) { writeAbout(out, title); });
}
std::string clipboardLine(const std::string& text) {
    return lineOf([&](std::ostream& out) { writeClipboard(out, text); });
}
// icon: the page's word for it, "exclamation" or "question".
std::string messageLine(const std::string& icon, const std::string& text) {
    const varnock::MessageIcon shown =
        icon == "question" ? varnock::MessageIcon::Question : varnock::MessageIcon::Exclamation;
    return lineOf([&](std::ostream& out) { writeMessage(out, shown, text); });
}

std::string randomSession(double seed, bool padWork) {
    return varnock::testing::randomSessionScript(static_cast<std::uint32_t>(seed), padWork);
}

}  // namespace

EMSCRIPTEN_BINDINGS(varnock_commands) {
    emscripten::function("planLine", &planLine);
    emscripten::function("padRoomRefusal", &padRoomRefusal);
    emscripten::function("readInput", &readInput);
    emscripten::function("dumpControls", &dumpControls);
    emscripten::function("dumpLines", &dumpLines);
    emscripten::function("beepLine", &beepLine);
    emscripten::function("closedLine", &closedLine);
    emscripten::function("aboutLine", &aboutLine);
    emscripten::function("clipboardLine", &clipboardLine);
    emscripten::function("messageLine", &messageLine);
    emscripten::function("randomSession", &randomSession);
    emscripten::constant("mainWindowFocus", varnock::kMainWindowFocus);
    emscripten::constant("noFocus", ShownWindow::kNoFocus);
    emscripten::constant("scratchPad", varnock::kScratchPad);
    emscripten::constant("successStatus", ConsoleProgram::kSuccess);
    emscripten::constant("errorStatus", ConsoleProgram::kErrors);
}
