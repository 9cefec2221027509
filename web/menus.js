// SPDX-License-Identifier: GPL-3.0-or-later
// Pop-up menus: the window's menu and a box's Copy menu. One is open at a
// time; arrows move between its entries, Return or a click chooses one,
// Escape or a click elsewhere closes it and the focus goes back.
export class Menus {
  // restoreFocus(element) puts the focus back without reporting it as the
  // user's move.
  constructor(host, restoreFocus) {
    this.host = host;
    this.restoreFocus = restoreFocus;
    this.menu = null;
    document.addEventListener('pointerdown', (event) => {
      if (this.menu && !this.menu.contains(event.target)) this.close();
    }, true);
  }

  isOpen() {
    return this.menu !== null;
  }

  // entries: [{command, text}]; choose(command) runs the chosen entry after
  // the menu has closed. x and y: where it opens, in viewport pixels.
  open(entries, x, y, label, choose) {
    this.close();
    const before = document.activeElement;
    const menu = document.createElement('div');
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', label);
    menu.className = 'menu';
    for (const entry of entries) {
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.dataset.command = entry.command;
      item.textContent = entry.text;
      item.addEventListener('click', () => {
        this.close(before);
        choose(entry.command);
      });
      menu.append(item);
    }
    menu.addEventListener('keydown', (event) => this.key(event, before));
    this.host.append(menu);
    this.menu = menu;
    this.position(menu, x, y);
    menu.querySelector('[role=menuitem]').focus();
  }

  position(menu, x, y) {
    const width = menu.offsetWidth;
    const height = menu.offsetHeight;
    menu.style.left = `${Math.max(0, Math.min(x, innerWidth - width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, innerHeight - height))}px`;
  }

  key(event, before) {
    const items = [...this.menu.querySelectorAll('[role=menuitem]')];
    const at = items.indexOf(document.activeElement);
    const moves = { ArrowDown: 1, ArrowUp: -1, Home: -at, End: items.length - 1 - at };
    if (event.key in moves) {
      items[(at + moves[event.key] + items.length) % items.length].focus();
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      this.close(before);
    } else {
      return;  // Return and Space click the focused entry natively
    }
    event.preventDefault();
    event.stopPropagation();
  }

  close(returnTo) {
    if (!this.menu) return;
    this.menu.remove();
    this.menu = null;
    if (returnTo) this.restoreFocus(returnTo);
  }
}
