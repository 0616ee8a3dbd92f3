// The page: the program (biorhythm.wasm) started in the browser, with its
// screens, dialogs, printing and data. Each command runs alone, under the
// register's lock, and what it wrote is stored before it is reported done.

import createBiorhythm from './biorhythm.js';
import { chooseFile, inputBox, messageBox } from './dialogs.js';
import { Printing } from './printing.js';
import { Screens } from './screens.js';
import { share } from './share.js';
import {
  askToPersist, CONFIG, DATA, download, isRegister, LAST_ENTRY, REGISTER, Storage,
} from './storage.js';

let program = 0;       // the program's handle
let module = null;
let storage = null;
let busy = false;      // a command runs, or waits in a dialog

// Shown on the page too, for whoever drives it.
function setBusy(flag) {
  busy = flag;
  document.body.toggleAttribute('data-busy', flag);
}

const screens = new Screens(document.querySelector('#screens'), {
  // Typing and choosing an option run no command: they reach the model at
  // once, unless a command is waiting in a dialog.
  typed: (screen, key, text) => direct('bio_typed', ['number', 'string', 'string'], [screen, key, text]),
  selected: (screen, key) => direct('bio_selected', ['number', 'string'], [screen, key]),
  checked: (screen, key, checked) => command('bio_checked', ['number', 'string', 'number'], [screen, key, checked ? 1 : 0]),
  clicked: (screen, key) => command('bio_clicked', ['number', 'string'], [screen, key]),
  enter: (screen) => command('bio_enter', ['number'], [screen]),
  built: (name) => addOns[name]?.(name),
});
const printing = new Printing(document.querySelector('#print'));

function direct(name, types, args) {
  if (!busy && program) module.ccall(name, null, ['number', ...types], [program, ...args]);
}

// A command under the lock; the page prints what it printed once it is done.
async function command(name, types, args) {
  if (busy || !program) return;
  setBusy(true);
  try {
    await storage.exclusive(() => module.ccall(name, null, ['number', ...types], [program, ...args], { async: true }));
    printing.finish();
  } finally {
    setBusy(false);
  }
}

// Before a dialog shows, what the program wrote is stored.
async function beforeDialog(show) {
  await storage.store();
  return show();
}

const page = {
  screen: (...args) => screens.screen(...args),
  control: (...args) => screens.control(...args),
  shortcut: (...args) => screens.shortcut(...args),
  screenDone: (...args) => screens.screenDone(...args),
  text: (...args) => screens.text(...args),
  selected: (...args) => screens.selected(...args),
  checked: (...args) => screens.checked(...args),
  items: (...args) => screens.items(...args),
  picture: (...args) => screens.picture(...args),
  pictureLine: (...args) => screens.pictureLine(...args),
  pictureText: (...args) => screens.pictureText(...args),
  open: (...args) => screens.open(...args),
  hide: (...args) => screens.hide(...args),
  ended: () => { document.querySelector('#ended').hidden = false; },
  internalError: (text) => {
    const error = document.querySelector('#error');
    error.textContent = text;
    error.hidden = false;
  },
  printSheet: () => printing.sheet(),
  printText: (...args) => printing.text(...args),
  printLine: (...args) => printing.line(...args),
  printRect: (...args) => printing.rect(...args),
  printPicture: (...args) => printing.picture(...args),
  printPictureLine: (...args) => printing.pictureLine(...args),
  printPictureText: (...args) => printing.pictureText(...args),
  printFont: (...args) => printing.setFont(...args),
  printLinesLine: (...args) => printing.linesLine(...args),
  printEnd: () => printing.end(),
  messageBox: (text, title) => beforeDialog(() => messageBox(text, title)),
  inputBox: (prompt, title, text) => beforeDialog(() => inputBox(prompt, title, text)),
  openFile: (title) => beforeDialog(async () => {
    const file = await chooseFile(title, '.csv,.txt,text/csv,text/plain');
    return file ? storage.upload(file) : null;
  }),
  saveFile: (name) => storage.saveFile(name),
};

// The page's own additions to screens, none of them one of its controls:
// sharing a result, and the backup where the register is shown.
const SHARED_AS = { sindan: 'バイオリズムグラフ.png', aisyousin: '相性グラフ.png' };
const shareButton = (name) => {
  const button = pageButton('共有', 'share', async () => {
    if (busy) return;
    setBusy(true);
    try {
      const title = document.querySelector(`#title-${name}`).textContent;
      await share(title, screens.reading(name), screens.displayList(name), SHARED_AS[name]);
    } finally {
      setBusy(false);
    }
  });
  button.setAttribute('aria-label', '診断とグラフを共有');
  screens.addToMenu(name, button);
};
const addOns = {
  sindan: shareButton,
  aisyousin: shareButton,
  hyouji: (name) => {
    const bar = document.createElement('p');
    bar.className = 'screen-backup';
    bar.append('この端末のブラウザーだけに保存されています。', pageButton('データのバックアップ', 'backup', backup));
    screens.addBelow(name, bar);
  },
};

