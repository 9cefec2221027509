// SPDX-License-Identifier: GPL-3.0-or-later
// The C interface the page calls, exported from the WebAssembly module. Texts
// go in as UTF-8 strings the page allocates, and come out as JSON texts that
// stay valid until the next call.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "web/ControlTable.h"
#include "web/WebSession.h"

namespace {

std::unique_ptr<varnock::web::WebSession> g_session;
std::string g_answer;

const char* answer(std::string text) {
    g_answer = std::move(text);
    return g_answer.c_str();
}

varnock::web::WebSession& session() {
    if (!g_session) g_session = std::make_unique<varnock::web::WebSession>();
    return *g_session;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* varnock_control_table() {
    return answer(varnock::web::controlTableJson());
}

// A fresh calculator, as at start-up; answers its snapshot.
EMSCRIPTEN_KEEPALIVE const char* varnock_start() {
    g_session = std::make_unique<varnock::web::WebSession>();
    return answer(g_session->snapshot());
}

EMSCRIPTEN_KEEPALIVE const char* varnock_snapshot() { return answer(session().snapshot()); }

EMSCRIPTEN_KEEPALIVE const char* varnock_click(int id) { return answer(session().click(id)); }

EMSCRIPTEN_KEEPALIVE const char* varnock_mnemonic(int key) {
    return answer(session().mnemonic(static_cast<char>(key)));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_focus(int id) { return answer(session().focus(id)); }

EMSCRIPTEN_KEEPALIVE const char* varnock_key(const char* name) {
    return answer(session().key(name));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_pad_edited(const char* text) {
    return answer(session().padEdited(text));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_copy(int box) { return answer(session().copy(box)); }

EMSCRIPTEN_KEEPALIVE const char* varnock_copy_all(int box) {
    return answer(session().copyAllResults(box));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_paste(const char* text) {
    return answer(session().paste(text));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_menu_opened() { return answer(session().menuOpened()); }

EMSCRIPTEN_KEEPALIVE const char* varnock_menu_about() {
    return answer(session().menu(varnock::MenuChoice::About));
}

EMSCRIPTEN_KEEPALIVE const char* varnock_menu_close() {
    return answer(session().menu(varnock::MenuChoice::Close));
}

}  // extern "C"
