// The eight screens as plain HTML, built from the catalogues the program
// sends (page_calls.h), and kept as the model says. Every control stands at
// its designed place inside its screen's client area; the DOM follows the
// designed tab order, so that Tab walks it as on the desktop and a narrow
// layout (page.css) can lay it out as one column in that order: a screen
// takes it whenever the window is narrower than the screen's designed width.

import { applyFont, cssColor } from './fonts.js';

// ControlKind of ui/control.h.
const Kind = {
  Label: 0, TextBox: 1, CommandButton: 2, OptionButton: 3, CheckBox: 4, Frame: 5, ListBox: 6,
  PictureBox: 7, MenuCommand: 8, PrinterDialog: 9,
};
const SVG = 'http://www.w3.org/2000/svg';
const BLANKS = /([\s\u3000]+)/;
// What the page puts around a screen besides its client area: its border
// and main's padding (page.css). Narrower than that and the screen reflows.
const SCREEN_MARGIN = 34;
// A picture's sunken edge; its drawing is in the pixels within.
const PICTURE_EDGE = 2;
// How far a finger moves sideways over a graph for the next or previous month.
const SWIPE_PIXELS = 40;

// A caption as text, the blanks that only space it out kept on screen but
// hidden from screen readers, which say the control's name without them.
function captionNodes(caption) {
  return caption.split(BLANKS).filter((part) => part).map((part) => {
    if (!BLANKS.test(part)) return document.createTextNode(part);
    const blank = document.createElement('span');
    blank.setAttribute('aria-hidden', 'true');
    blank.textContent = part;
    return blank;
  });
}

function place(element, left, top, width, height) {
  Object.assign(element.style, {
    left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
  });
}

export class Screens {
  // `host` receives the screens; `act` hands what the user does to the program.
  constructor(host, act) {
    this.host = host;
    this.act = act;
    this.screens = new Map();  // screen number -> its parts
    this.drawing = null;       // the picture being drawn
    this.focusQueued = false;  // the shown screen takes the focus soon
    this.replayed = [];        // screens drawn before the program started
    document.addEventListener('keydown', (event) => this.key(event));
  }

  // The first screen as the program builds it on a first start, recorded
  // when the site was built, drawn before the program has arrived: inert
  // and busy, so that nothing typed into it is lost, until the program's
  // own build replaces it in one task, with no flash between the two.
  replay(calls) {
    for (const [name, ...args] of calls) this[name](...args);
    this.replayed = [...this.screens.values()].map((screen) => screen.section);
    for (const section of this.replayed) {
      section.inert = true;
      section.setAttribute('aria-busy', 'true');
    }
    this.screens.clear();
    this.shown = null;
  }

  dropReplayed() {
    for (const section of this.replayed) section.remove();
    this.replayed = [];
  }

  screen(id, name, caption, width, height, background, family, points, bold) {
    this.dropReplayed();
    const section = document.createElement('section');
    section.className = 'screen';
    section.dataset.screen = name;
    section.hidden = true;
    const title = document.createElement('h1');
    title.className = 'title';
    title.id = `title-${name}`;
    title.textContent = caption;
    section.setAttribute('aria-labelledby', title.id);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    // As wide as its client area: a long menu bar wraps.
    section.style.width = `${width}px`;
    if (background >= 0) {
      client.style.backgroundColor = cssColor(background);
      client.classList.add('designed-colors');
    }
    applyFont(client, family, points, bold);
    section.append(title, client);
    this.host.append(section);
    const narrow = matchMedia(`(max-width: ${width + SCREEN_MARGIN - 1}px)`);
    const reflow = () => section.classList.toggle('narrow', narrow.matches);
    narrow.addEventListener('change', reflow);
    reflow();
    this.screens.set(id, {
      id, name, section, client, menu: null, controls: new Map(), order: [], shortcuts: new Map(),
      defaultButton: '', firstFocus: '', drawings: new Map(),
    });
  }

