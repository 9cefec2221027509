// SPDX-License-Identifier: GPL-3.0-or-later
// The operator keys' faces, drawn as vectors, by the caption each key stores.
const SVG = 'http://www.w3.org/2000/svg';

const BAR = 'M4 10.5h16v3H4z';
const FACES = {
  '+': [BAR, 'M10.5 4h3v16h-3z'],
  '--': [BAR],
  '/': [BAR, 'M12 4.2a2 2 0 1 1 0 4 2 2 0 0 1 0-4z', 'M12 15.8a2 2 0 1 1 0 4 2 2 0 0 1 0-4z'],
  'x': ['M5.6 7.7l2.1-2.1 10.7 10.7-2.1 2.1z', 'M16.3 5.6l2.1 2.1-10.7 10.7-2.1-2.1z'],
  '=': ['M4 7.5h16v3H4z', 'M4 13.5h16v3H4z'],
};

// An SVG of the face for this caption, or null when it has none.
export function glyphFor(caption) {
  const paths = FACES[caption];
  if (!paths) return null;
  const svg = document.createElementNS(SVG, 'svg');
  svg.setAttribute('viewBox', '0 0 24 24');
  svg.setAttribute('aria-hidden', 'true');
  svg.classList.add('glyph');
  for (const d of paths) {
    const path = document.createElementNS(SVG, 'path');
    path.setAttribute('d', d);
    svg.append(path);
  }
  return svg;
}
