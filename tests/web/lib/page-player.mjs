// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the console's commands on the web page as real input: mouse clicks
// (taps on a phone), keys, the window's and the boxes' context menus, the
// clipboard and Ctrl+V. What the page then shows is written in the
// console's own lines: its events from what the page dispatches and the
// dialogs it opens (closed with OK, as a user closes them), a dump from
// the DOM.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { untilReady } from './browser.mjs';

const inPageScript = fs.readFileSync(
    path.join(path.dirname(fileURLToPath(import.meta.url)), 'in-page.js'),
    'utf8',
);

// The page's names of the console's keys where they differ.
const pageKeyNames = { Return: 'Enter' };

// A fault of the replay itself or of the page's contract with it: no command
// of the console's could have run into it.
export class ReplayFault extends Error {}

export class PagePlayer {
    // rules: the console rules module; out: receives each output line; touch:
    // taps instead of mouse clicks.
    constructor(page, rules, { out, touch = false }) {
        this.page = page;
        this.rules = rules;
        this.out = out;
        this.touch = touch;
        this.closed = false;
        this.dumpIds = rules.dumpControls();
    }

    // The script that must run in every page the player drives, before the
    // page's own.
    static async prepare(context) {
        await context.addInitScript({ content: inPageScript });
    }

    // Opens the page at url and waits until it takes input.
    async open(url) {
        await this.page.goto(url);
        await this.waitUntilReady();
    }

    // A fresh calculator, every box as at start-up: "Start a new calculator"
    // after a close, a reload otherwise.
    async restart() {
        if (this.closed) {
            await this.tapAt(await this.pointOf('#restart'));
        } else {
            await this.page.reload();
        }
        await this.waitUntilReady();
        await this.call('drain');
        this.closed = false;
    }

    async waitUntilReady() {
        await untilReady(this.page);
    }

    // Plays one command planned by the console rules; resolves to the
    // console's refusal, or to null.
    async perform(plan) {
        const refusal = await this.play(plan);
        if (refusal === null) await this.report();
        return refusal;
    }

    async play(plan) {
        switch (plan.kind) {
            case 'click':
                if (plan.hidden) {
                    await this.altKey(plan.mnemonic);
                } else {
                    await this.tapAt(await this.controlPoint(plan.id));
                }
                return null;
            case 'focus':
                return this.focus(plan);
            case 'key':
                return this.press(plan);
            case 'type':
                return this.type(plan);
            case 'menu':
                await this.chooseFromWindowMenu(plan.entry);
                return null;
            case 'dump':
                await this.dump();
                return null;
            case 'copy':
                if (plan.box === undefined) {
                    await this.page.keyboard.press('Control+c');
                } else {
                    await this.chooseFromMenu(await this.controlPoint(plan.box), 'copy', 'box menu');
                }
                return null;
            case 'paste':
                return this.paste(plan);
            default:
                throw new ReplayFault(`no way to play a ${plan.kind} command`);
        }
    }

    // A box takes the focus as a click into it gives it; a button, radio
    // button or the check box as the Tab key gives it, without a press.
    async focus(plan) {
        if (plan.reach === 'pad') {
            await this.clickIntoPad();
        } else if (plan.reach === 'box') {
            await this.tapAt(await this.controlPoint(plan.id));
        } else {
            await this.call('focusControl', plan.id);
        }
        return null;
    }

    async press(plan) {
        const editsPad = plan.printable || plan.name === 'Return';
        if (editsPad && (await this.padHasFocus())) {
            const full = await this.padRoomRefusal(1);
            if (full) return full;
        }
        await this.page.keyboard.press(pageKeyNames[plan.name] ?? plan.name);
        return null;
    }

    async type(plan) {
        const full = await this.padRoomRefusal(plan.bytes);
        if (full) return full;
        await this.clickIntoPad();
        if (plan.text !== '') await this.page.keyboard.insertText(plan.text);
        return null;
    }

    // The text goes on the clipboard as another program would put it there,
    // then Ctrl+V goes to whatever holds the focus.
    async paste(plan) {
        if (await this.padHasFocus()) {
            const full = await this.padRoomRefusal(plan.bytes);
            if (full) return full;
        }
        await this.page.evaluate((text) => navigator.clipboard.writeText(text), plan.text);
        await this.page.keyboard.press('Control+v');
        return null;
    }

