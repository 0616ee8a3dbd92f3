// What a command prints, kept in the page's print area: a composed page as
// one A4 sheet drawn in millimetres, other documents as lines of text and
// pictures, each document from a new sheet. The screens are not printed
// (page.css); once the command is done the browser's print dialog shows
// the documents, and they stay until the next command prints, so that
// printing the page again gives the same sheets.

import { applyFont, fontStack } from './fonts.js';
import { svgLine, svgText } from './screens.js';

const SVG = 'http://www.w3.org/2000/svg';
const MM_PER_POINT = 25.4 / 72;

function svg(width, height) {
  const drawing = document.createElementNS(SVG, 'svg');
  drawing.setAttribute('viewBox', `0 0 ${width} ${height}`);
  drawing.setAttribute('width', `${width}mm`);
  drawing.setAttribute('height', `${height}mm`);
  return drawing;
}

export class Printing {
  constructor(area) {
    this.area = area;
    this.printed = false;  // by the command that runs
    this.document = null;  // the document being printed
    this.target = null;    // where lines and texts go
    this.font = { family: 'ＭＳ 明朝', points: 12 };
  }

  // The first output of a command replaces what the last one printed.
  begin() {
    if (!this.printed) this.area.replaceChildren();
    this.printed = true;
    if (this.document) return;
    this.document = document.createElement('div');
    this.document.className = 'document';
    this.area.append(this.document);
  }

  sheet() {
    this.begin();
    this.document.classList.add('sheet');
    this.target = svg(210, 297);
    this.document.append(this.target);
  }

  text(x, y, family, points, bold, rgb, text) {
    const element = svgText(x, y, rgb, text);
    element.setAttribute('font-family', fontStack(family));
    element.setAttribute('font-size', points * MM_PER_POINT);
    if (bold) element.setAttribute('font-weight', 'bold');
    this.target.append(element);
  }

  line(x1, y1, x2, y2, rgb, width) {
    this.target.append(svgLine(x1, y1, x2, y2, rgb, width));
  }

  rect(x, y, width, height, rgb, filled, lineWidth) {
    const rect = document.createElementNS(SVG, 'rect');
    for (const [name, value] of Object.entries({ x, y, width, height })) rect.setAttribute(name, value);
    const color = `#${rgb.toString(16).padStart(6, '0')}`;
    rect.setAttribute('fill', filled ? color : 'none');
    if (!filled) {
      rect.setAttribute('stroke', color);
      rect.setAttribute('stroke-width', lineWidth);
    }
    this.target.append(rect);
  }

  // On a sheet, a picture is a group clipped to its rectangle; in a
  // document of lines, a block of its own.
  picture(x, y, width, height, family, points) {
    this.begin();
    const group = document.createElementNS(SVG, 'svg');
    for (const [name, value] of Object.entries({ x, y, width, height })) group.setAttribute(name, value);
    group.setAttribute('viewBox', `${x} ${y} ${width} ${height}`);
    group.setAttribute('font-family', fontStack(family));
    group.setAttribute('font-size', points * MM_PER_POINT);
    if (this.document.classList.contains('sheet')) {
      this.target.append(group);
    } else {
      const block = svg(x + width, y + height);
      block.append(group);
      this.document.append(block);
    }
    this.pictureTarget = group;
  }

  pictureLine(x1, y1, x2, y2, rgb, width) {
    this.pictureTarget.append(svgLine(x1, y1, x2, y2, rgb, width));
  }

  pictureText(x, y, rgb, text) {
    this.pictureTarget.append(svgText(x, y, rgb, text));
  }

  setFont(family, points) {
    this.font = { family, points };
  }

  linesLine(text) {
    this.begin();
    const line = document.createElement('p');
    line.className = 'printed-line';
    applyFont(line, this.font.family, this.font.points, false);
    line.textContent = text;
    this.document.append(line);
  }

  end() {
    this.document = null;
  }

  // After the command: the browser's print dialog, when it printed.
  finish() {
    if (!this.printed) return;
    this.printed = false;
    window.print();
  }
}
