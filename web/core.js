// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's core, compiled to WebAssembly: the page reports the
// user's acts through these calls, and each answers with the events the act
// caused, in order, for the page to play.
import createVarnock from './varnock.mjs';
// The control table, written out of the core when the site is built.
import table from './table.js';

const WASM = new URL('varnock.wasm', import.meta.url);

// The compiled core, compiled as it streams in (the page preloads it); from
// a server that sends it with another MIME type than WebAssembly's, it is
// compiled from its bytes.
async function compiledCore() {
  try {
    return await WebAssembly.compileStreaming(fetch(WASM));
  } catch {
    const response = await fetch(WASM);
    if (!response.ok) throw new Error(`the core could not be fetched (${response.status})`);
    return WebAssembly.compile(await response.arrayBuffer());
  }
}

function instantiate() {
  return new Promise((resolve, reject) => {
    createVarnock({
      instantiateWasm(imports, receive) {
        compiledCore()
          .then((compiled) => WebAssembly.instantiate(compiled, imports))
          .then((instance) => receive(instance), reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

export async function loadCore() {
  const module = await instantiate();
  const read = (pointer) => JSON.parse(module.UTF8ToString(pointer));
  // Texts go in as UTF-8 copies on the module's heap, freed after the call.
  const withText = (call, text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    try {
      return read(call(pointer));
    } finally {
      module._free(pointer);
    }
  };
  return {
    table,
    start: () => read(module._varnock_start()),
    click: (id) => read(module._varnock_click(id)),
    mnemonic: (key) => read(module._varnock_mnemonic(key.charCodeAt(0))),
    focus: (id) => read(module._varnock_focus(id)),
    key: (name) => withText(module._varnock_key, name),
    padEdited: (text) => withText(module._varnock_pad_edited, text),
    copy: (box) => read(module._varnock_copy(box)),
    copyAll: (box) => read(module._varnock_copy_all(box)),
    paste: (text) => withText(module._varnock_paste, text),
    menuOpened: () => read(module._varnock_menu_opened()),
    menuAbout: () => read(module._varnock_menu_about()),
    menuClose: () => read(module._varnock_menu_close()),
  };
}
