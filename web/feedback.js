// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees and hears beside the controls: the beep (a short tone,
// a flash of the window, "Refused" for screen readers), new values spoken
// from the live region, and copies put on the clipboard. Listeners on the
// document hear each beep and copy as an event.
const TONE_HERTZ = 880;
const TONE_SECONDS = 0.12;
const TONE_VOLUME = 0.08;
const FLASH_MILLISECONDS = 250;

export class Feedback {
  constructor(window, announcer) {
    this.window = window;
    this.announcer = announcer;
    this.audio = null;
  }

  beep() {
    document.dispatchEvent(new CustomEvent('varnock-beep'));
    this.tone();
    this.window.classList.remove('refused');
    void this.window.offsetWidth;  // restarts the flash
    this.window.classList.add('refused');
    setTimeout(() => this.window.classList.remove('refused'), FLASH_MILLISECONDS);
    this.announce('Refused');
  }

  tone() {
    try {
      this.audio ??= new AudioContext();
      const oscillator = this.audio.createOscillator();
      const gain = this.audio.createGain();
      oscillator.frequency.value = TONE_HERTZ;
      gain.gain.value = TONE_VOLUME;
      oscillator.connect(gain).connect(this.audio.destination);
      oscillator.start();
      oscillator.stop(this.audio.currentTime + TONE_SECONDS);
    } catch {
      // No sound here; the flash and the announcement remain.
    }
  }

  // The display's and the result boxes' new values, each with its name.
  announceState(state, view) {
    const lines = [];
    for (const [id, text] of state.texts) {
      const element = view.element(id);
      if (element && element.tagName === 'INPUT' && !element.hidden) lines.push(`${view.nameOf(id)}: ${text}`);
    }
    if (lines.length) this.announce(lines.join('\n'));
  }

  announce(text) {
    // The same words twice in a row are spoken again only when they change.
    this.announcer.textContent = this.announcer.textContent === text ? `${text}\u00a0` : text;
  }

  clipboard(text) {
    document.dispatchEvent(new CustomEvent('varnock-clipboard', { detail: text }));
    navigator.clipboard?.writeText(text).catch(() => {});
  }
}