function pageButton(text, action, run) {
  const button = document.createElement('button');
  button.type = 'button';
  button.dataset.action = action;
  button.textContent = text;
  button.addEventListener('click', run);
  return button;
}

// Whether the browser will keep the data, said once the first person is
// registered and, while it will not, on every start with a register.
async function keepData(always) {
  const kept = await askToPersist();
  if (kept && !always) return;
  const status = document.querySelector('#kept');
  status.textContent = kept
    ? 'このブラウザーはデータを消さずに保存し続けます。'
    : 'ブラウザーの容量が足りなくなると、データが消されることがあります。「データのバックアップ」で保存しておいてください。';
  status.hidden = false;
}

// The page's own menu: both data files downloaded as they are, or put back.
async function backup() {
  if (busy || !storage) return;
  setBusy(true);
  const files = await storage.backup().finally(() => setBusy(false));
  if (files.length === 0) {
    await messageBox('ブラウザーに保存されたデータはまだありません。', 'データのバックアップ');
    return;
  }
  for (const [name, bytes] of files) download(name, bytes);
}

async function restore() {
  if (busy || !storage) return;
  setBusy(true);
  try {
    const files = await chooseRestore();
    if (files) {
      await storage.restore(files);
      location.reload();
    }
  } finally {
    setBusy(false);
  }
}

// The files to restore, named as the program names them, after the user
// has agreed; null when there is nothing to do.
async function chooseRestore() {
  const title = 'データの復元';
  const chosen = await chooseFile(title, '.txt,text/plain', true,
    `復元するファイル（${LAST_ENTRY}、${REGISTER}）`);
  if (!chosen || chosen.length === 0) return null;
  const files = [];
  for (const file of chosen) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const name = /kojinfl2/i.test(file.name) ? REGISTER : /kojinfl/i.test(file.name) ? LAST_ENTRY : null;
    if (!name) {
      await messageBox(`ファイル ${file.name} は、このプログラムのデータ（${LAST_ENTRY}、${REGISTER}）ではありません。何も変更していません。`, title);
      return null;
    }
    if (name === REGISTER && !isRegister(bytes)) {
      await messageBox(`ファイル ${file.name} は登録簿ではありません（長さが42バイトの倍数ではありません）。何も変更していません。`, title);
      return null;
    }
    files.push([name, bytes]);
  }
  const names = files.map(([name]) => name).join('、');
  const answer = await messageBox(`ブラウザーに保存されている ${names} を、選んだファイルで置き換えます。よろしいですか？`, title);
  return answer ? files : null;
}

// The screens not shown yet built while the page is idle, one to a task so
// that none keeps a tap waiting, and the first command to show one only
// fills it in. Never while a command waits in a dialog: the program is in
// the middle of it.
const whenIdle = window.requestIdleCallback ?? setTimeout;
function prepareScreens() {
  if (!program) return;
  if (busy) {
    setTimeout(prepareScreens, 500);
    return;
  }
  if (module.ccall('bio_prepare', 'number', ['number'], [program])) whenIdle(prepareScreens);
}

// Once the page has painted; at once in a tab not shown, which paints nothing.
const afterPaint = () => new Promise((resolve) => {
  if (document.hidden) resolve();
  else requestAnimationFrame(() => setTimeout(resolve));
});

async function start() {
  document.querySelector('#backup').addEventListener('click', backup);
  document.querySelector('#restore').addEventListener('click', restore);
  // baio as recorded when the site was built, drawn before the .wasm is
  // even asked for: on a slow network the .wasm would share the bandwidth
  // with the page's scripts, and baio be drawn later.
  const firstScreen = document.querySelector('#first-screen')?.textContent;
  if (firstScreen) {
    screens.replay(JSON.parse(firstScreen));
    await afterPaint();
  }
  module = await createBiorhythm({ page });
  storage = new Storage(module.FS, () => keepData(true));
  setBusy(true);
  try {
    await storage.exclusive(async () => {
      program = await module.ccall('bio_start', 'number', ['string', 'string'], [DATA, CONFIG], { async: true });
    });
    if (storage.records() > 0) keepData(false);
  } finally {
    // Had the program not started, what it would have replaced.
    screens.dropReplayed();
    document.body.dataset.ready = '';
    setBusy(false);
  }
  whenIdle(prepareScreens);
}

start();
