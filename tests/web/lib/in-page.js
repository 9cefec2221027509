// SPDX-License-Identifier: GPL-3.0-or-later
// Runs in the page before the page's own scripts (a Playwright init script):
// records what the page tells anyone listening, in the order it happens,
// and reads what the page shows for the replay. Everything it reads is the
// page's DOM as a user's browser holds it.
(() => {
    const log = [];
    const controlOf = (id) => document.querySelector(`[data-id="${id}"]`);

    document.addEventListener('varnock-beep', () => log.push({ type: 'beep' }));
    document.addEventListener('varnock-clipboard', (event) =>
        log.push({ type: 'clipboard', text: String(event.detail) }),
    );
    // A dialog that opens and the window that closes, from their attributes.
    new MutationObserver((records) => {
        for (const record of records) {
            const target = record.target;
            if (record.attributeName === 'open' && target.localName === 'dialog') {
                if (target.open && record.oldValue === null) log.push({ type: 'dialog' });
            } else if (record.attributeName === 'data-state' && target === document.documentElement) {
                if (target.dataset.state === 'closed' && record.oldValue !== 'closed') {
                    log.push({ type: 'closed' });
                }
            }
        }
    }).observe(document, {
        subtree: true,
        attributes: true,
        attributeOldValue: true,
        attributeFilter: ['open', 'data-state'],
    });

    // Whether a click at (x, y) reaches element: the element itself, a part
    // of it, or the label that wraps it.
    const reaches = (element, x, y) => {
        const hit = document.elementFromPoint(x, y);
        if (hit === null) return false;
        return hit === element || element.contains(hit) || hit.contains(element) ||
            hit.closest('label')?.control === element;
    };

    const centreOf = (element) => {
        const box = element.getBoundingClientRect();
        return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
    };

    // Where a point of the page lies on the screen, which input events are
    // aimed at: a phone's browser may show the page zoomed out.
    const onScreen = ({ x, y }) => {
        const view = window.visualViewport;
        return { x: (x - view.offsetLeft) * view.scale, y: (y - view.offsetTop) * view.scale };
    };

    window.__replay = {
        // Lets the page finish what the last input started: the page draws
        // in the act itself and opens its dialogs from promises, so that a
        // task queued now runs after all of it.
        settle: () => new Promise((done) => setTimeout(done, 0)),

        // The events since the last call, oldest first.
        drain: () => log.splice(0),

        // Both, and whether a dialog is open now.
        async settleAndDrain() {
            await this.settle();
            return { events: this.drain(), dialogOpen: document.querySelector('dialog[open]') !== null };
        },

        state: () => document.documentElement.dataset.state,

        // Where a user clicks the control, brought into view first; null
        // when something else lies on top of its middle.
        clickPoint(id) {
            const element = controlOf(id);
            if (element === null) return null;
            element.scrollIntoView({ block: 'center', inline: 'center', behavior: 'instant' });
            const point = centreOf(element);
            return reaches(element, point.x, point.y) ? onScreen(point) : null;
        },

        // The middle of the first visible element that selector finds.
        pointOf(selector) {
            const element = [...document.querySelectorAll(selector)].find(
                (candidate) => candidate.getClientRects().length > 0,
            );
            if (element === undefined) return null;
            element.scrollIntoView({ block: 'center', inline: 'center', behavior: 'instant' });
            return onScreen(centreOf(element));
        },

        // A point of the window's own background, outside every control,
        // searched from the right edge inwards as a user would right-click.
        backgroundPoint() {
            const window_ = document.getElementById('window');
            const box = window_.getBoundingClientRect();
            const step = 4;
            for (let x = box.right - 2; x > box.left; x -= step) {
                for (let y = box.top + box.height / 2; y < box.bottom; y += step) {
                    const hit = document.elementFromPoint(x, y);
                    if (hit !== null && window_.contains(hit) &&
                        hit.closest('[data-id], button, input, textarea, label, a, [role=menu]') === null) {
                        return onScreen({ x, y });
                    }
                }
            }
            return null;
        },

        // The open dialog as the console names it, or null.
        openDialog() {
            const dialog = document.querySelector('dialog[open]');
            if (dialog === null) return null;
            if (dialog.classList.contains('about')) {
                return { kind: 'about', title: dialog.querySelector('.dialog-title')?.textContent ?? '' };
            }
            return {
                kind: 'message',
                icon: dialog.dataset.icon,
                text: dialog.querySelector('.message-text')?.textContent ?? '',
            };
        },

        // Resolves once the open dialog has closed and the page has done
        // what its closing starts (the focus put back, the act's next
        // event shown); call before the click that closes it.
        watchDialogClose() {
            const dialog = document.querySelector('dialog[open]');
            this.dialogClosed = new Promise((done) => {
                dialog.addEventListener('close', () => setTimeout(done, 0), { once: true });
            });
        },

        focusControl(id) {
            controlOf(id)?.focus();
        },

        // The identifier of the control that holds the focus, mainWindow when
        // the window itself holds it, nobody for anything else.
        focusedId(mainWindow, nobody) {
            const focused = document.activeElement;
            if (focused === document.getElementById('window')) return mainWindow;
            const id = focused?.dataset?.id;
            return id === undefined ? nobody : Number(id);
        },

        // The texts, captions and marks of the controls named, and the focus.
        shown(ids, mainWindow, nobody) {
            const texts = {};
            const captions = {};
            const checks = {};
            for (const id of ids.texts) texts[id] = controlOf(id)?.value ?? '';
            for (const id of ids.captions) captions[id] = controlOf(id)?.textContent ?? '';
            for (const id of ids.checks) checks[id] = controlOf(id)?.checked ? 1 : 0;
            return { texts, captions, checks, focus: this.focusedId(mainWindow, nobody) };
        },

        text: (id) => controlOf(id)?.value ?? '',
    };
})();