  control(id, key, kind, caption, container, left, top, width, height, family, points, bold,
    readOnly, numeric, tabPosition, spokenName) {
    const screen = this.screens.get(id);
    const name = `${screen.name}.${key}`;
    const element = this.create(screen, key, kind, caption, container, spokenName, readOnly);
    if (!element) return;
    if (numeric) element.inputMode = 'numeric';
    if (kind === Kind.TextBox) element.dataset.spoken = spokenName;
    if (kind === Kind.PictureBox) this.drawingArea(screen, key, element, width, height, family, points);
    const target = element.closest('.option') ?? element;
    if (kind === Kind.MenuCommand) {
      screen.menu ??= this.menuBar(screen);
      screen.menu.append(element);
    } else {
      target.classList.add('control');
      screen.client.append(target);
      place(target, left, top, width, height);
      applyFont(target, family, points, bold);
      const previous = screen.order.at(-1);
      screen.order.push({ target, container, tabPosition,
        rank: tabPosition >= 0 ? tabPosition : (previous ? previous.rank + 0.001 : -1) });
    }
    element.dataset.control = name;
    if (tabPosition < 0 && ![Kind.Label, Kind.Frame, Kind.ListBox].includes(kind)) element.tabIndex = -1;
    screen.controls.set(key, element);
  }

  create(screen, key, kind, caption, container, spokenName, readOnly) {
    // Named by its caption unless the name says more (or the blanks hidden
    // from it leave other words).
    const named = (element) => {
      if (spokenName && spokenName !== caption.replace(/[\s\u3000]+/g, '')) {
        element.setAttribute('aria-label', spokenName);
      }
      return element;
    };
    switch (kind) {
      case Kind.Label: {
        const label = document.createElement('span');
        label.className = 'label';
        label.append(...captionNodes(caption));
        return label;
      }
      case Kind.TextBox: {
        const input = named(document.createElement('input'));
        input.type = 'text';
        input.autocomplete = 'off';
        input.readOnly = readOnly;
        input.addEventListener('input', () => this.act.typed(screen.id, key, input.value));
        return input;
      }
      case Kind.CommandButton:
      case Kind.MenuCommand: {
        const button = named(document.createElement('button'));
        button.type = 'button';
        button.append(...captionNodes(caption));
        button.addEventListener('click', () => this.act.clicked(screen.id, key));
        return button;
      }
      case Kind.OptionButton:
      case Kind.CheckBox: {
        const wrapper = document.createElement('label');
        wrapper.className = 'option';
        const input = named(document.createElement('input'));
        if (kind === Kind.OptionButton) {
          input.type = 'radio';
          // The options of a frame are one group: the arrow keys move through it.
          input.name = `${screen.name}.${container || 'screen'}`;
          input.addEventListener('change', () => this.act.selected(screen.id, key));
        } else {
          input.type = 'checkbox';
          input.addEventListener('change', () => this.act.checked(screen.id, key, input.checked));
        }
        wrapper.append(input, ...captionNodes(caption));
        return input;
      }
      case Kind.Frame: {
        const frame = named(document.createElement('fieldset'));
        const legend = document.createElement('legend');
        legend.append(...captionNodes(caption));
        frame.append(legend);
        return frame;
      }
      case Kind.ListBox: {
        const list = named(document.createElement('ul'));
        list.className = 'list';
        // Its lines scroll: the keyboard must reach it, in the order or not.
        list.tabIndex = 0;
        return list;
      }
      case Kind.PictureBox: {
        const picture = named(document.createElement('div'));
        picture.className = 'picture';
        picture.setAttribute('role', 'img');
        const drawing = document.createElementNS(SVG, 'svg');
        drawing.setAttribute('aria-hidden', 'true');
        picture.append(drawing);
        return picture;
      }
      default:
        return null;  // the printer dialog is the browser's
    }
  }

  menuBar(screen) {
    const bar = document.createElement('div');
    bar.className = 'menubar';
    bar.setAttribute('role', 'group');
    bar.setAttribute('aria-label', 'メニューバー');
    screen.client.before(bar);
    return bar;
  }