    async dump() {
        const shown = await this.call('shown', this.dumpIds, this.rules.mainWindowFocus, this.rules.noFocus);
        this.out(this.rules.dumpLines(shown));
    }

    // ---- Input

    async tapAt(point) {
        if (this.touch) {
            await this.page.touchscreen.tap(point.x, point.y);
        } else {
            await this.page.mouse.click(point.x, point.y);
        }
    }

    async altKey(mnemonic) {
        const keyboard = this.page.keyboard;
        await keyboard.down('Alt');
        await keyboard.press(mnemonic);
        await keyboard.up('Alt');
    }

    // A click into the pad, then Ctrl+End: the caret at the end of its text,
    // where typing goes on.
    async clickIntoPad() {
        await this.tapAt(await this.controlPoint(this.rules.scratchPad));
        await this.page.keyboard.press('Control+End');
    }

    // With a mouse, a right click on the window's background; on a phone,
    // which has no right button, the window's menu button.
    async chooseFromWindowMenu(command) {
        if (this.touch) {
            await this.tapAt(await this.pointOf('#menu-button'));
            await this.tapAt(await this.menuEntry(command));
        } else {
            await this.chooseFromMenu(await this.call('backgroundPoint'), command, 'window menu');
        }
    }

    // A right click at point opens a context menu; its entry is clicked.
    // Headless Chromium turns no long press into a context menu, so a phone
    // run right-clicks too, as with a mouse plugged into the phone.
    async chooseFromMenu(point, command, menuName) {
        if (point === null) throw new ReplayFault(`no place to right-click for the ${menuName}`);
        await this.page.mouse.click(point.x, point.y, { button: 'right' });
        await this.tapAt(await this.menuEntry(command));
    }

    menuEntry(command) {
        return this.pointOf(`[role=menu] [role=menuitem][data-command="${command}"]`);
    }

    // ---- What the page shows

    // Writes the events that the last input caused, in order, closing each
    // dialog with its OK button when its turn comes; the next dialog of the
    // same act opens after that.
    async report() {
        for (;;) {
            const { events, dialogOpen } = await this.call('settleAndDrain');
            if (events.length === 0 && !dialogOpen) return;
            for (const event of events) await this.write(event);
            if (dialogOpen && events.every((event) => event.type !== 'dialog')) {
                await this.write({ type: 'dialog' });
            }
        }
    }

    async write(event) {
        switch (event.type) {
            case 'beep':
                this.out(this.rules.beepLine());
                break;
            case 'clipboard':
                this.out(this.rules.clipboardLine(event.text));
                break;
            case 'closed':
                this.out(this.rules.closedLine());
                this.closed = true;
                break;
            case 'dialog':
                await this.answerDialog();
                break;
        }
    }

    async answerDialog() {
        const dialog = await this.call('openDialog');
        if (dialog === null) throw new ReplayFault('a dialog opened and closed by itself');
        this.out(
            dialog.kind === 'about'
                ? this.rules.aboutLine(dialog.title)
                : this.rules.messageLine(dialog.icon, dialog.text),
        );
        await this.call('watchDialogClose');
        await this.tapAt(await this.pointOf('dialog[open] button.ok'));
        await this.page.evaluate(() => window.__replay.dialogClosed);
    }

    async controlPoint(id) {
        const point = await this.call('clickPoint', id);
        if (point === null) throw new ReplayFault(`control ${id} cannot be clicked at its middle`);
        return point;
    }

    async pointOf(selector) {
        const point = await this.call('pointOf', selector);
        if (point === null) throw new ReplayFault(`nothing visible matches ${selector}`);
        return point;
    }

    async padHasFocus() {
        const focused = await this.call('focusedId', this.rules.mainWindowFocus, this.rules.noFocus);
        return focused === this.rules.scratchPad;
    }

    async padRoomRefusal(added) {
        const held = Buffer.byteLength(await this.call('text', this.rules.scratchPad), 'utf8');
        return this.rules.padRoomRefusal(held, added) || null;
    }

    // Calls one of the in-page helpers.
    call(name, ...args) {
        return this.page.evaluate(([helper, values]) => window.__replay[helper](...values), [name, args]);
    }
}
