// SPDX-License-Identifier: GPL-3.0-or-later
// Compares the web replay's output with the console's line by line. A line
// that differs only in the last shown digit of its numbers (the same text
// otherwise, each differing number one unit apart in its 15th significant
// digit) is told apart from every other difference: the page's math library
// may round a few results the other way.

// Numbers as "%.15g" writes them.
const numberPattern = /-?(?:\d+\.?\d*|\.\d+)(?:e[+-]\d+)?/g;
const shownDigits = 15n;

// A shown number as digits * 10^exponent with exactly 15 digits.
function scaled(text) {
    const match = /^(-?)(\d*)\.?(\d*)(?:e([+-]\d+))?$/.exec(text);
    if (match === null) return null;
    const [, sign, whole, fraction, exponent] = match;
    const allDigits = (whole + fraction).replace(/^0+/, '');
    if (allDigits.length === 0 || allDigits.length > Number(shownDigits)) return null;
    const trailing = BigInt(allDigits.length) - shownDigits;
    const digits = BigInt(allDigits.padEnd(Number(shownDigits), '0'));
    const power = BigInt(exponent ?? 0) - BigInt(fraction.length) + trailing;
    return { digits: sign === '-' ? -digits : digits, power };
}

// Whether two shown numbers lie one unit of the finer 15th digit apart.
function oneLastDigitApart(left, right) {
    const a = scaled(left);
    const b = scaled(right);
    if (a === null || b === null) return false;
    const power = a.power < b.power ? a.power : b.power;
    const difference = a.digits * 10n ** (a.power - power) - b.digits * 10n ** (b.power - power);
    return difference === 1n || difference === -1n;
}

// Whether the lines differ only in the last digit of some of their numbers.
export function differsInLastDigitOnly(left, right) {
    const leftNumbers = left.match(numberPattern) ?? [];
    const rightNumbers = right.match(numberPattern) ?? [];
    if (left.replace(numberPattern, '#') !== right.replace(numberPattern, '#')) return false;
    if (leftNumbers.length !== rightNumbers.length) return false;
    let anyApart = false;
    for (let i = 0; i < leftNumbers.length; ++i) {
        if (leftNumbers[i] === rightNumbers[i]) continue;
        if (!oneLastDigitApart(leftNumbers[i], rightNumbers[i])) return false;
        anyApart = true;
    }
    return anyApart;
}

// {lastDigit: [...], other: [...]}, each entry {line, expected, actual}
// with a line number from 1.
export function compareOutputs(expected, actual) {
    const expectedLines = expected.split('\n');
    const actualLines = actual.split('\n');
    const found = { lastDigit: [], other: [] };
    const count = Math.max(expectedLines.length, actualLines.length);
    for (let i = 0; i < count; ++i) {
        const left = expectedLines[i] ?? '(end of output)';
        const right = actualLines[i] ?? '(end of output)';
        if (left === right) continue;
        const difference = { line: i + 1, expected: left, actual: right };
        (differsInLastDigitOnly(left, right) ? found.lastDigit : found.other).push(difference);
    }
    return found;
}
