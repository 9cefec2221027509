// SPDX-License-Identifier: GPL-3.0-or-later
// What a box draws when its text is wider than the box, as the desktop
// draws it: a shorter rendering that fits, never the text silently cut.
// The box's text itself stays whole; only its drawing changes.
//
// - A finished number keeps its sign and exponent, and its mantissa is
//   rounded to as many significant digits as fit: "6.66666666666667e+15"
//   draws as "6.666667…e+15", "100000000000" as "1e+11". A fixed form keeps
//   at least one decimal, so that the mark cannot pass for integer digits.
// - Any other text keeps the end the box names: the leading characters
//   ("0VER HO…"), or the sign, the first digit and the trailing characters,
//   where typed digits arrive ("1…0000000"). In a box that keeps typed
//   digits in view a number counts only when finished as "%.15g" writes it.
//
// The ellipsis marks where digits are left out; a rendering that only
// changes the notation ("1e+11") leaves out nothing and has no mark.

export const LEFT_OUT_MARK = '\u2026';

// Which characters of a text that is not a finished number stay in view.
export const KEEP_LEADING = 'leading';
export const KEEP_TRAILING = 'trailing';

// The significant digits a number text carries, as printf writes them.
const SHOWN_PRECISION = 15;
// printf's "%g" switches to an exponent below this decimal exponent.
const SMALLEST_FIXED_EXPONENT = -4;
// A decimal number as C reads it whole (no hexadecimal, no "inf").
const DECIMAL_NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;

// The exact decimal value of a positive finite double: digits × 10^scale.
function exactDecimal(value) {
  const view = new DataView(new ArrayBuffer(8));
  view.setFloat64(0, value);
  const bits = view.getBigUint64(0);
  const biased = Number((bits >> 52n) & 0x7ffn);
  let mantissa = bits & ((1n << 52n) - 1n);
  let exponent = -1074;
  if (biased !== 0) {
    mantissa |= 1n << 52n;
    exponent = biased - 1075;
  }
  if (exponent >= 0) return { digits: (mantissa << BigInt(exponent)).toString(), scale: 0 };
  return { digits: (mantissa * 5n ** BigInt(-exponent)).toString(), scale: exponent };
}

// The first `count` digits as an integer, rounded half to even on the exact
// value, as glibc's printf rounds.
function leadingDigits(digits, count) {
  if (count >= digits.length) return BigInt(digits) * 10n ** BigInt(count - digits.length);
  if (count < 0) return 0n;
  const kept = count === 0 ? 0n : BigInt(digits.slice(0, count));
  const rest = digits.slice(count);
  const half = rest[0] > '5' || (rest[0] === '5' && (/[1-9]/.test(rest.slice(1)) || kept % 2n === 1n));
  return half ? kept + 1n : kept;
}

function signed(value, format) {
  return value < 0 || Object.is(value, -0) ? `-${format(-value)}` : format(value);
}

// printf's "%.*f".
export function fixedText(value, decimals) {
  return signed(value, (positive) => {
    const { digits, scale } = positive === 0 ? { digits: '0', scale: 0 } : exactDecimal(positive);
    const whole = leadingDigits(digits, digits.length + scale + decimals).toString().padStart(decimals + 1, '0');
    const point = whole.length - decimals;
    return decimals ? `${whole.slice(0, point)}.${whole.slice(point)}` : whole;
  });
}

// The mantissa's digits (decimals + 1 of them) and the decimal exponent.
function scientificParts(positive, decimals) {
  if (positive === 0) return { mantissa: '0'.repeat(decimals + 1), exponent: 0 };
  const { digits, scale } = exactDecimal(positive);
  let mantissa = leadingDigits(digits, decimals + 1).toString();
  let exponent = digits.length - 1 + scale;
  if (mantissa.length > decimals + 1) {  // rounded up to another power of ten
    mantissa = mantissa.slice(0, decimals + 1);
    exponent += 1;
  }
  return { mantissa, exponent };
}

function exponentText(exponent) {
  return `e${exponent < 0 ? '-' : '+'}${String(Math.abs(exponent)).padStart(2, '0')}`;
}

// printf's "%.*e".
export function scientificText(value, decimals) {
  return signed(value, (positive) => {
    const { mantissa, exponent } = scientificParts(positive, decimals);
    const point = decimals ? `.${mantissa.slice(1)}` : '';
    return `${mantissa[0]}${point}${exponentText(exponent)}`;
  });
}