  // A drawing in the picture's own pixels, scaled with the picture when a
  // narrow screen fits it across; its display list is kept for
  // whoever draws it again (the shared image). A sideways swipe over it
  // steps the month as Page Up and Page Down do.
  drawingArea(screen, key, picture, width, height, family, points) {
    const inner = [width - 2 * PICTURE_EDGE, height - 2 * PICTURE_EDGE];
    picture.querySelector('svg').setAttribute('viewBox', `0 0 ${inner.join(' ')}`);
    picture.style.aspectRatio = `${width} / ${height}`;
    // How much smaller than designed it is drawn, for page.css to keep its
    // texts legible.
    new ResizeObserver(() => {
      if (picture.clientWidth) picture.style.setProperty('--drawn', String(picture.clientWidth / inner[0]));
    }).observe(picture);
    screen.drawings.set(key, { width: inner[0], height: inner[1], family, points, ops: [] });
    let start = null;
    picture.addEventListener('pointerdown', (event) => { start = event; });
    picture.addEventListener('pointercancel', () => { start = null; });
    picture.addEventListener('pointerup', (event) => {
      if (!start) return;
      const [dx, dy] = [event.clientX - start.clientX, event.clientY - start.clientY];
      start = null;
      if (Math.abs(dx) < SWIPE_PIXELS || Math.abs(dx) < 2 * Math.abs(dy)) return;
      const command = screen.shortcuts.get(dx < 0 ? 'PageDown' : 'PageUp');
      if (command) this.act.clicked(screen.id, command);
    });
  }

