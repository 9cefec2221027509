// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes' icons: an exclamation mark in a triangle, a question
// mark in a circle.
const SVG = 'http://www.w3.org/2000/svg';

const SHAPES = {
  exclamation: {
    outline: 'M12 2 23 21H1z',
    mark: 'M11 8h2v7h-2zM11 16.5h2v2h-2z',
  },
  question: {
    outline: 'M12 1.5a10.5 10.5 0 1 1 0 21 10.5 10.5 0 0 1 0-21z',
    mark: 'M9 9a3 3 0 1 1 4.2 2.8c-.8.4-1.2.9-1.2 1.7V14h-2v-.6c0-1.5.8-2.4 2-3A1 1 0 1 0 11 9zM10 16h2v2h-2z',
  },
};

export function glyphForMessage(icon) {
  const shape = SHAPES[icon] ?? SHAPES.exclamation;
  const svg = document.createElementNS(SVG, 'svg');
  svg.setAttribute('viewBox', '0 0 24 24');
  svg.setAttribute('aria-hidden', 'true');
  svg.classList.add('message-icon');
  const outline = document.createElementNS(SVG, 'path');
  outline.setAttribute('d', shape.outline);
  outline.classList.add('outline');
  const mark = document.createElementNS(SVG, 'path');
  mark.setAttribute('d', shape.mark);
  mark.classList.add('mark');
  svg.append(outline, mark);
  return svg;
}