// printf's "%.15g": how the calculator writes every number.
export function numberText(value) {
  if (!Number.isFinite(value)) return String(value);
  return signed(value, (positive) => {
    const { exponent } = scientificParts(positive, SHOWN_PRECISION - 1);
    const withoutZeros = (text) => (text.includes('.') ? text.replace(/\.?0+$/, '') : text);
    if (exponent >= SMALLEST_FIXED_EXPONENT && exponent < SHOWN_PRECISION) {
      return withoutZeros(fixedText(positive, SHOWN_PRECISION - 1 - exponent));
    }
    const [mantissa, tail] = scientificText(positive, SHOWN_PRECISION - 1).split('e');
    return `${withoutZeros(mantissa)}e${tail}`;
  });
}

// The value of a text that reads whole as a finite number, else null. Where
// typed digits stay in view only a finished number counts: "100." or "1.50"
// is still being typed.
function numberOf(text, keep) {
  if (!DECIMAL_NUMBER.test(text)) return null;
  const value = Number(text);
  if (!Number.isFinite(value)) return null;
  if (keep === KEEP_TRAILING && numberText(value) !== text) return null;
  return value;
}

function mantissaOf(number) {
  const exponent = number.indexOf('e');
  return exponent < 0 ? number : number.slice(0, exponent);
}

// The mantissa's digits from the first one that is not zero: "0.0120" shows 3.
function shownDigits(number) {
  const digits = mantissaOf(number).replace(/\D/g, '').replace(/^0+/, '');
  return digits.length;
}

// The digits that carry the value: "100000000000" has 1, "0.0125" has 3.
function valueDigits(number) {
  const digits = mantissaOf(number).replace(/\D/g, '').replace(/^0+/, '').replace(/0+$/, '');
  return Math.max(1, digits.length);
}

// Every shorter rendering of a finished number, the most digits first and,
// among as many digits, the fixed form first.
function renderingsOf(text, value, wholeDigits) {
  if (value === 0) return [{ digits: wholeDigits, number: numberText(value) }];
  const found = [];
  const add = (number) => {
    const digits = shownDigits(number);
    if (digits > 0) found.push({ digits, number });
  };
  const point = text.indexOf('.');
  if (point >= 0 && !text.includes('e')) {
    for (let kept = text.length - point - 2; kept >= 1; --kept) add(fixedText(value, kept));
  }
  for (let digits = wholeDigits; digits >= 1; --digits) add(scientificText(value, digits - 1));
  // Array.prototype.sort is stable: the fixed form stays first among equals.
  return found.sort((a, b) => b.digits - a.digits);
}

// The mark goes where the digits are left out: before the exponent.
function withMark(number) {
  const exponent = number.indexOf('e');
  const at = exponent < 0 ? number.length : exponent;
  return `${number.slice(0, at)}${LEFT_OUT_MARK}${number.slice(at)}`;
}

function fitNumber(text, value, width, room) {
  const wholeDigits = valueDigits(text);
  let shown = text;
  for (const rendering of renderingsOf(text, value, wholeDigits)) {
    // Fewer digits than the text's own leave digits out even where they
    // read back as the same double.
    const exact = rendering.digits >= wholeDigits && Number(rendering.number) === value;
    shown = exact ? rendering.number : withMark(rendering.number);
    if (width(shown) <= room) break;
  }
  return shown;
}

// The most characters, up to `most`, that `shown` keeps within the room;
// -1 when none fits.
function mostKept(most, shown, width, room) {
  let fits = -1;
  let tooWide = most + 1;
  while (tooWide - fits > 1) {
    const middle = fits + Math.floor((tooWide - fits) / 2);
    if (width(shown(middle)) <= room) fits = middle;
    else tooWide = middle;
  }
  return fits;
}

function keepLeading(text, width, room) {
  const shown = (kept) => text.slice(0, kept) + LEFT_OUT_MARK;
  return shown(Math.max(0, mostKept(text.length - 1, shown, width, room)));
}

// The sign and the first digit stay, so that a long run of typed zeros
// still reads as the number it began as.
function keepTrailing(text, width, room) {
  const head = text.slice(0, /^[+-]/.test(text) ? 2 : 1);
  const rest = text.length - head.length;
  const shown = (kept) => head + LEFT_OUT_MARK + (kept ? text.slice(-kept) : '');
  const kept = mostKept(rest - 1, shown, width, room);
  return kept < 0 ? keepLeading(text, width, room) : shown(kept);
}

// The text itself when it fits the room; otherwise its rendering that fits,
// or, in a room too narrow for any, the one that keeps the fewest characters.
// width(text) measures a text in the room's units.
export function fitBoxText(text, width, room, keep) {
  if (width(text) <= room) return text;
  const value = numberOf(text, keep);
  if (value !== null) return fitNumber(text, value, width, room);
  return keep === KEEP_LEADING ? keepLeading(text, width, room) : keepTrailing(text, width, room);
}