  // On a narrow screen a long menu bar folds behind a menu button; the
  // month commands (those of Page Up and Page Down) stay out beside it.
  // Folded commands keep their places in the bar, as designed.
  foldMenu(screen) {
    const bar = screen.menu;
    if (!bar) return;
    const stays = new Set(['PageUp', 'PageDown'].map((key) => screen.controls.get(screen.shortcuts.get(key))));
    const folded = [...bar.children].filter((command) => !stays.has(command));
    if (folded.length < 2) return;
    const toggle = document.createElement('button');
    toggle.type = 'button';
    toggle.className = 'menu-toggle';
    toggle.textContent = 'メニュー';
    toggle.setAttribute('aria-expanded', 'false');
    const open = (flag) => {
      toggle.setAttribute('aria-expanded', String(flag));
      bar.classList.toggle('open', flag);
    };
    toggle.addEventListener('click', () => open(toggle.getAttribute('aria-expanded') !== 'true'));
    folded.forEach((command, i) => {
      command.classList.add('folded');
      command.id ||= `menu-${screen.name}-${i}`;
      // A command chosen folds the menu again.
      command.addEventListener('click', () => open(false));
    });
    toggle.setAttribute('aria-controls', folded.map((command) => command.id).join(' '));
    // Esc on the open menu folds it, before it would leave the screen.
    bar.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape' || toggle.getAttribute('aria-expanded') !== 'true') return;
      event.stopPropagation();
      open(false);
      toggle.focus();
    });
    bar.append(toggle);
  }

  // Something of the page's own in a screen's menu bar, before its menu
  // button (not one of the screen's controls).
  addToMenu(name, element) {
    const bar = this.byName(name).menu;
    bar.insertBefore(element, bar.querySelector('.menu-toggle'));
  }

  // Something of the page's own below a screen.
  addBelow(name, element) {
    this.byName(name).section.append(element);
  }

  byName(name) {
    return [...this.screens.values()].find((screen) => screen.name === name);
  }

  // What a screen's picture holds: its size, font and display list.
  displayList(name) {
    return [...this.byName(name).drawings.values()][0];
  }

  // A screen's reading as it shows it: the lines of its list.
  reading(name) {
    return [...this.byName(name).client.querySelectorAll('.list li')].map((item) => item.textContent).join('\n');
  }

  // Named on the control too, for screen readers (aria-keyshortcuts).
  shortcut(id, key, control) {
    const screen = this.screens.get(id);
    screen.shortcuts.set(key, control);
    screen.controls.get(control)?.setAttribute('aria-keyshortcuts', key === 'CtrlP' ? 'Control+P' : key);
  }

  // Each control goes into its frame, everything in the designed tab order;
  // what the order leaves out follows what it comes after in the catalogue.
  screenDone(id, defaultButton, firstFocus) {
    const screen = this.screens.get(id);
    screen.defaultButton = defaultButton;
    screen.firstFocus = firstFocus;
    const rankOf = new Map(screen.order.map((entry) => [entry.target, entry.rank]));
    for (const entry of screen.order) {
      const frame = entry.container && screen.controls.get(entry.container);
      if (!frame) continue;
      frame.append(entry.target);
      // A frame stands where the first of its controls comes.
      rankOf.set(frame, Math.min(rankOf.get(frame), entry.rank));
    }
    const sorted = (parent) => [...parent.children]
      .filter((child) => rankOf.has(child))
      .sort((a, b) => rankOf.get(a) - rankOf.get(b));
    screen.client.append(...sorted(screen.client));
    for (const frame of screen.client.querySelectorAll('fieldset')) frame.append(...sorted(frame));
    for (const parent of [screen.client, ...screen.client.querySelectorAll('fieldset')]) {
      rows(parent, 'option-row', (child) => child.matches('label.option:has(input[type="radio"])') && 'options');
      rows(parent, 'record-row', (child) => child.matches('input[type="text"]')
        && child.dataset.control.match(/\((\d+)\)$/)?.[1]);
      columnHeadings(parent);
      labelPairs(parent);
    }
    screen.controls.get(defaultButton)?.classList.add('main-command');
    this.foldMenu(screen);
    this.act.built?.(screen.name);
  }

  text(id, key, text) {
    const element = this.screens.get(id).controls.get(key);
    if (element instanceof HTMLInputElement && element.type === 'text') {
      if (element.value !== text) element.value = text;
    } else if (element instanceof HTMLInputElement) {
      const wrapper = element.parentElement;
      wrapper.replaceChildren(element, ...captionNodes(text));
    } else if (element instanceof HTMLFieldSetElement) {
      element.querySelector('legend').replaceChildren(...captionNodes(text));
    } else if (element && !element.matches('.list, .picture')) {
      element.replaceChildren(...captionNodes(text));
    }
  }

  selected(id, key, selected) {
    this.screens.get(id).controls.get(key).checked = !!selected;
  }

  checked(id, key, checked) {
    this.screens.get(id).controls.get(key).checked = !!checked;
  }

  // Highlighted lines stand out in red, with the highlight's words for a screen reader.
  items(id, key, lines, highlights) {
    const list = this.screens.get(id).controls.get(key);
    list.replaceChildren(...lines.map((line, i) => {
      const item = document.createElement('li');
      item.textContent = line;
      if (highlights[i]) {
        item.className = 'highlight';
        item.setAttribute('aria-description', highlights[i]);
      }
      return item;
    }));
  }

  picture(id, key, name, description) {
    const picture = this.screens.get(id).controls.get(key);
    picture.setAttribute('aria-label', name);
    if (description) picture.setAttribute('aria-description', description);
    else picture.removeAttribute('aria-description');
    const drawing = picture.querySelector('svg');
    drawing.replaceChildren();
    this.drawing = drawing;
    this.ops = this.screens.get(id).drawings.get(key).ops;
    this.ops.length = 0;
  }

  pictureLine(x1, y1, x2, y2, rgb, width) {
    this.drawing.append(svgLine(x1, y1, x2, y2, rgb, width));
    this.ops.push({ line: [x1, y1, x2, y2], rgb, width });
  }

  pictureText(x, y, rgb, text) {
    this.drawing.append(svgText(x, y, rgb, text));
    this.ops.push({ text, x, y, rgb });
  }

  // The focus moves once the program has sent all that the command changes:
  // focusing lays the page out, which would otherwise be done again for the
  // drawing and texts that follow.
  open(id) {
    const screen = this.screens.get(id);
    screen.section.hidden = false;
    this.shown = screen;
    if (this.focusQueued) return;
    this.focusQueued = true;
    queueMicrotask(() => {
      this.focusQueued = false;
      this.focusShown();
    });
  }

  focusShown() {
    const screen = this.shown;
    if (!screen || screen.section.hidden) return;
    const first = screen.controls.get(screen.firstFocus)
      ?? [...screen.client.querySelectorAll('input, button, ul, [tabindex]')]
        .find((element) => element.tabIndex >= 0 && !element.disabled);
    first?.focus();
  }

  hide(id) {
    this.screens.get(id).section.hidden = true;
  }

  // The screen a key is for: the one holding the focus, else the last opened.
  focusedScreen() {
    for (const [id, screen] of this.screens) {
      if (!screen.section.hidden && screen.section.contains(document.activeElement)) {
        return [id, screen];
      }
    }
    for (const [id, screen] of this.screens) if (screen === this.shown && !screen.section.hidden) return [id, screen];
    return [null, null];
  }

  // Enter in a box runs the screen's default command (on a button, the
  // button itself); Esc, Page Up, Page Down and Ctrl+P click their commands.
  key(event) {
    if (event.target.closest?.('dialog, .page-bar') || event.isComposing) return;
    const [id, screen] = this.focusedScreen();
    if (!screen) return;
    let name = event.key;
    if (event.ctrlKey && !event.altKey && event.key.toLowerCase() === 'p') name = 'CtrlP';
    else if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (name === 'Enter') {
      if (!(event.target instanceof HTMLInputElement)) return;
      event.preventDefault();
      this.act.enter(id);
      return;
    }
    const control = screen.shortcuts.get(name);
    if (!control) return;
    event.preventDefault();
    this.act.clicked(id, control);
  }
}

// Runs of controls side by side in one row when the screen is narrow
// (page.css): a frame's options, the text boxes of one record (one index
// of the indexed groups). On the designed screen a row is no box of its own.
// `rowOf` says which row a control belongs to, if any.
function rows(parent, className, rowOf) {
  let row = null;
  let current = null;
  for (const child of [...parent.children]) {
    const which = rowOf(child);
    if (!which) {
      row = null;
      continue;
    }
    if (!row || which !== current) {
      row = document.createElement('div');
      row.className = className;
      child.before(row);
      current = which;
    }
    row.append(child);
  }
}

// Labels right before the records, as many as a record's boxes, head their
// columns: a row of their own, as wide as the columns, on a narrow screen.
function columnHeadings(parent) {
  const first = parent.querySelector(':scope > .record-row');
  const boxes = first ? [...first.children] : [];
  const labels = [];
  for (let before = first?.previousElementSibling; before?.matches('.label'); before = before.previousElementSibling) {
    labels.unshift(before);
  }
  if (boxes.length < 2 || labels.length !== boxes.length) return;
  const row = document.createElement('div');
  row.className = 'record-row';
  first.before(row);
  row.append(...labels);
  labels.forEach((label, i) => label.classList.toggle('text-column', !boxes[i].inputMode));
}

// A text box and the label beside it that it is named by ("感情", "年"):
// kept on one line on a narrow screen, as the unit label "年です。" is kept
// with the box of "西暦 年".
function labelPairs(parent) {
  for (const box of parent.querySelectorAll(':scope > input[type="text"]')) {
    const word = box.dataset.spoken.split(/[\s\u3000]+/).at(-1);
    const label = [box.previousElementSibling, box.nextElementSibling]
      .find((side) => side?.matches('.label:not(.pair > *)') && side.textContent.replace(/[\s\u3000]+/g, '').startsWith(word));
    if (!word || !label) continue;
    const inOrder = label === box.previousElementSibling ? [label, box] : [box, label];
    const pair = document.createElement('span');
    pair.className = 'pair';
    inOrder[0].before(pair);
    pair.append(...inOrder);
  }
}

export function svgLine(x1, y1, x2, y2, rgb, width) {
  const line = document.createElementNS(SVG, 'line');
  for (const [name, value] of Object.entries({ x1, y1, x2, y2 })) line.setAttribute(name, value);
  line.setAttribute('stroke', cssColor(rgb));
  line.setAttribute('stroke-width', width);
  line.setAttribute('stroke-linecap', 'round');
  return line;
}

export function svgText(x, y, rgb, text) {
  const element = document.createElementNS(SVG, 'text');
  element.setAttribute('x', x);
  element.setAttribute('y', y);
  element.setAttribute('fill', cssColor(rgb));
  element.setAttribute('dominant-baseline', 'text-before-edge');
  element.textContent = text;
  return element;
}
